// The requirement sheet: which catalog and section a sheet uses, what leaving
// it stores, the rows and their paging, and the date dialog.
#include <filesystem>

#include "records/tests/SheetFixture.h"

using SheetTest = SheetFixture;

TEST_F(SheetTest, SecondClassReadsItsTitledCatalogAndStoresItsSectionName) {
    WriteCatalog("Second Class.Rank", 3);
    StandScout("Ann", {"<Secondclass>", "   <Started>01/02/2026</Started>", "   <req>", "      <reqnbr>2</reqnbr>",
                       "      <reqdate>02/02/2026</reqdate>", "      <reqcs>Bob</reqcs>", "   </req>", "</Secondclass>"});
    UserInput::Click(f->Label5);
    EXPECT_EQ(f->lblRequirements->Caption(), "Second Class");
    EXPECT_EQ(f->deditStarted->Text(), "01/02/2026");
    EXPECT_EQ(f->RowDateEdit[1]->Text(), "02/02/2026");
    EXPECT_EQ(f->RowCounselorEdit[1]->Text(), "Bob");
    EXPECT_EQ(f->ShapeReq->Brush()->Color(), clYellow);
    EXPECT_FALSE(f->pnlNotes->Visible());

    UserInput::Type(f->RowDateEdit[2], "03/03/2026");
    UserInput::Click(f->Label4);  // leaving stores the sheet, even without a Tenderfoot catalog
    ASSERT_EQ(desktop().Messages.back(), "File error - Tenderfoot.Rank does not exist");
    int open = MasterIndex("<Secondclass>");
    ASSERT_GT(open, 0);
    EXPECT_EQ(MasterIndex("</Secondclass>"), open + 20);  // four dates, three blocks of five lines
    EXPECT_EQ(Master()[open + 1], "   <Updated>" + Today() + "</Updated>");
    EXPECT_EQ(Master()[open + 2], "   <Started>01/02/2026</Started>");
    EXPECT_EQ(Master()[open + 17], "      <reqdate>03/03/2026</reqdate>");
    EXPECT_EQ(ReadFile("Second Class.Rank").substr(0, 11), "01/01/2020\n");
}

TEST_F(SheetTest, ProgressSectionsThatAreDamagedReadSafely) {
    WriteCatalog("Star.Rank", 3);
    // A block without its close line is skipped; the block after it still counts.
    StandScout("Ann", {"<Star>", "<req>", "<reqnbr>1</reqnbr>", "<reqdate>A</reqdate>", "<reqcs>x</reqcs>",
                       "<req>", "<reqnbr>3</reqnbr>", "<reqdate>C</reqdate>", "</req>", "</Star>"});
    UserInput::Click(f->Label7);
    EXPECT_EQ(f->RowDateEdit[0]->Text(), "");
    EXPECT_EQ(f->RowDateEdit[2]->Text(), "C");

    // A requirement position that is not a number: the conversion's message, no sheet.
    StandScout("Ann", {"<Life>", "<req>", "<reqnbr>x</reqnbr>", "</req>", "</Life>"});
    WriteCatalog("Life.Rank", 2);
    UserInput::Click(f->Label8);
    EXPECT_EQ(desktop().Messages.back(), "'x' is not a valid integer value");
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    EXPECT_FALSE(f->RowPanel[0]->Visible());
}

TEST_F(SheetTest, LongStoredValuesAreCutToTheRowNotErased) {
    WriteCatalog("Star.Rank", 2);
    const AnsiString counselor(150, 'c'), date = AnsiString(120, '1') + "d";
    StandScout("Ann", {"<Star>", "<Started>" + AnsiString(130, 's') + "</Started>", "<req>", "<reqnbr>1</reqnbr>",
                       "<reqdate>" + date + "</reqdate>", "<reqcs>" + counselor + "</reqcs>", "</req>", "</Star>"});
    UserInput::Click(f->Label7);
    EXPECT_EQ(f->RowCounselorEdit[0]->Text(), counselor.substr(0, 19));
    EXPECT_EQ(f->RowDateEdit[0]->Text(), date.substr(0, 19));
    EXPECT_EQ(f->deditStarted->Text(), AnsiString(130, 's'));
    UserInput::Click(f->Label8);  // leaving stores the sheet
    EXPECT_TRUE(Contains(Master(), "      <reqcs>" + counselor.substr(0, 19) + "</reqcs>"));
    EXPECT_TRUE(Contains(Master(), "   <Started>" + AnsiString(130, 's') + "</Started>"));
}

