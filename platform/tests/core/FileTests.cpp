#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/testing/InChild.h"
#include "platform/testing/TinyFileLimit.h"
#include "platform/tests/core/TempFolder.h"

namespace {

// Names in the folder, to see that no temporary file is left behind.
std::vector<std::string> Entries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void ExpectCreateErrorNaming(const std::string& target, const std::string& bytes) {
    try {
        WriteWholeFile(target, bytes);
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot create file \"" + target + "\". ", 0), 0u) << e.Message();
    }
}

}  // namespace

TEST(Files, WriteWholeFileReplacesTheFileAndKeepsItsPermissions) {
    TempFolder folder;
    const std::string target = folder / "Smith.scout";
    WriteWholeFile(target, "first");
    ::chmod(target.c_str(), 0640);
    WriteWholeFile(target, std::string("second\0line", 11));
    EXPECT_EQ(TempFolder::Read(target), std::string("second\0line", 11));
    struct stat info;
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"Smith.scout"}));
}

TEST(Files, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    const std::string target = folder / "Smith.scout";
    TempFolder::Write(target, "old contents\n");

    // The write itself fails part way: the file size limit stops it.
    {
        TinyFileLimit full(4);
        ExpectCreateErrorNaming(target, std::string(1000, 'x'));
    }

    EXPECT_EQ(TempFolder::Read(target), "old contents\n");
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"Smith.scout"}));

    // A folder standing where the file should go.
    std::filesystem::create_directory(folder / "Jones.scout");
    ExpectCreateErrorNaming(folder / "Jones.scout", "data");
    EXPECT_TRUE(DirectoryExists(folder / "Jones.scout"));
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"Jones.scout", "Smith.scout"}));
}

TEST(Files, AReadOnlyFolderRefusesTheWrite) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder folder;
    const std::string target = folder / "Smith.scout";
    TempFolder::Write(target, "old");
    ::chmod(folder.Path().c_str(), 0555);
    ExpectCreateErrorNaming(target, "new");
    ::chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(TempFolder::Read(target), "old");
}

TEST(Files, AFileTheUserMayNotWriteIsRefusedAndRootIsNot) {
    TempFolder folder;
    const std::string target = folder / "Smith.scout";
    TempFolder::Write(target, "old");
    ::chmod(target.c_str(), 0444);
    // The folder lets anyone in, so that only the file's own mode stands in the way.
    ::chmod(folder.Path().c_str(), 0777);
    const bool root = ::geteuid() == 0;
    if (root && InChild(10, [] { return ::setuid(65534) == 0; }) != "")
        GTEST_SKIP() << "root cannot become another user here";
    const std::string outcome = InChild(10, [&] {
        if (root && ::setuid(65534) != 0) return false;  // as "nobody"
        try {
            WriteWholeFile(target, "new");
            return false;
        } catch (const EFCreateError& e) {
            return e.Message() == "Cannot create file \"" + target + "\". Permission denied";
        }
    });
    EXPECT_EQ(outcome, "") << "the write of a read-only file, as a user who is not root";
    EXPECT_EQ(TempFolder::Read(target), "old");
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"Smith.scout"}));
    if (root) {
        WriteWholeFile(target, "new");  // root may write anything, as any program of root's may
        EXPECT_EQ(TempFolder::Read(target), "new");
    }
}

TEST(Files, ALinkIsWrittenThroughAndStaysALink) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "real");
    TempFolder::Write(folder / "real/Smith.scout", "old");
    ::chmod((folder / "real/Smith.scout").c_str(), 0640);
    std::filesystem::create_symlink("real/Smith.scout", folder / "Smith.scout");  // relative to the link's folder
    std::filesystem::create_symlink("Smith.scout", folder / "Jones.scout");        // a link to a link

    WriteWholeFile(folder / "Jones.scout", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "Jones.scout"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "Smith.scout"));
    EXPECT_EQ(TempFolder::Read(folder / "real/Smith.scout"), "new");
    struct stat info;
    ASSERT_EQ(::stat((folder / "real/Smith.scout").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"Jones.scout", "Smith.scout", "real"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "real"), {}), 1) << "no temporary file left";

    std::filesystem::create_symlink("Loop.scout", folder / "Loop.scout");
    ExpectCreateErrorNaming(folder / "Loop.scout", "data");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "Loop.scout"));
}

