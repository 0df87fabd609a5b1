// Tools > General Notes and Notepad, and File > Backup into TBKP.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/testing/InChild.h"
#include "platform/testing/TinyFileLimit.h"
#include "records/tests/WindowFixture.h"

namespace fs = std::filesystem;

class GeneralNotes : public WindowFixture {};

TEST_F(GeneralNotes, AMissingFileIsCreatedAndOpenedInTheEditor) {
    f->GeneralNotes1Click(nullptr);
    EXPECT_EQ(ReadFile("GeneralNotes.txt"), "General Notes") << "exactly these 13 characters, no line end";
    ASSERT_EQ(desktop().ShellCalls.size(), 1u);
    EXPECT_EQ(desktop().ShellCalls[0], (std::pair<AnsiString, AnsiString>{"Notepad.exe", "GeneralNotes.txt"}));
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(GeneralNotes, AnExistingFileIsNeverChanged) {
    WriteFile("GeneralNotes.txt", "Troop 214\r\nCourt of honor in June\r\n");
    f->GeneralNotes1Click(nullptr);
    f->Notepad1Click(nullptr);
    EXPECT_EQ(ReadFile("GeneralNotes.txt"), "Troop 214\r\nCourt of honor in June\r\n");
    EXPECT_EQ(desktop().ShellCalls, (std::vector<std::pair<AnsiString, AnsiString>>{
                                        {"Notepad.exe", "GeneralNotes.txt"}, {"Notepad.exe", ""}}));
}

TEST_F(GeneralNotes, NotepadStartsWithNoFileAndStillCreatesTheNotes) {
    f->Notepad1Click(nullptr);
    EXPECT_EQ(ReadFile("GeneralNotes.txt"), "General Notes");
    EXPECT_EQ(desktop().ShellCalls, (std::vector<std::pair<AnsiString, AnsiString>>{{"Notepad.exe", ""}}));
}

TEST_F(GeneralNotes, NoEditorIsReportedAfterTheFileIsCreated) {
    desktop().ShellSucceeds = false;
    f->GeneralNotes1Click(nullptr);
    f->Notepad1Click(nullptr);
    EXPECT_EQ(ReadFile("GeneralNotes.txt"), "General Notes");
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Could not run Notepad!", "Could not run Notepad!"}));
}

TEST_F(GeneralNotes, ANotesFileThatCannotBeCreatedIsReported) {
    fs::create_directory("GeneralNotes.txt");  // a folder stands in its place
    f->GeneralNotes1Click(nullptr);
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0].rfind("Could not create GeneralNotes.txt", 0), 0u) << desktop().Messages[0];
    EXPECT_TRUE(desktop().ShellCalls.empty()) << "there is no file to open";

    f->Notepad1Click(nullptr);
    EXPECT_EQ(desktop().ShellCalls, (std::vector<std::pair<AnsiString, AnsiString>>{{"Notepad.exe", ""}}))
        << "the editor needs no file";
    EXPECT_TRUE(fs::is_directory("GeneralNotes.txt"));
}

class Backup : public WindowFixture {
protected:
    void TearDown() override {
        if (immutable_) SetImmutable(InBackup(""), false);
        WindowFixture::TearDown();
    }

