// The requirement sheet: which catalog and section a sheet uses, what leaving
// it stores, the rows and their paging, and the date dialog.
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