TEST(Files, AWriteNeverReplacesWhatIsNoRegularFile) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "dir");
    std::filesystem::create_symlink("pipe", folder / "Pipe.nts");
    std::filesystem::create_symlink("Pipe.nts", folder / "Ann.nts");  // a chain that ends at the pipe
    std::filesystem::create_symlink("dir", folder / "Dir.nts");
    ASSERT_EQ(::mkfifo((folder / "Bob.nts").c_str(), 0600), 0);  // a pipe where the file itself goes
    // A device node of our own (what /dev/null is), where the system allows one to be made.
    const bool device = ::mknod((folder / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    if (device) std::filesystem::create_symlink("null", folder / "Null.nts");
    const std::vector<std::string> before = Entries(folder);

    std::vector<std::string> refused = {"Ann.nts", "Pipe.nts", "Dir.nts", "Bob.nts"};
    if (device) refused.push_back("Null.nts");
    for (const std::string& name : refused) {
        ExpectCreateErrorNaming(folder / name, "notes");
        EXPECT_THROW(WriteWholeFileIfChanged(folder / name, "notes"), EFCreateError) << name;
    }
    try {
        WriteWholeFile(folder / "Ann.nts", "notes");
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file \"" + folder / "Ann.nts" + "\". Not a regular file");
    }
    TempFolder::Write(folder / "a.nts", "notes");
    EXPECT_EQ(CopyFileReplacing(folder / "a.nts", folder / "Bob.nts"), CopyOutcome::TargetUncreatable);

    struct stat info;
    for (const char* pipe : {"pipe", "Bob.nts"}) {
        ASSERT_EQ(::lstat((folder / pipe).c_str(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode)) << pipe << " is still a pipe";
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "dir"));
    if (device) {
        ASSERT_EQ(::lstat((folder / "null").c_str(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode)) << "the device is still a device";
    }
    std::vector<std::string> after = before;
    after.push_back("a.nts");
    std::sort(after.begin(), after.end());
    EXPECT_EQ(Entries(folder), after) << "every node as it was, no temporary file left";
}

TEST(Files, ReadsOpenOnlyRegularFilesAndNeverWait) {
    TempFolder folder;
    const std::string pipe = folder / "Smith.scout";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Read in a child: a read that waits for a writer to the pipe would never end.
    const std::string outcome = InChild(10, [&] {
        std::string bytes = "left over";
        WholeFileReader reader;
        bool refused = !ReadWholeFile(pipe, bytes) && bytes.empty() && !reader.Read(pipe) && reader.Bytes().empty();
        try {
            ReadWholeFileOrThrow(pipe);
            return false;
        } catch (const EFOpenError& e) {
            return refused && e.Message() == "Cannot open file \"" + pipe + "\". Not a regular file";
        }
    });
    EXPECT_EQ(outcome, "") << "a pipe is a file that cannot be read";
    WholeFileReader reader;
    EXPECT_FALSE(reader.Read(folder.Path())) << "a folder";
}

TEST(Files, ReadingIntoOneStringGivesEachFileExactly) {
    TempFolder folder;
    const std::string big(70000, 'b');
    WriteWholeFile((folder / "big"), big);
    WriteWholeFile((folder / "small"), "abc");
    WriteWholeFile((folder / "empty"), "");
    std::string bytes = "left over";
    ASSERT_TRUE(ReadWholeFile((folder / "big"), bytes));
    EXPECT_EQ(bytes, big);
    ASSERT_TRUE(ReadWholeFile((folder / "small"), bytes));
    EXPECT_EQ(bytes, "abc");
    ASSERT_TRUE(ReadWholeFile((folder / "empty"), bytes));
    EXPECT_EQ(bytes, "");
    // A file whose size is not known in advance is read to its end.
    if (std::filesystem::exists("/proc/self/status")) {
        ASSERT_TRUE(ReadWholeFile("/proc/self/status", bytes));
        EXPECT_NE(bytes.find("Name:"), std::string::npos);
    }
    EXPECT_FALSE(ReadWholeFile((folder / "missing"), bytes));
    EXPECT_EQ(bytes, "");
}

TEST(Files, CopyWholeFileCopiesBytesAndReportsAMissingSource) {
    TempFolder folder;
    TempFolder::Write(folder / "a.Rank", "1\x1e" "Short\x1e" "Long\r\n");
    CopyWholeFile(folder / "a.Rank", folder / "b.Rank");
    EXPECT_EQ(TempFolder::Read(folder / "b.Rank"), "1\x1e" "Short\x1e" "Long\r\n");
    EXPECT_THROW(CopyWholeFile(folder / "none", folder / "c.Rank"), EFOpenError);
    EXPECT_FALSE(FileExists(folder / "c.Rank"));
}

TEST(Files, CopyFileReplacingCopiesOnlyRegularFilesAndKeepsTheOldCopyOnFailure) {
    TempFolder folder;
    TempFolder::Write(folder / "a.scout", std::string(200000, 'a'));
    TempFolder::Write(folder / "old.scout", "old copy");
    EXPECT_EQ(CopyFileReplacing(folder / "a.scout", folder / "old.scout"), CopyOutcome::Copied);
    EXPECT_EQ(TempFolder::Read(folder / "old.scout"), std::string(200000, 'a')) << "a file larger than one buffer";

    // A pipe is not waited for, a folder is not read.
    ASSERT_EQ(::mkfifo((folder / "pipe.nts").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "dir.scout");
    EXPECT_EQ(CopyFileReplacing(folder / "pipe.nts", folder / "p.copy"), CopyOutcome::SourceUnreadable);
    EXPECT_EQ(CopyFileReplacing(folder / "dir.scout", folder / "d.copy"), CopyOutcome::SourceUnreadable);
    EXPECT_EQ(CopyFileReplacing(folder / "missing", folder / "m.copy"), CopyOutcome::SourceUnreadable);
    EXPECT_EQ(CopyFileReplacing(folder / "a.scout", folder / "dir.scout"), CopyOutcome::TargetUncreatable);
    EXPECT_EQ(CopyFileReplacing(folder / "a.scout", folder / "none/a.scout"), CopyOutcome::TargetUncreatable);
    {
        TinyFileLimit full(4);
        EXPECT_EQ(CopyFileReplacing(folder / "a.scout", folder / "old.scout"), CopyOutcome::CopyFailed);
    }
    EXPECT_EQ(TempFolder::Read(folder / "old.scout"), std::string(200000, 'a'));
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"a.scout", "dir.scout", "old.scout", "pipe.nts"}))
        << "no copy and no temporary file left by the failures";

    // A link standing where the copy goes is replaced; its target is untouched.
    TempFolder::Write(folder / "outside", "outside");
    std::filesystem::create_symlink(folder / "outside", folder / "link.scout");
    EXPECT_EQ(CopyFileReplacing(folder / "a.scout", folder / "link.scout"), CopyOutcome::Copied);
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link.scout"));
    EXPECT_EQ(TempFolder::Read(folder / "outside"), "outside");
}