TEST_F(SheetTest, OversizedCatalogsAreCutToWhatTheSheetHolds) {
    WriteCatalog("Eagle.Rank", 160);
    WriteFile("Star.Rank", "d\n" + std::string(60, '9') + Sep + std::string(200, 's') + Sep + "f\n");
    const std::string before = ReadFile("Eagle.Rank");
    StandScout("Ann");
    UserInput::Click(f->Label9);
    EXPECT_EQ(f->SheetCount, MaxRequirements);
    UserInput::Click(f->Label7);  // leaving Eagle stores 150 blocks
    EXPECT_EQ(MasterIndex("</Eagle>") - MasterIndex("<Eagle>"), 4 + 5 * MaxRequirements + 1);
    EXPECT_EQ(f->RowNumberLabel[0]->Caption(), std::string(49, '9'));
    EXPECT_EQ(f->RowTextLabel[0]->Caption().size(), 149u);
    EXPECT_EQ(ReadFile("Eagle.Rank"), before);
}

TEST_F(SheetTest, PagingMovesTheRowsAndEditsLandOnTheShownRequirement) {
    WriteCatalog("Tenderfoot.Rank", 11);
    WriteCatalog("Life.Rank", 12);
    WriteCatalog("Star.Rank", 15);
    WriteCatalog("Eagle.Rank", 30);
    StandScout("Ann");
    UserInput::Click(f->Label4);
    EXPECT_FALSE(f->bbDown->Visible());
    UserInput::Click(f->Label8);
    EXPECT_TRUE(f->bbDown->Visible());
    EXPECT_FALSE(f->bbUp->Visible());

    UserInput::Click(f->Label7);
    UserInput::Click(f->bbDown);
    EXPECT_EQ(RowNumbers().front(), "5");
    EXPECT_EQ(RowNumbers().back(), "15");
    EXPECT_FALSE(f->bbDown->Visible());
    EXPECT_TRUE(f->bbUp->Visible());
    UserInput::Type(f->RowCounselorEdit[0], "Carl");
    EXPECT_STREQ(f->ReqCounselor[5], "Carl");
    EXPECT_STREQ(f->ReqCounselor[1], "");
    UserInput::Click(f->bbUp);
    EXPECT_EQ(RowNumbers().front(), "1");
    EXPECT_TRUE(f->bbDown->Visible());
    EXPECT_FALSE(f->bbUp->Visible());

    UserInput::Click(f->Label9);
    UserInput::Click(f->bbDown);
    EXPECT_EQ(RowNumbers().front(), "12");
    UserInput::Click(f->bbDown);
    EXPECT_EQ(RowNumbers().front(), "20");
    EXPECT_EQ(RowNumbers().back(), "30");
    EXPECT_FALSE(f->bbDown->Visible());
}

