// A folder that cannot be written never traps the user and never costs a
// record: quitting asks and can always be chosen, and a scout whose files
// cannot be deleted stays loaded. The folder refuses changes through the
// file layer's fault, as a read-only folder does for a user who is not root.
#include "records/tests/WindowFixture.h"

namespace {
// While it lives, every change of a file whose path holds part fails with
// "Permission denied".
class RefusedChanges {
public:
    explicit RefusedChanges(const AnsiString& part = "") {
        SetFileChangeFault([part](const AnsiString& path) { return path.find(part) != AnsiString::npos; });
    }
    ~RefusedChanges() { SetFileChangeFault(nullptr); }
};
}  // namespace

class ReadOnlyFolder : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        WriteScoutWith("Ann", {"<Updated>x</Updated>", "<City>Old</City>"});
        WriteFile("Ann.nts", "note\r\n");
        f->RefreshScoutList(0);
        Load("Ann");
        f->editCity->SetText("New");
        scout = ReadFile("Ann.scout");
    }
    std::string scout;
};

TEST_F(ReadOnlyFolder, ExitAsksAndNoKeepsTheWindowWhileYesClosesLeavingTheFiles) {
    RefusedChanges readOnly;
    desktop().QueueYesNo(false);
    UserInput::ClickMenu(f->exit1);
    EXPECT_EQ(desktop().Messages.back().rfind("Could not save Ann.scout: ", 0), 0u) << desktop().Messages.back();
    EXPECT_NE(desktop().Messages.back().find("Permission denied"), AnsiString::npos);
    EXPECT_EQ(desktop().Questions, (std::vector<AnsiString>{"Could not save Ann.scout. Close without saving?"}));
    EXPECT_TRUE(f->RowsBuilt);  // still open, the scout and its edit loaded
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editCity->Text(), "New");

    desktop().QueueYesNo(true);
    UserInput::ClickMenu(f->exit1);
    EXPECT_EQ(desktop().Questions.size(), 2u);
    EXPECT_FALSE(f->RowsBuilt);  // closed
    EXPECT_EQ(ReadFile("Ann.scout"), scout);
    EXPECT_EQ(ReadFile("Ann.nts"), "note\r\n");
    EXPECT_EQ(ListFiles("*~tmp*").size(), 0u);
}

TEST_F(ReadOnlyFolder, TheQuestionNamesTheNotesWhenOnlyTheyCannotBeWritten) {
    f->memoNotes->Lines()->Add("a second note");
    {
        RefusedChanges notes(".nts");
        desktop().QueueYesNo(false);
        f->Close();
    }
    ASSERT_EQ(desktop().Questions.size(), 1u);
    EXPECT_EQ(desktop().Questions[0], "Could not save Ann.nts. Close without saving?");
    EXPECT_TRUE(f->RowsBuilt);
    f->Close();  // writable again: saved and closed without a question
    EXPECT_FALSE(f->RowsBuilt);
    EXPECT_EQ(desktop().Questions.size(), 1u);
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <City>New</City>"));
}

TEST_F(ReadOnlyFolder, AScoutWhoseFilesCannotBeDeletedIsNamedAndStaysLoaded) {
    {
        RefusedChanges readOnly;
        desktop().QueueInput("Y");
        f->DeleteCurrent1Click(nullptr);
    }
    EXPECT_EQ(desktop().Messages.back(), "Could not delete Ann.scout: Permission denied");
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editCity->Text(), "New");
    EXPECT_EQ(ReadFile("Ann.scout"), scout);
    EXPECT_TRUE(FileExists("Ann.nts"));
    EXPECT_EQ(Items(f->cboSCTs->Items()), (std::vector<AnsiString>{"Ann"}));

    // A picture that cannot be deleted is named; the scout's record is gone.
    WriteFile("Ann.jpg", "picture");
    {
        RefusedChanges picture(".jpg");
        desktop().QueueInput("Y");
        desktop().QueueInput("Y");
        f->DeleteCurrent1Click(nullptr);
    }
    EXPECT_EQ(desktop().Messages.back(), "Could not delete Ann.jpg: Permission denied");
    EXPECT_FALSE(FileExists("Ann.scout"));
    EXPECT_TRUE(FileExists("Ann.jpg"));
    EXPECT_EQ(f->CurrentScout, "");
}