TEST(Files, WriteWholeFileIfChangedLeavesAFileWithTheSameBytesAlone) {
    TempFolder folder;
    const std::string target = folder / "Smith.scout";
    TempFolder::Write(target, "same\n");
    struct stat before, after;
    ::stat(target.c_str(), &before);
    EXPECT_FALSE(WriteWholeFileIfChanged(target, "same\n"));
    ::stat(target.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino) << "not replaced";

    EXPECT_TRUE(WriteWholeFileIfChanged(target, "same\r\n"));
    EXPECT_EQ(TempFolder::Read(target), "same\r\n");
    EXPECT_TRUE(WriteWholeFileIfChanged(folder / "new.nts", ""));
    EXPECT_TRUE(FileExists(folder / "new.nts")) << "a missing file is written, even empty";
    std::filesystem::create_directory(folder / "dir.scout");
    EXPECT_THROW(WriteWholeFileIfChanged(folder / "dir.scout", ""), EFCreateError);
}

TEST(Files, ListEntriesNamesFilesAndFoldersInAStableOrder) {
    TempFolder folder;
    for (const char* name : {"b.scout", "A.scout", "a.scout"}) TempFolder::Write(folder / name, "");
    std::filesystem::create_directory(folder / "TBKP");
    EXPECT_EQ(ListEntries(folder.Path()), (std::vector<AnsiString>{"A.scout", "a.scout", "b.scout", "TBKP"}));
    EXPECT_TRUE(ListEntries(folder / "missing").empty());
}

