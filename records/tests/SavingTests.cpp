// Saving the loaded scout, emptying the window, closing, File > Save and Undo.
#include "platform/testing/TinyFileLimit.h"
#include "records/tests/WindowFixture.h"

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

TEST_F(Saving, EachMedicalFormClassIsWrittenAsItsNumber) {
    const std::pair<TRadioButton*, const char*> classes[] = {{f->rbMF1, "1"}, {f->rbMF2, "2"}, {f->rbMF3, "3"}};
    for (const auto& [button, number] : classes) {
        UserInput::CheckRadio(button);
        f->Save1Click(nullptr);
        EXPECT_TRUE(Contains(FileLines("Ann.scout"), AnsiString("   <Medform>") + number + "</Medform>")) << number;
    }
}

TEST_F(Saving, AnOpenSheetIsWrittenLastWithEveryRequirementAndStaysOpen) {
    WriteFile("Camping.Other", "01/01/2020\n1\x1e" "a\x1e" "A\n2\x1e" "b\x1e" "B\n3\x1e" "c\x1e" "C\n");
    WriteFile("Camping.Mb", "01/01/2020\n1\x1e" "a\x1e" "A\n");
    f->ShowAwardSheet("Camping", "Camping", "Other");
    ASSERT_EQ(f->lblRequirements->Caption(), "Camping");
    f->deditStarted->SetText("02/01/2026");
    f->Save1Click(nullptr);
    const std::string first = ReadFile("Ann.scout");
    f->Save1Click(nullptr);
    EXPECT_EQ(ReadFile("Ann.scout"), first);  // a second save without changes writes the same lines
    EXPECT_EQ(f->lblRequirements->Caption(), "Camping");
    EXPECT_EQ(f->CurrentScout, "Ann");

    auto lines = FileLines("Ann.scout");
    std::vector<AnsiString> sheet{"<Other Camping>", "   <Updated>" + Today() + "</Updated>", "   <Started>02/01/2026</Started>",
                                  "   <Completed></Completed>", "   <Awarded></Awarded>"};
    for (int i = 1; i <= 3; ++i)
        for (const AnsiString& line : {AnsiString("   <req>"), "      <reqnbr>" + IntToStr(i) + "</reqnbr>",
                                       AnsiString("      <reqdate></reqdate>"), AnsiString("      <reqcs></reqcs>"),
                                       AnsiString("   </req>")})
            sheet.push_back(line);
    sheet.push_back("</Other Camping>");
    ASSERT_GE(lines.size(), sheet.size());
    EXPECT_EQ(std::vector<AnsiString>(lines.end() - static_cast<long>(sheet.size()), lines.end()), sheet);
    EXPECT_EQ(IndexOf(lines, "</Scout>") + 1, IndexOf(lines, "<Other Camping>"));
    EXPECT_EQ(IndexOf(lines, "<Mb Camping>"), -1);

    // The same title under the merit badge kind is the badge's own section.
    f->ShowAwardSheet("Camping", "Camping", "Mb");
    f->Save1Click(nullptr);
    lines = FileLines("Ann.scout");
    EXPECT_EQ(lines[lines.size() - 2], "   </req>");
    EXPECT_EQ(lines.back(), "</Mb Camping>");
    EXPECT_EQ(lines[IndexOf(lines, "<Other Camping>") + 2], "   <Started>02/01/2026</Started>");
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

    // Leaving the scout for another command asks too, and No keeps it;
    // closing asks, and No keeps the window.
    desktop().QueueYesNo(false);
    desktop().QueueYesNo(false);
    {
        TinyFileLimit full;
        f->All1Click(nullptr);
        f->Close();
    }
    EXPECT_EQ(desktop().Questions, (std::vector<AnsiString>{"Could not save Ann.scout. Go on without saving?",
                                                            "Could not save Ann.scout. Close without saving?"}));
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_TRUE(f->RowsBuilt);
    f->Close();
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <City>Springfield</City>"));
}

TEST_F(Saving, ClearingFromTheCampsListReturnsToAnEmptyPositionsList) {
    UserInput::CheckRadio(f->rbCamps);
    f->editPos->SetText("Camp");
    f->Button5Click(nullptr);
    f->ClearScoutForm();
    EXPECT_TRUE(f->rbPositions->Checked());
    EXPECT_FALSE(f->rbCamps->Checked());
    EXPECT_EQ(f->ListMode, 0);
    EXPECT_EQ(f->lbPositions->Items()->Count(), 0);
    EXPECT_EQ(f->Label25->Caption(), "Positions");
    EXPECT_EQ(f->Label23->Caption(), "End Date");
    EXPECT_EQ(f->rbPositions->Font()->Style(), fsBold);
    EXPECT_EQ(f->rbCamps->Font()->Style(), 0);
    EXPECT_TRUE(f->masterlist->Items()->Count() == 0 && f->slavelist->Items()->Count() == 0);
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_EQ(f->Caption(), "Trailbook");
}

TEST_F(Saving, UndoDropsUnsavedEditsAndClosesTheSheet) {
    f->Button8Click(nullptr);  // nothing selected: nothing deleted
    f->lbPositions->SetItemIndex(0);
    f->Button8Click(nullptr);
    EXPECT_EQ(f->lbPositions->Items()->Count(), 0);
    WriteFile("Tenderfoot.Rank", "01/01/2020\n1\x1e" "a\x1e" "A\n");
    f->ShowAwardSheet("Tenderfoot", "Tenderfoot", "Rank");
    UserInput::CheckRadio(f->rbCamps);
    f->editPatrol->SetText("Hawks");
    const std::string before = ReadFile("Ann.scout");

    f->UndoCurrentChanges1Click(nullptr);
    EXPECT_EQ(ReadFile("Ann.scout"), before);
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editPatrol->Text(), "Eagles");
    EXPECT_EQ(Items(f->lbPositions->Items()), (std::vector<AnsiString>{"SPL start\t--Current--\tSPL"}));
    EXPECT_TRUE(f->rbPositions->Checked());
    EXPECT_EQ(f->Label25->Caption(), "Positions");
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    EXPECT_TRUE(f->pnlNotes->Visible());
}