// A click on a paging button fills each row once, at its new place.
TEST_F(SheetTest, PagingFillsEachRowOncePerClick) {
    WriteCatalog("Eagle.Rank", 30);
    std::vector<AnsiString> eagle = {"<Eagle>", "   <Updated>01/01/2025</Updated>"};
    for (int i = 1; i <= 30; ++i) {
        const AnsiString day = std::string(i < 10 ? 1 : 0, '0') + std::to_string(i);
        eagle.insert(eagle.end(), {"   <req>", "      <reqnbr>" + std::to_string(i) + "</reqnbr>",
                                   "      <reqdate>01/" + day + "/2025</reqdate>", "      <reqcs>Dan</reqcs>",
                                   "   </req>"});
    }
    eagle.push_back("</Eagle>");
    StandScout("Ann", eagle);
    UserInput::Click(f->Label9);
    ASSERT_EQ(f->RowDateEdit[0]->Text(), "01/01/2025");
    std::vector<AnsiString> shown;  // what the first row's date showed, change by change
    f->RowDateEdit[0]->OnChange = [&](TObject*) { shown.push_back(f->RowDateEdit[0]->Text()); };

    UserInput::Click(f->bbDown);
    EXPECT_EQ(shown, std::vector<AnsiString>{"01/12/2025"});
    UserInput::Click(f->bbDown);  // only as far as the last page: 20 to 30
    EXPECT_EQ(shown, (std::vector<AnsiString>{"01/12/2025", "01/20/2025"}));
    UserInput::Click(f->bbUp);
    UserInput::Click(f->bbUp);
    EXPECT_EQ(shown, (std::vector<AnsiString>{"01/12/2025", "01/20/2025", "01/09/2025", "01/01/2025"}));
    EXPECT_FALSE(f->bbUp->Visible());
    EXPECT_TRUE(f->bbDown->Visible());
}

TEST_F(SheetTest, RowEditsStoreAtOnceAndHoldWhatTheFileHolds) {
    WriteFile("Star.Rank", "d\n1\x1es\x1eone|two|\n");
    StandScout("Ann");
    UserInput::Click(f->Label7);
    UserInput::Click(f->RowTextLabel[0]);
    EXPECT_EQ(f->memoDescription->Lines()->Lines(), (std::vector<AnsiString>{"one", "two", ""}));

    UserInput::Type(f->RowDateEdit[0], "a date far too long to keep");
    EXPECT_EQ(f->RowDateEdit[0]->Text().size(), 19u);
    EXPECT_STREQ(f->ReqDate[1], f->RowDateEdit[0]->Text().c_str());
    EXPECT_EQ(f->RowStatusShape[0]->Brush()->Color(), clGreen);
    EXPECT_TRUE(f->memoDescription->Lines()->Lines().empty());
    UserInput::Type(f->RowCounselorEdit[0], "Dan<|");
    EXPECT_STREQ(f->ReqCounselor[1], "Dan");
    UserInput::Type(f->RowDateEdit[0], "");
    EXPECT_EQ(f->RowStatusShape[0]->Brush()->Color(), clBtnFace);

    // An award date is read back from at most 99 characters, its close tag's "<" included.
    UserInput::Type(f->deditStarted, "01/01/2026<" + AnsiString(120, '1'));
    EXPECT_EQ(f->deditStarted->Text(), "01/01/2026" + AnsiString(88, '1'));
}

TEST_F(SheetTest, TheDateDialogPresetsTodayForNonDatesAndCancelKeepsTheText) {
    WriteCatalog("Star.Rank", 2);
    StandScout("Ann");
    UserInput::Click(f->Label7);
    UserInput::Type(f->RowDateEdit[0], "abc");
    TDateTime shown = -1;
    desktop().QueueModal([&](TForm* form) {
        shown = static_cast<TDateDlg*>(form)->Cal1->Date();
        return mrCancel;
    });
    UserInput::DblClick(f->RowDateEdit[0]);
    EXPECT_EQ(shown, Date());
    EXPECT_STREQ(f->ReqDate[1], "abc");

    desktop().QueueModal([&](TForm* form) {
        static_cast<TDateDlg*>(form)->Cal1->SetDate(EncodeDate(2026, 2, 1) + 0.5);
        return mrOk;
    });
    UserInput::DblClick(f->RowDateEdit[1]);
    EXPECT_STREQ(f->ReqDate[2], "02/01/2026");
    EXPECT_EQ(f->RowStatusShape[1]->Brush()->Color(), clGreen);
}

