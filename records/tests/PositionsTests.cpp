// The positions, camps and service lists: entry commands, switching lists,
// and entries with empty fields through a save and a reload.
#include "records/FieldRules.h"
#include "records/tests/WindowFixture.h"

class Positions : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        WriteScout("Ann", {"<Pos>", "01/01/2025\t--Current--\tSPL", "</Pos>", "<Camps>", "07/01/2024\t07/07/2024\tSummer", "</Camps>"});
        Load("Ann");
    }
    void Enter(const AnsiString& start, const AnsiString& end, const AnsiString& text) {
        f->datePosStart->SetText(start);
        f->datePosEnd->SetText(end);
        f->editPos->SetText(text);
    }
    std::vector<AnsiString> Shown() const { return f->lbPositions->Items()->Lines(); }
};

TEST_F(Positions, AddUpdateDeleteAndSelect) {
    Enter("", "", "");
    f->Button5Click(nullptr);
    Enter("02/02/2025", "03/03/2025", "Scribe");
    f->Button5Click(nullptr);
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"01/01/2025\t--Current--\tSPL", "\t--Current--\t", "02/02/2025\t03/03/2025\tScribe"}));
    EXPECT_EQ(f->editPos->Text(), "");

    UserInput::Pick(f->lbPositions, 0);
    EXPECT_EQ(f->datePosStart->Text(), "01/01/2025");
    EXPECT_EQ(f->datePosEnd->Text(), "");  // "--Current--" shows as an empty end
    EXPECT_EQ(f->editPos->Text(), "SPL");
    f->datePosEnd->SetText("03/01/2026");
    f->Button6Click(nullptr);
    EXPECT_EQ(Shown()[0], "01/01/2025\t03/01/2026\tSPL");

    f->lbPositions->SetItemIndex(1);
    f->Button8Click(nullptr);
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"01/01/2025\t03/01/2026\tSPL", "02/02/2025\t03/03/2025\tScribe"}));

    f->lbPositions->SetItemIndex(-1);
    Enter("x", "y", "z");
    f->Button6Click(nullptr);  // nothing selected: nothing changes
    f->Button8Click(nullptr);
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"01/01/2025\t03/01/2026\tSPL", "02/02/2025\t03/03/2025\tScribe"}));
    EXPECT_EQ(f->editPos->Text(), "z");
}

TEST_F(Positions, SelectingAnEntryShowsAtMost99CharactersOfItsText) {
    f->lbPositions->Items()->Add("a\tb\t" + AnsiString(150, 'x'));
    f->lbPositions->Items()->Add("only a start");
    UserInput::Pick(f->lbPositions, 1);
    EXPECT_EQ(f->editPos->Text(), AnsiString(99, 'x'));
    UserInput::Pick(f->lbPositions, 2);
    EXPECT_EQ(f->datePosStart->Text(), "only a start");
    EXPECT_EQ(f->datePosEnd->Text(), "");
    EXPECT_EQ(f->editPos->Text(), "");
}

TEST_F(Positions, SwitchingListsKeepsEveryChange) {
    UserInput::CheckRadio(f->rbCamps);
    EXPECT_EQ(f->ListMode, 1);
    EXPECT_EQ(f->Label25->Caption(), "Camp Description");
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"07/01/2024\t07/07/2024\tSummer"}));
    Enter("08/01/2025", "", "Winter");
    f->Button5Click(nullptr);
    UserInput::CheckRadio(f->rbService);
    EXPECT_EQ(f->Label23->Caption(), "Hrs:Min");
    EXPECT_TRUE(Shown().empty());
    UserInput::CheckRadio(f->rbCamps);
    EXPECT_EQ(Shown().size(), 2u);
    UserInput::CheckRadio(f->rbPositions);
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"01/01/2025\t--Current--\tSPL"}));
    EXPECT_EQ(f->rbPositions->Font()->Style(), fsBold);
    EXPECT_EQ(f->rbCamps->Font()->Style(), 0u);
}

TEST_F(Positions, WithNoScoutLoadedCampsFallBackToPositions) {
    f->ClearScoutForm();
    UserInput::CheckRadio(f->rbService);
    EXPECT_TRUE(f->rbPositions->Checked());
    EXPECT_EQ(f->ListMode, 0);
    EXPECT_EQ(f->Label25->Caption(), "Positions");
}

TEST_F(Positions, EntriesWithEmptyFieldsSurviveASwitchASaveAndAReload) {
    Enter("", "05/05/2025", "No start");
    f->Button5Click(nullptr);
    Enter("06/06/2025", "07/07/2025", "");
    f->Button5Click(nullptr);
    const auto expected = Shown();
    UserInput::CheckRadio(f->rbCamps);
    UserInput::CheckRadio(f->rbPositions);
    EXPECT_EQ(Shown(), expected);
    f->Save1Click(nullptr);
    f->UndoCurrentChanges1Click(nullptr);
    EXPECT_EQ(Shown(), expected);
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "\t05/05/2025\tNo start"));
}

TEST(ListEntries, TrimmedEntriesGetTheirEmptyFieldsBack) {
    EXPECT_EQ(RestoreListEntry("--Current--\tText"), "\t--Current--\tText");
    EXPECT_EQ(RestoreListEntry("01/01/2025\t--Current--"), "01/01/2025\t--Current--\t");
    EXPECT_EQ(RestoreListEntry("--Current--"), "\t--Current--\t");
    EXPECT_EQ(RestoreListEntry("3:30"), "\t3:30\t");
    EXPECT_EQ(RestoreListEntry("a\tb\tc"), "a\tb\tc");
}

TEST(FieldRules, FieldsRefuseWhatTheScoutFileCannotHold) {
    for (int c : {int('|'), int('<'), 9, 10, 0xE9, 30})
        EXPECT_FALSE(ElementChar(static_cast<unsigned char>(c))) << c;
    EXPECT_TRUE(ElementChar('a'));
    EXPECT_FALSE(EntryChar('<'));  // an entry of one field could read back as a tag
    EXPECT_FALSE(EntryChar('\t'));
    EXPECT_FALSE(EntryChar('|'));
}

TEST_F(Positions, TypingARefusedCharacterBeeps) {
    UserInput::Type(f->editCity, "Spring|field");
    EXPECT_EQ(f->editCity->Text(), "Springfield");
    EXPECT_GT(desktop().Beeps, 0);
    UserInput::Type(f->editPos, "a\tb");
    EXPECT_EQ(f->editPos->Text(), "ab");
}
