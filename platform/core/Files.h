// Files of the data folder (the current directory). Paths written with "\"
// use the platform's separator. A path that the platform itself gave
// (GetCurrentDir, a listed name) may hold a "\" as part of a name: the
// functions marked "as is" take such a path unchanged.
#ifndef TRAILBOOK_PLATFORM_FILES_H
#define TRAILBOOK_PLATFORM_FILES_H

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using AnsiString = std::string;

// "\" becomes "/".
AnsiString NativePath(const AnsiString& path);

bool FileExists(const AnsiString& fileName);
// Whether anything at all stands at path, after links: a file, a folder, a
// pipe, a device, or an entry that cannot be looked at (a loop of links).
// False only for a name that nothing has (a link that leads nowhere included).
bool EntryExists(const AnsiString& path);
bool DeleteFile(const AnsiString& fileName);
bool DirectoryExists(const AnsiString& dir);
bool CreateDir(const AnsiString& dir);
bool DirectoryExistsAsIs(const AnsiString& path);
bool CreateDirAsIs(const AnsiString& path);
AnsiString GetCurrentDir();
// The folder of the running program's own file; "" when it cannot be told.
AnsiString ProgramFolder();
bool SetCurrentDir(const AnsiString& dir);

// Names (not paths) of the regular files in dir matching mask ("*" and "?",
// letters compared without regard to case), sorted case-insensitively, so
// the order is stable from run to run.
std::vector<AnsiString> ListFiles(const AnsiString& mask, const AnsiString& dir = ".");
// Names of every entry of dir, as is (files, folders and the rest; "." and
// ".." left out), sorted as ListFiles sorts them; false (no names) when dir
// cannot be read to its end.
bool ListEntries(const AnsiString& dir, std::vector<AnsiString>& names);
// The same, empty when dir cannot be read.
std::vector<AnsiString> ListEntries(const AnsiString& dir = ".");
bool MatchesMask(const AnsiString& name, const AnsiString& mask);

// Whole-file helpers. Every read opens regular files only and never waits: a
// folder, a pipe or a device counts as a file that cannot be read.
// ReadWholeFile reads into bytes, reusing its storage, and returns false
// (bytes empty) when the file cannot be read.
bool ReadWholeFile(const AnsiString& fileName, std::string& bytes);
// The same, but a file that cannot be read throws EFOpenError
// "Cannot open file "name". reason".
std::string ReadWholeFileOrThrow(const AnsiString& fileName);
// Writes bytes to a temporary file in the same folder and renames it over
// fileName, so a failed or interrupted write never leaves a half-written file.
// A link is written through (the temporary file goes beside the file it
// names), and a file that the user may not write is refused, not replaced, as
// is anything that is no regular file (a folder, a pipe, a device, a socket).
// Throws EFCreateError "Cannot create file "name". reason" on failure.
void WriteWholeFile(const AnsiString& fileName, const std::string& bytes);
// Reads whole files one after another into one buffer that is kept and grown
// (never cleared or copied), for readers that go through many files: the
// bytes of the file read last are Bytes(), valid until the next Read.
class WholeFileReader {
public:
    // False (and no bytes) when the file cannot be read.
    bool Read(const AnsiString& fileName);
    std::string_view Bytes() const { return {buffer_.get(), size_}; }

private:
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0, size_ = 0;
};
// The same, but a regular file that holds exactly these bytes already is left
// untouched (a read instead of a write to disk); true when it was written.
bool WriteWholeFileIfChanged(const AnsiString& fileName, const std::string& bytes);
// Copies a file the same way; throws EFOpenError / EFCreateError.
void CopyWholeFile(const AnsiString& from, const AnsiString& to);

// Copies the bytes of the regular file from into a new temporary file beside
// to and renames it over to (both paths as is), so a failure at any step
// leaves to as it was and no temporary file behind; a link named to is
// replaced, never followed, and anything else there that is no regular file
// is refused (TargetUncreatable) and left as it is. The copy is not forced to
// disk (a backup copies many files at the speed of cp).
enum class CopyOutcome {
    Copied,
    SourceUnreadable,   // from cannot be opened, or is no regular file
    TargetUncreatable,  // the temporary file cannot be created, or not renamed over to
    CopyFailed,         // reading, writing or closing failed during the copy
};
CopyOutcome CopyFileReplacing(const AnsiString& from, const AnsiString& to);

// Temporary files that a write left behind when its process was killed
// ("<file>.~tmp<pid>-<n>" in dir, as is) are deleted when no process of that number
// runs any more; those of running processes stay.
void RemoveStaleTemporaries(const AnsiString& dir = ".");

// A fault for tests: while set, every write, deletion and folder creation
// whose path the predicate names fails as in a folder that cannot be written
// (permission denied), whoever runs the program. An empty function ends it.
void SetFileChangeFault(std::function<bool(const AnsiString& path)> refuses);

#endif