TEST_F(SheetTest, WithoutAScoutOrACatalogNoSheetOpens) {
    WriteCatalog("Star.Rank", 2);
    UserInput::Click(f->Label7);  // no scout loaded: nothing, not even a message
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    EXPECT_TRUE(desktop().Messages.empty());
    EXPECT_TRUE(f->pnlNotes->Visible());

    // A missing catalog: the message, no title, the dates read, rows that store nothing.
    StandScout("Ann", {"<Life>", "<Started>01/02/2026</Started>", "<Awarded>05/05/2026", "</Life>"});
    UserInput::Click(f->Label8);
    EXPECT_EQ(desktop().Messages.back(), "File error - Life.Rank does not exist");
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    EXPECT_EQ(f->deditStarted->Text(), "01/02/2026");
    EXPECT_EQ(f->deditAwarded->Text(), "");  // a value without its close tag reads as empty
    EXPECT_FALSE(f->RowsLive);
    const auto before = Master();
    UserInput::Click(f->Label7);  // no sheet was open, so nothing is stored
    EXPECT_EQ(MasterIndex("<Life>"), 1);
    EXPECT_EQ(Master().size(), before.size());

    // A catalog that exists but cannot be read opens no sheet either, so
    // leaving cannot store the section without its requirement entries.
    std::filesystem::remove("Eagle.Rank");
    std::filesystem::create_symlink("/proc/self/mem", "Eagle.Rank");  // reading it fails
    StandScout("Ann", {"<Eagle>", "<req>", "<reqnbr>1</reqnbr>", "<reqdate>D</reqdate>", "</req>", "</Eagle>"});
    UserInput::Click(f->Label9);
    const auto withEagle = Master();
    EXPECT_EQ(desktop().Messages.back(), "Could not read Eagle.Rank");
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    UserInput::Click(f->Label8);
    EXPECT_EQ(Master(), withEagle);
}

TEST_F(SheetTest, CatalogsWithoutRequirementsAndSurplusBlocks) {
    WriteFile("Star.Rank", "01/01/2020\n");
    WriteFile("Life.Rank", "\n\r\n\t\n");
    WriteCatalog("Eagle.Rank", 2);
    StandScout("Ann", {"<Star>", "<Started>01/01/2026</Started>", "<req>", "<reqnbr>1</reqnbr>",
                       "<reqdate>S</reqdate>", "</req>", "</Star>", "<Eagle>", "<Completed>02/02/2026</Completed>", "<req>", "<reqnbr>2</reqnbr>",
                       "<reqdate>B</reqdate>", "</req>", "<req>", "<reqnbr>7</reqnbr>", "<reqdate>G</reqdate>",
                       "</req>", "<req>", "<reqnbr>151</reqnbr>", "</req>", "<req>", "<reqnbr>0</reqnbr>",
                       "</req>", "</Eagle>"});
    // A catalog without a requirement line is treated like a missing one:
    // the message, no sheet, and the scout's entries stay when it is left.
    for (TLabel* rank : {f->Label7, f->Label8}) {
        UserInput::Click(rank);
        EXPECT_EQ(f->lblRequirements->Caption(), "");
        EXPECT_FALSE(f->RowPanel[0]->Visible());
        EXPECT_FALSE(f->bbDown->Visible());
    }
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"File error - Star.Rank holds no requirements",
                                                           "File error - Life.Rank holds no requirements"}));
    EXPECT_TRUE(Contains(Master(), "<reqdate>S</reqdate>"));

    // Blocks beyond the catalog are read, never shown, and dropped when the sheet is left.
    UserInput::Click(f->Label9);
    EXPECT_EQ(f->ShapeReq->Brush()->Color(), clGreen);
    EXPECT_STREQ(f->ReqDate[7], "G");
    EXPECT_EQ(f->RowDateEdit[1]->Text(), "B");
    EXPECT_FALSE(f->RowPanel[2]->Visible());
    UserInput::Click(f->Label7);
    EXPECT_EQ(MasterIndex("</Eagle>") - MasterIndex("<Eagle>"), 4 + 5 * 2 + 1);
    EXPECT_EQ(MasterIndex("      <reqnbr>7</reqnbr>"), -1);
    EXPECT_EQ(f->ShapeReq->Brush()->Color(), clBtnFace);
}