    AnsiString Data() const { return folder(); }
    AnsiString InBackup(const AnsiString& name) const { return folder() + "/TBKP" + (name.empty() ? "" : "/" + name); }
    // Names in a folder, byte order.
    static std::vector<AnsiString> Names(const AnsiString& dir) {
        std::vector<AnsiString> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The folder becomes unwritable, for root too (through the immutable
    // flag); false when this machine cannot make it so.
    bool MakeUnwritable(const AnsiString& dir) {
        ::chmod(dir.c_str(), 0555);
        if (::geteuid() == 0) immutable_ = SetImmutable(dir, true);
        const AnsiString probe = dir + "/probe";
        int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) return true;
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }
    static bool SetImmutable(const AnsiString& dir, bool on) {
        int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        ::chmod(dir.c_str(), 0755);
        if (on) ::chmod(dir.c_str(), 0555);
        return ok;
    }

    bool immutable_ = false;
};

TEST_F(Backup, CopiesTheDataFilesOfAMixedFolderKeepingTheirNames) {
    for (const char* name : {"Eagle.Rank", "camping.mb", "Joe.scout", "Joe.nts", "Joe.jpg", "Counselors.txt",
                             "notes.txt", ".NTS", "GeneralNotes.txt.bak", "GENERALNOTES.TXT", "Hike.OTHER",
                             "Joe.scout.bak", "readme"})
        WriteFile(name, std::string("bytes of ") + name + "\r\n\x1e\n");
    f->Backup1Click(nullptr);

    EXPECT_EQ(Names(InBackup("")), (std::vector<AnsiString>{".NTS", "Counselors.txt", "Eagle.Rank", "GENERALNOTES.TXT",
                                                          "Hike.OTHER", "Joe.nts", "Joe.scout", "camping.mb"}));
    for (const AnsiString& name : Names(InBackup(""))) EXPECT_EQ(ReadFile("TBKP/" + name), ReadFile(name)) << name;
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Backed Up!"}));
}

TEST_F(Backup, ASecondRunReplacesEachCopyAndKeepsCopiesOfRemovedFiles) {
    WriteFile("Joe.scout", "first");
    WriteFile("Ann.scout", "Ann");
    f->Backup1Click(nullptr);
    WriteFile("Joe.scout", "second, longer than the first");
    ASSERT_TRUE(DeleteFile("Ann.scout"));
    f->Backup1Click(nullptr);

    EXPECT_EQ(ReadFile("TBKP/Joe.scout"), "second, longer than the first");
    EXPECT_EQ(ReadFile("TBKP/Ann.scout"), "Ann");
    EXPECT_EQ(Names(InBackup("")), (std::vector<AnsiString>{"Ann.scout", "Joe.scout"})) << "no temporary file left";
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Backed Up!", "Backed Up!"}));
}

TEST_F(Backup, AFolderWithNothingToCopyStillGetsItsBackupFolder) {
    WriteFile("Joe.jpg", "picture");
    f->Backup1Click(nullptr);
    EXPECT_TRUE(fs::is_directory(InBackup("")));
    EXPECT_TRUE(Names(InBackup("")).empty());
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Backed Up!"}));
}

TEST_F(Backup, AMatchingFolderIsReportedAndTheOthersAreCopied) {
    fs::create_directory("Trip.scout");
    WriteFile("Joe.scout", "Joe");
    f->Backup1Click(nullptr);

    EXPECT_EQ(desktop().Messages,
              (std::vector<AnsiString>{"Unable to create " + Data() + "/Trip.scout!",
                                       Data() + "/Trip.scout didn't copy to " + InBackup("Trip.scout") + "!",
                                       "1 file did not copy to " + InBackup("") + "!"}));
    EXPECT_EQ(Names(InBackup("")), (std::vector<AnsiString>{"Joe.scout"}));
}

TEST_F(Backup, ALinkInTheBackupFolderIsReplacedNeverFollowed) {
    WriteFile("outside.txt", "must stay");
    WriteFile("Joe.scout", "Joe");
    fs::create_directory("TBKP");
    fs::create_symlink(Data() + "/outside.txt", InBackup("Joe.scout"));
    fs::create_symlink(Data() + "/nowhere", InBackup("Ann.nts"));
    WriteFile("Ann.nts", "notes");
    f->Backup1Click(nullptr);

    EXPECT_EQ(ReadFile("outside.txt"), "must stay");
    EXPECT_FALSE(fs::exists(Data() + "/nowhere"));
    for (const char* name : {"Joe.scout", "Ann.nts"}) {
        EXPECT_FALSE(fs::is_symlink(InBackup(name))) << name;
        EXPECT_EQ(ReadFile(InBackup(name)), ReadFile(name)) << name;
    }
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Backed Up!"}));
}

TEST_F(Backup, ADataFolderThatCannotBeListedIsReportedNeverBackedUp) {
    WriteFile("Joe.scout", "Joe");
    f->CopyDataFilesToBackup(Data() + "/gone");
    EXPECT_EQ(desktop().Messages,
              (std::vector<AnsiString>{"Cannot back up: the data folder " + Data() + "/gone cannot be read!"}));

    // The data folder is deleted while the program runs: it has no path any
    // more, and no backup folder is made at the root of the file system.
    const bool rootHadOne = fs::exists("/TBKP");
    fs::create_directory("deleted");
    ASSERT_EQ(::chdir("deleted"), 0);
    fs::remove(Data() + "/deleted");
    f->Backup1Click(nullptr);
    ASSERT_EQ(::chdir(Data().c_str()), 0);
    if (!rootHadOne && fs::exists("/TBKP")) {
        fs::remove("/TBKP");
        ADD_FAILURE() << "a backup folder was made at the root";
    }
    EXPECT_EQ(desktop().Messages.back(), "Cannot back up: the data folder cannot be found!");
    EXPECT_EQ(desktop().Messages.size(), 2u);
}

TEST_F(Backup, ADataFolderThatCanBeWrittenButNotListedGetsNoBackupFolder) {
    const AnsiString troop = Data() + "/troop";
    fs::create_directory(troop);
    WriteFile("troop/Joe.scout", "Joe");
    // Root lists any folder: the backup runs as "nobody", whose folder it is.
    const bool root = ::geteuid() == 0;
    if (root && InChild(10, [] { return ::setuid(65534) == 0; }) != "")
        GTEST_SKIP() << "root cannot become another user here";
    if (root) {
        ASSERT_EQ(::chown(troop.c_str(), 65534, 65534), 0);
        ::chmod(Data().c_str(), 0711);
    }
    ::chmod(troop.c_str(), 0300);  // entered and written, never listed
    const std::string outcome = InChild(10, [&] {
        if ((root && ::setuid(65534) != 0) || ::chdir(troop.c_str()) != 0) return false;
        f->Backup1Click(nullptr);
        return desktop().Messages ==
               std::vector<AnsiString>{"Cannot back up: the data folder " + troop + " cannot be read!"};
    });
    ::chmod(troop.c_str(), 0700);
    EXPECT_EQ(outcome, "");
    EXPECT_EQ(Names(troop), (std::vector<AnsiString>{"Joe.scout"})) << "no backup folder made";
}

TEST_F(Backup, ABackslashInTheDataFolderNameIsPartOfTheName) {
    const AnsiString troop = Data() + "/my\\troop";
    fs::create_directory(troop);
    ASSERT_EQ(::chdir(troop.c_str()), 0);
    WriteFile("Joe.scout", "Joe");
    f->Backup1Click(nullptr);
    ASSERT_EQ(::chdir(Data().c_str()), 0);

    EXPECT_EQ(ReadFile(troop + "/TBKP/Joe.scout"), "Joe");
    EXPECT_FALSE(fs::exists(Data() + "/my"));
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Backed Up!"}));
}

TEST_F(Backup, TemporariesOfAKilledBackupAreRemovedWhenTheNextStarts) {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);  // the killed backup's process number runs nothing now
    fs::create_directory("TBKP");
    WriteFile("TBKP/Joe.scout.~tmp" + std::to_string(child) + "-0", "half a copy");
    WriteFile("Joe.scout", "Joe");
    f->Backup1Click(nullptr);
    EXPECT_EQ(Names(InBackup("")), (std::vector<AnsiString>{"Joe.scout"}));
}

