// Files of the data folder: existence checks, listing by mask, and whole-file
// reading and writing. Every write goes to a temporary file in the target's
// folder and is renamed over the target, so the old file survives any failure.
#include "platform/core/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"

namespace {

std::function<bool(const AnsiString&)>& ChangeFault() {
    static std::function<bool(const AnsiString&)> fault;
    return fault;
}

// True, with errno set, when the fault for tests refuses a change of path.
bool ChangeRefused(const AnsiString& path) {
    if (!ChangeFault() || !ChangeFault()(path)) return false;
    errno = EACCES;
    return true;
}

bool StatPath(const AnsiString& path, struct stat& info) { return ::stat(NativePath(path).c_str(), &info) == 0; }

// Closes a file descriptor when it goes out of scope.
struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

// errno of a path that opens but names no regular file and no folder (a
// pipe, a device, a socket): what read() gives for an unsuitable object.
constexpr int NotRegularFile = EINVAL;

// Opens a file for reading, a regular file only, with info filled in. The
// open never waits (O_NONBLOCK: a pipe with no writer would block it forever)
// and the check is made on the open descriptor, with no second look-up of the
// path. -1 on failure with errno set: EISDIR for a folder, NotRegularFile for
// anything else that is no regular file.
int OpenRegularFile(const AnsiString& path, struct stat& info) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    const bool known = ::fstat(fd, &info) == 0;
    if (known && S_ISREG(info.st_mode)) return fd;
    const int error = !known ? errno : S_ISDIR(info.st_mode) ? EISDIR : NotRegularFile;
    ::close(fd);
    errno = error;
    return -1;
}

// Reads a whole file into bytes, whose storage is reused; on failure returns
// false with errno set and bytes empty.
bool ReadNative(const AnsiString& path, std::string& bytes) {
    bytes.clear();
    struct stat info;
    int fd = OpenRegularFile(path, info);
    if (fd < 0) return false;
    FdCloser closer{fd};
    // The size known beforehand is only a first guess: the file may grow or
    // shrink while it is read.
    size_t room = static_cast<size_t>(info.st_size) + 1;
    size_t size = 0;
    for (;;) {
        if (bytes.size() < size + 1) bytes.resize(std::max(room, 2 * bytes.size()));
        ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            bytes.clear();
            errno = error;
            return false;
        }
        if (n == 0) break;
        size += static_cast<size_t>(n);
    }
    bytes.resize(size);
    return true;
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Creates a new, unique temporary file beside target ("name.~tmp<pid>-<n>").
int CreateTemporaryBeside(const AnsiString& target, AnsiString& tempName) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = target + ".~tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void SyncFolderOf(const AnsiString& path) {
    size_t slash = path.rfind('/');
    AnsiString folder = slash == AnsiString::npos ? AnsiString(".") : (slash == 0 ? AnsiString("/") : path.substr(0, slash));
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the rename is already done
        ::close(fd);
    }
}

// Where replacing a file through a temporary one failed; errno tells why.
enum class ReplaceStage { None, Create, Fill, Rename };

// Creates a new temporary file beside target, lets fill write it, closes it
// and renames it over target. On a failure the temporary file is removed,
// target is left as it was and errno holds the reason. The rename replaces
// a link named target; it never writes through it. Anything else that is no
// regular file is refused before any temporary file is made: a rename would
// put a regular file in place of a pipe, a device or a socket (EISDIR for a
// folder, NotRegularFile for the rest).
template <typename Fill>
ReplaceStage ReplaceThroughTemporary(const AnsiString& target, Fill&& fill) {
    if (ChangeRefused(target)) return ReplaceStage::Create;
    struct stat present;
    if (::lstat(target.c_str(), &present) == 0 && !S_ISREG(present.st_mode) && !S_ISLNK(present.st_mode)) {
        errno = S_ISDIR(present.st_mode) ? EISDIR : NotRegularFile;
        return ReplaceStage::Create;
    }
    AnsiString tempName;
    int fd = CreateTemporaryBeside(target, tempName);
    if (fd < 0) return ReplaceStage::Create;
    ReplaceStage failed = fill(fd) ? ReplaceStage::None : ReplaceStage::Fill;
    int error = errno;
    if (::close(fd) != 0 && failed == ReplaceStage::None) {
        failed = ReplaceStage::Fill;
        error = errno;
    }
    if (failed == ReplaceStage::None && ::rename(tempName.c_str(), target.c_str()) != 0) {
        failed = ReplaceStage::Rename;
        error = errno;
    }
    if (failed != ReplaceStage::None) {
        ::unlink(tempName.c_str());
        errno = error;
    }
    return failed;
}

// Copies everything readable from one descriptor to the other: in the
// kernel where it can, through a buffer where it cannot.
bool CopyBytes(int from, int to) {
    for (;;) {
        ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, size_t(1) << 30, 0);
        if (n == 0) return true;
        if (n > 0) continue;
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return false;
        break;
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        if (!WriteAll(to, std::string_view(buffer, static_cast<size_t>(n)))) return false;
    }
}