TEST_F(SheetTest, CatalogLinesSplitIntoTheirFields) {
    // No separator: whole line as full text and no number, so the row stays hidden;
    // one separator: number and full text; a TAB ends the line's text.
    WriteFile("Star.Rank", "d\nwhole line\n2\x1e" "full only\n3\x1es\x1e" "f\x1ex\tcut\n");
    StandScout("Ann");
    UserInput::Click(f->Label7);
    EXPECT_EQ(f->SheetCount, 3);
    EXPECT_FALSE(f->RowPanel[0]->Visible());
    EXPECT_STREQ(f->ReqFullText[1], "whole line");
    EXPECT_TRUE(f->RowPanel[1]->Visible());
    EXPECT_EQ(f->RowTextLabel[1]->Caption(), "");
    EXPECT_STREQ(f->ReqFullText[2], "full only");
    EXPECT_STREQ(f->ReqFullText[3], "f\x1ex");
    UserInput::Click(f->RowTextLabel[2]);  // the pane ends its text at the separator
    EXPECT_EQ(f->memoDescription->Lines()->Lines(), (std::vector<AnsiString>{"f"}));
}

TEST_F(SheetTest, AnAwardBearingARankTitleKeepsItsOwnSection) {
    WriteCatalog("Star.Other", 1);
    StandScout("Ann", {"<Star>", "<Started>01/01/2026</Started>", "</Star>", "<Other Star>", "</Other Star>"});
    f->ShowAwardSheet("Star", "Star", "Other");
    UserInput::Type(f->RowDateEdit[0], "02/02/2026");
    f->ShowAwardSheet("Star", "Star", "Other");  // reopening stores it and reads it back
    EXPECT_EQ(f->RowDateEdit[0]->Text(), "02/02/2026");
    EXPECT_EQ(Master()[1], "<Star>");
    EXPECT_EQ(Master()[2], "<Started>01/01/2026</Started>");
    EXPECT_EQ(Master()[4], "<Other Star>");
}

TEST_F(SheetTest, ACatalogWhoseExtensionHasAnotherCaseOpens) {
    WriteCatalog("Knots.MB", 2);
    StandScout("Ann");
    f->ShowAwardSheet("Knots", "Knots", "Mb");
    EXPECT_EQ(f->lblRequirements->Caption(), "Knots");
    EXPECT_EQ(f->SheetCount, 2);
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(SheetTest, CounselorEditsAndTheNameCaptionLeaveTheCirclesAlone) {
    WriteCatalog("Star.Rank", 2);
    StandScout("Ann", {"<Star>", "<req>", "<reqnbr>1</reqnbr>", "<reqdate>D</reqdate>", "</req>", "</Star>"});
    UserInput::Click(f->Label7);
    f->RowStatusShape[0]->Brush()->SetColor(clYellow);
    UserInput::Click(f->RowTextLabel[1]);
    UserInput::Type(f->RowCounselorEdit[0], "Eve");
    EXPECT_STREQ(f->ReqCounselor[1], "Eve");
    EXPECT_STREQ(f->ReqDate[1], "D");
    EXPECT_EQ(f->RowStatusShape[0]->Brush()->Color(), clYellow);
    EXPECT_TRUE(f->memoDescription->Lines()->Lines().empty());

    UserInput::Click(f->RowTextLabel[1]);
    UserInput::Click(f->Label40);
    EXPECT_TRUE(f->memoDescription->Lines()->Lines().empty());
    EXPECT_STREQ(f->ReqCounselor[1], "Eve");
    EXPECT_EQ(f->lblRequirements->Caption(), "Star");
}

TEST_F(SheetTest, TheEndDateOfTheServiceListOpensNoCalendar) {
    StandScout("Ann");
    UserInput::Click(f->rbService);
    UserInput::Type(f->datePosEnd, "2:30");
    UserInput::DblClick(f->datePosEnd);
    EXPECT_TRUE(desktop().ModalForms.empty());
    EXPECT_EQ(f->datePosEnd->Text(), "2:30");

    UserInput::Click(f->rbPositions);
    desktop().QueueModal([](TForm*) { return mrOk; });
    UserInput::DblClick(f->datePosEnd);
    EXPECT_EQ(desktop().ModalForms.size(), 1u);
    EXPECT_EQ(f->datePosEnd->Text(), Today());
}