TEST_F(Backup, ABackupFolderThatCannotBeCreatedStopsBeforeAnyCopy) {
    WriteFile("TBKP", "a file in the folder's place");
    WriteFile("Joe.scout", "Joe");
    f->Backup1Click(nullptr);
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Cannot create backup directory " + InBackup("")}));
    EXPECT_EQ(ReadFile("TBKP"), "a file in the folder's place");
}

TEST_F(Backup, FailedCopiesLeaveTheOldCopiesAndSayHowManyFailed) {
    WriteFile("Joe.scout", "old Joe");
    WriteFile("Ann.scout", "old Ann");
    WriteFile("Eli.nts", "e");
    f->Backup1Click(nullptr);
    WriteFile("Joe.scout", "Joe's record, now too long for the disk");
    WriteFile("Ann.scout", "Ann's record, now too long for the disk");
    {
        TinyFileLimit full;  // the disk fills up during the copies
        f->Backup1Click(nullptr);
    }

    EXPECT_EQ(ReadFile("TBKP/Joe.scout"), "old Joe");
    EXPECT_EQ(ReadFile("TBKP/Ann.scout"), "old Ann");
    EXPECT_EQ(Names(InBackup("")), (std::vector<AnsiString>{"Ann.scout", "Eli.nts", "Joe.scout"}))
        << "no temporary file left";
    EXPECT_EQ(desktop().Messages,
              (std::vector<AnsiString>{"Backed Up!", "Unable to copy old file to " + Data() + "/Ann.scout!",
                                       Data() + "/Ann.scout didn't copy to " + InBackup("Ann.scout") + "!",
                                       "Unable to copy old file to " + Data() + "/Joe.scout!",
                                       Data() + "/Joe.scout didn't copy to " + InBackup("Joe.scout") + "!",
                                       "2 files did not copy to " + InBackup("") + "!"}));
}