// The file that a write of path lands in: the end of a chain of links, so
// that a link stays a link and the file it names gets the new content; path
// itself when it is no link. "" for a chain too long to be followed (a loop).
AnsiString LinkedFile(const AnsiString& path) {
    AnsiString file = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(file, error);
        if (error) return file;  // no link (or nothing there): written where it is
        // A relative link is relative to the folder of the link itself.
        file = next.is_absolute() ? next.string() : (std::filesystem::path(file).parent_path() / next).string();
    }
    return AnsiString();
}

[[noreturn]] void ThrowCreateError(const AnsiString& fileName, int error) {
    throw EFCreateError("Cannot create file \"" + fileName + "\". " +
                        (error == NotRegularFile ? "Not a regular file" : std::strerror(error)));
}

// Wildcard matching ("*" spans any run, "?" one character) with one
// backtrack point for the last "*".
bool MatchWildcards(const AnsiString& name, const AnsiString& mask) {
    size_t n = 0, m = 0;
    size_t starMask = AnsiString::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || UpperCaseChar(mask[m]) == UpperCaseChar(name[n]))) {
            ++m;
            ++n;
        } else if (starMask != AnsiString::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

}  // namespace

AnsiString NativePath(const AnsiString& path) {
    AnsiString result = path;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

bool FileExists(const AnsiString& fileName) {
    struct stat info;
    return StatPath(fileName, info) && S_ISREG(info.st_mode);
}

bool EntryExists(const AnsiString& path) {
    struct stat info;
    return StatPath(path, info) || errno != ENOENT;
}

bool DeleteFile(const AnsiString& fileName) {
    const AnsiString path = NativePath(fileName);
    return !ChangeRefused(path) && ::unlink(path.c_str()) == 0;
}

bool DirectoryExists(const AnsiString& dir) { return DirectoryExistsAsIs(NativePath(dir)); }

bool CreateDir(const AnsiString& dir) { return CreateDirAsIs(NativePath(dir)); }

bool DirectoryExistsAsIs(const AnsiString& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateDirAsIs(const AnsiString& path) { return !ChangeRefused(path) && ::mkdir(path.c_str(), 0777) == 0; }

AnsiString GetCurrentDir() {
    std::string buffer(4096, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return AnsiString();
        buffer.resize(buffer.size() * 2);
    }
    return AnsiString(buffer.c_str());
}

AnsiString ProgramFolder() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? AnsiString() : self.parent_path().string();
}

bool SetCurrentDir(const AnsiString& dir) { return ::chdir(NativePath(dir).c_str()) == 0; }

bool MatchesMask(const AnsiString& name, const AnsiString& mask) {
    // "*.*" means every file, names without an extension included.
    if (mask == "*.*") return true;
    return MatchWildcards(name, mask);
}

namespace {

// Sorts names case-insensitively, names equal but for case in code order.
void SortNames(std::vector<AnsiString>& names) {
    std::sort(names.begin(), names.end(), [](const AnsiString& a, const AnsiString& b) {
        int order = CompareText(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

}  // namespace

std::vector<AnsiString> ListFiles(const AnsiString& mask, const AnsiString& dir) {
    // A mask may carry a folder part of its own ("Trailbook\*.txt").
    AnsiString folder = NativePath(dir);
    AnsiString namePattern = NativePath(mask);
    size_t slash = namePattern.rfind('/');
    if (slash != AnsiString::npos) {
        AnsiString maskFolder = namePattern.substr(0, slash);
        folder = (!maskFolder.empty() && maskFolder[0] == '/') ? maskFolder : folder + "/" + maskFolder;
        namePattern = namePattern.substr(slash + 1);
    }

    std::vector<AnsiString> names;
    DIR* handle = ::opendir(folder.c_str());
    if (!handle) return names;
    while (const dirent* entry = ::readdir(handle)) {
        AnsiString name = entry->d_name;
        if (!MatchesMask(name, namePattern)) continue;
        // The folder's own record says what most entries are; links and
        // entries of unknown kind are asked about.
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat info;
            regular = ::stat((folder + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
        }
        if (regular) names.push_back(name);
    }
    ::closedir(handle);
    SortNames(names);
    return names;
}

bool ListEntries(const AnsiString& dir, std::vector<AnsiString>& names) {
    names.clear();
    DIR* handle = ::opendir(dir.c_str());
    if (!handle) return false;
    // readdir gives no entry at the end and on an error alike; errno tells them apart.
    errno = 0;
    while (const dirent* entry = ::readdir(handle)) {
        AnsiString name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    const bool complete = errno == 0;
    ::closedir(handle);
    if (!complete) names.clear();
    SortNames(names);
    return complete;
}

std::vector<AnsiString> ListEntries(const AnsiString& dir) {
    std::vector<AnsiString> names;
    ListEntries(dir, names);
    return names;
}

bool ReadWholeFile(const AnsiString& fileName, std::string& bytes) { return ReadNative(NativePath(fileName), bytes); }

std::string ReadWholeFileOrThrow(const AnsiString& fileName) {
    std::string bytes;
    if (!ReadNative(NativePath(fileName), bytes)) {
        const int error = errno;
        throw EFOpenError("Cannot open file \"" + fileName + "\". " +
                          (error == NotRegularFile ? "Not a regular file" : std::strerror(error)));
    }
    return bytes;
}

void WriteWholeFile(const AnsiString& fileName, const std::string& bytes) {
    const AnsiString target = LinkedFile(NativePath(fileName));
    if (target.empty()) ThrowCreateError(fileName, ELOOP);
    // A file that the user may not write is not replaced behind its back
    // (whoever may write anything, root, is not refused).
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        ThrowCreateError(fileName, errno);
    // Keep the permissions of a file that is being replaced.
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    auto fill = [&](int fd) {
        return (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    };
    ReplaceStage failed = ReplaceThroughTemporary(target, fill);
    if (failed != ReplaceStage::None) ThrowCreateError(fileName, errno);
    SyncFolderOf(target);
}

bool WholeFileReader::Read(const AnsiString& fileName) {
    size_ = 0;
    struct stat info;
    int fd = OpenRegularFile(NativePath(fileName), info);
    if (fd < 0) return false;
    FdCloser closer{fd};
    for (;;) {
        if (size_ == capacity_) {
            // Grown by doubling; what was read so far moves along.
            size_t grown = std::max<size_t>(65536, 2 * capacity_);
            std::unique_ptr<char[]> larger(new char[grown]);
            if (size_ > 0) std::memcpy(larger.get(), buffer_.get(), size_);
            buffer_ = std::move(larger);
            capacity_ = grown;
        }
        ssize_t n = ::read(fd, buffer_.get() + size_, capacity_ - size_);
        if (n < 0) {
            if (errno == EINTR) continue;
            size_ = 0;
            return false;
        }
        if (n == 0) return true;
        size_ += static_cast<size_t>(n);
        // The size that the open told is read: the read that would only find
        // the end is spared. (A file of told size 0, as in /proc, is read to
        // its end; one that grows meanwhile is read as it was when opened.)
        if (info.st_size > 0 && size_ == static_cast<size_t>(info.st_size)) return true;
    }
}

bool WriteWholeFileIfChanged(const AnsiString& fileName, const std::string& bytes) {
    struct stat present;
    const AnsiString target = NativePath(fileName);
    if (::stat(target.c_str(), &present) == 0 && S_ISREG(present.st_mode) &&
        static_cast<size_t>(present.st_size) == bytes.size()) {
        std::string old;
        if (ReadNative(target, old) && old == bytes) return false;
    }
    WriteWholeFile(fileName, bytes);
    return true;
}

void CopyWholeFile(const AnsiString& from, const AnsiString& to) { WriteWholeFile(to, ReadWholeFileOrThrow(from)); }

CopyOutcome CopyFileReplacing(const AnsiString& from, const AnsiString& to) {
    struct stat info;
    int source = OpenRegularFile(from, info);
    if (source < 0) return CopyOutcome::SourceUnreadable;
    FdCloser closer{source};
    switch (ReplaceThroughTemporary(to, [&](int fd) { return CopyBytes(source, fd); })) {
        case ReplaceStage::None: return CopyOutcome::Copied;
        case ReplaceStage::Fill: return CopyOutcome::CopyFailed;
        default: return CopyOutcome::TargetUncreatable;
    }
}

void RemoveStaleTemporaries(const AnsiString& dir) {
    const AnsiString marker = ".~tmp";
    for (const AnsiString& name : ListEntries(dir)) {
        if (name.find(marker) == AnsiString::npos) continue;
        // The digits after the last marker, up to a "-" and more digits, are the writer's process.
        size_t digits = name.rfind(marker) + marker.size();
        size_t dash = name.find('-', digits);
        if (dash == AnsiString::npos || dash == digits || dash - digits > 9 || dash + 1 == name.size()) continue;
        if (name.find_first_not_of("0123456789", digits) != dash) continue;
        if (name.find_first_not_of("0123456789", dash + 1) != AnsiString::npos) continue;
        const pid_t pid = static_cast<pid_t>(std::stol(name.substr(digits, dash - digits)));
        // A process of that number that runs (or that may not be asked) may be writing it still.
        if (pid <= 0 || (pid != ::getpid() && (::kill(pid, 0) == 0 || errno != ESRCH))) continue;
        ::unlink((dir + "/" + name).c_str());
    }
}

void SetFileChangeFault(std::function<bool(const AnsiString& path)> refuses) { ChangeFault() = std::move(refuses); }
