#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
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
    struct rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    ExpectCreateErrorNaming(target, std::string(1000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

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

TEST(Files, CopyWholeFileCopiesBytesAndReportsAMissingSource) {
    TempFolder folder;
    TempFolder::Write(folder / "a.Rank", "1\x1e" "Short\x1e" "Long\r\n");
    CopyWholeFile(folder / "a.Rank", folder / "b.Rank");
    EXPECT_EQ(TempFolder::Read(folder / "b.Rank"), "1\x1e" "Short\x1e" "Long\r\n");
    EXPECT_THROW(CopyWholeFile(folder / "none", folder / "c.Rank"), EFOpenError);
    EXPECT_FALSE(FileExists(folder / "c.Rank"));
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