TEST(Files, ListFilesMatchesMasksWithoutRegardToCaseInAStableOrder) {
    TempFolder folder;
    for (const char* name : {"b.scout", "A.scout", "a.scout", "Carl.SCOUT", "notes.nts", "x.scout.bak", "scout"})
        TempFolder::Write(folder / name, "");
    std::filesystem::create_directory(folder / "dir.scout");

    EXPECT_EQ(ListFiles("*.scout", folder.Path()),
              (std::vector<AnsiString>{"A.scout", "a.scout", "b.scout", "Carl.SCOUT"}));
    EXPECT_EQ(ListFiles("?.SCOUT", folder.Path()), (std::vector<AnsiString>{"A.scout", "a.scout", "b.scout"}));
    EXPECT_EQ(ListFiles("*.*", folder.Path()).size(), 7u) << "every file, folders excluded";
    EXPECT_TRUE(ListFiles("*", folder / "missing").empty());
    TempFolder::Write(folder / "dir.scout/inner.x", "");
    EXPECT_EQ(ListFiles("dir.scout\\*.X", folder.Path()), (std::vector<AnsiString>{"inner.x"})) << "a mask with a folder";
    EXPECT_FALSE(FileExists(folder / "dir.scout")) << "a folder is not a file";
    EXPECT_TRUE(FileExists(folder.Path() + "\\a.scout")) << "a backslash separates folders";

    EXPECT_TRUE(MatchesMask("Eagle.Rank", "*.rank"));
    EXPECT_TRUE(MatchesMask("abcabd", "*ab?"));
    EXPECT_FALSE(MatchesMask("Eagle.Rankx", "*.Rank"));
    EXPECT_FALSE(MatchesMask("Eagle", "Eagle?"));
}

TEST(Files, TemporariesOfProcessesThatNoLongerRunAreRemoved) {
    TempFolder folder;
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);  // its number runs no process now
    const std::string dead = "Ann.scout.~tmp" + std::to_string(child) + "-0";
    const std::string alive = "Ann.scout.~tmp1-3";  // process 1 always runs
    for (const std::string& name : {dead, alive, std::string("Ann.scout"), std::string("x.~tmpabc-1"), std::string("y.~tmp5")})
        TempFolder::Write(folder / name, "x");
    RemoveStaleTemporaries(folder.Path());
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"Ann.scout", alive, "x.~tmpabc-1", "y.~tmp5"}));
}

TEST(Files, TheChangeFaultRefusesWritesAndDeletionsAsAReadOnlyFolder) {
    TempFolder folder;
    TempFolder::Write(folder / "a.scout", "old");
    SetFileChangeFault([](const AnsiString& path) { return path.find("a.scout") != AnsiString::npos; });
    ExpectCreateErrorNaming(folder / "a.scout", "new");
    EXPECT_FALSE(DeleteFile(folder / "a.scout"));
    EXPECT_EQ(errno, EACCES);
    WriteWholeFile(folder / "b.scout", "other files are written");
    SetFileChangeFault(nullptr);
    EXPECT_EQ(TempFolder::Read(folder / "a.scout"), "old");
    EXPECT_TRUE(DeleteFile(folder / "a.scout"));
}