TEST_F(Backup, AnUnwritableBackupFolderKeepsItsOldCopies) {
    WriteFile("Joe.scout", "old Joe");
    f->Backup1Click(nullptr);
    WriteFile("Joe.scout", "new Joe");
    if (!MakeUnwritable(InBackup(""))) GTEST_SKIP() << "cannot make a folder unwritable here";
    f->Backup1Click(nullptr);

    EXPECT_EQ(ReadFile("TBKP/Joe.scout"), "old Joe");
    EXPECT_EQ(Names(InBackup("")), (std::vector<AnsiString>{"Joe.scout"}));
    EXPECT_EQ(desktop().Messages.back(), "1 file did not copy to " + InBackup("") + "!");
    EXPECT_EQ(desktop().Messages.at(1), "Unable to create " + Data() + "/Joe.scout!");
}

TEST_F(Backup, ASecondBackupChosenWhileOneRunsIsIgnored) {
    WriteFile("Joe.scout", "Joe");
    WriteFile("Ann.scout", "Ann");
    int nested = 0;
    desktop().WhileProcessingMessages = [&] {
        if (nested++ == 0) f->Backup1Click(nullptr);  // the user picks Backup again meanwhile
    };
    f->Backup1Click(nullptr);
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Backed Up!"}));

    desktop().WhileProcessingMessages = nullptr;
    f->Backup1Click(nullptr);
    EXPECT_EQ(desktop().Messages.size(), 2u) << "the next backup runs again";
}

TEST_F(Backup, LeavesTheLoadedScoutAlone) {
    WriteScoutWith("Joe", {"<Patrol>Foxes</Patrol>"});
    Load("Joe");
    f->editPatrol->SetText("Owls");
    f->Backup1Click(nullptr);
    EXPECT_EQ(f->CurrentScout, "Joe");
    EXPECT_EQ(f->editPatrol->Text(), "Owls");
    EXPECT_EQ(ReadFile("TBKP/Joe.scout"), ReadFile("Joe.scout")) << "what is on disk is copied";
    EXPECT_EQ(ReadFile("TBKP/Joe.scout").find("Owls"), std::string::npos);
}
