// Saving the loaded scout, emptying the window, closing, File > Save and Undo.
#include <signal.h>
#include <sys/resource.h>

#include "records/tests/WindowFixture.h"

namespace {
// While it lives, no file can grow beyond a few bytes: every write of a
// longer file fails as on a full disk.
class TinyFileLimit {
public:
    TinyFileLimit() {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = old_;
        tiny.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~TinyFileLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, previous_);
    }

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};
}  // namespace

class Saving : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        WriteScout("Ann", {"<Scout>", "   <Updated>01/01/2025</Updated>", "   <Patrol>Eagles</Patrol>", "</Scout>",
                           "<Pos>", "SPL start\t--Current--\tSPL", "</Pos>", "<Camps>", "</Camps>"});
        WriteFile("Ann.nts", "note\r\n");
        Load("Ann");
    }
};

TEST_F(Saving, FileSaveWritesTheScoutInItsFormatAndKeepsItLoaded) {
    f->editTroop->SetText("77");
    f->memoNotes->Lines()->Add("second");
    f->Save1Click(nullptr);
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editTroop->Text(), "77");
    EXPECT_EQ(FileLines("Ann.scout"),
              (std::vector<AnsiString>{"01/01/2025", "<Camps>", "</Camps>", "<Pos>", "SPL start\t--Current--\tSPL", "</Pos>",
                                       "<Scout>", "   <Updated>" + Today() + "</Updated>", "   <Guardian></Guardian>",
                                       "   <Patrol>Eagles</Patrol>", "   <Troop>77</Troop>", "   <Nickname></Nickname>",
                                       "   <Address></Address>", "   <City></City>", "   <State></State>", "   <Zip></Zip>",
                                       "   <Phone></Phone>", "   <Birthdate></Birthdate>", "   <Meddate></Meddate>",
                                       "   <Medform>0</Medform>", "   <Email></Email>", "</Scout>"}));
    EXPECT_EQ(ReadFile("Ann.scout").find('\r'), std::string::npos);
    EXPECT_EQ(ReadFile("Ann.nts"), "note\r\nsecond\r\n");
}

TEST_F(Saving, TheShownListIsStoredUnderItsOwnSection) {
    UserInput::CheckRadio(f->rbCamps);
    f->datePosStart->SetText("06/01/2025");
    f->editPos->SetText("Summer camp");
    f->Button5Click(nullptr);
    f->Save1Click(nullptr);
    auto lines = FileLines("Ann.scout");
    EXPECT_EQ(IndexOf(lines, "<Camps>") + 1, IndexOf(lines, "06/01/2025\t--Current--\tSummer camp"));
    UserInput::CheckRadio(f->rbService);
    f->editPos->SetText("Food drive");
    f->Button5Click(nullptr);
    f->Save1Click(nullptr);
    lines = FileLines("Ann.scout");
    EXPECT_EQ(IndexOf(lines, "<Serv>") + 1, IndexOf(lines, "\t--Current--\tFood drive"));
    EXPECT_TRUE(Contains(lines, "06/01/2025\t--Current--\tSummer camp"));
}

TEST_F(Saving, NoScoutLoadedWritesNothing) {
    f->ClearScoutForm();
    DeleteFile("Ann.scout");
    DeleteFile("Ann.nts");
    f->Save1Click(nullptr);
    f->SaveCurrentScout();
    EXPECT_FALSE(FileExists("Ann.scout"));
    EXPECT_FALSE(FileExists(".scout"));
    EXPECT_FALSE(FileExists(".nts"));
}

TEST_F(Saving, ClosingWritesTheLoadedScoutAndFreesTheRows) {
    f->editCity->SetText("Springfield");
    f->Close();
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <City>Springfield</City>"));
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_FALSE(f->RowsBuilt);
    for (int row = 0; row < SheetRows; ++row) {
        EXPECT_EQ(f->RowPanel[row], nullptr);
        EXPECT_EQ(f->RowDateEdit[row], nullptr);
    }
}

TEST_F(Saving, AFailedWriteIsReportedKeepsTheOldFileAndTheScout) {
    const std::string before = ReadFile("Ann.scout");
    f->editCity->SetText("Springfield");
    {
        TinyFileLimit full;
        f->SaveCurrentScout();
    }
    ASSERT_FALSE(desktop().Messages.empty());
    EXPECT_EQ(desktop().Messages.back().rfind("Could not save Ann.scout: ", 0), 0u) << desktop().Messages.back();
    EXPECT_EQ(ReadFile("Ann.scout"), before);
    EXPECT_EQ(ReadFile("Ann.nts"), "note\r\n");
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editCity->Text(), "Springfield");

    // Leaving the scout for another command does not drop it either.
    {
        TinyFileLimit full;
        f->All1Click(nullptr);
        f->Close();
    }
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_TRUE(f->RowsBuilt);
    f->Close();
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <City>Springfield</City>"));
}

TEST_F(Saving, UndoDropsUnsavedEdits) {
    f->editPatrol->SetText("Hawks");
    f->Button8Click(nullptr);  // nothing selected: nothing deleted
    f->lbPositions->SetItemIndex(0);
    f->Button8Click(nullptr);
    EXPECT_EQ(f->lbPositions->Items()->Count(), 0);
    f->UndoCurrentChanges1Click(nullptr);
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editPatrol->Text(), "Eagles");
    EXPECT_EQ(Items(f->lbPositions->Items()), (std::vector<AnsiString>{"SPL start\t--Current--\tSPL"}));
    EXPECT_TRUE(f->rbPositions->Checked());
}
