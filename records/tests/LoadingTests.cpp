// Loading a scout: personal fields, rank marks, award lists, and the files
// that are missing or cannot be read.
#include "records/tests/WindowFixture.h"

using Loading = WindowFixture;

TEST_F(Loading, ANewScoutFileShowsEmptyFieldsAndNineRedMarks) {
    desktop().QueueInput("Ann");
    f->NewScout1Click(nullptr);
    Load("Ann");
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->Caption(), "Trailbook - Ann");
    EXPECT_EQ(f->editGuardian->Text(), "");
    EXPECT_FALSE(f->rbMF1->Checked() || f->rbMF2->Checked() || f->rbMF3->Checked());
    for (TShape* mark : {f->shapeT, f->shape2, f->shapeF, f->shapeS, f->shapeL, f->shapeE, f->shapeBP, f->shapeGP, f->shapeSP})
        EXPECT_EQ(mark->Brush()->Color(), clRed);
    EXPECT_EQ(Items(f->memoNotes->Lines()), (std::vector<AnsiString>{Today()}));
    EXPECT_FALSE(f->AddMBReqs1->Enabled());
}

TEST_F(Loading, PersonalFieldsTakeTheFirstValueAndMedformTheLastClass) {
    WriteScoutWith("Ann", {"<Updated>01/01/2025</Updated>", "<Patrol></Patrol>", "<Patrol>Eagles</Patrol>",
                           "<Patrol>Hawks</Patrol>", "<Medform>2</Medform>", "<Medform>0</Medform>", "<Email>a@b.c</Email>"});
    Load("Ann");
    EXPECT_EQ(f->editPatrol->Text(), "Eagles");
    EXPECT_TRUE(f->rbMF2->Checked());
    EXPECT_EQ(f->editEmail->Text(), "a@b.c");
}

TEST_F(Loading, RankMarksFollowStartedAndCompletedDates) {
    WriteScout("Ann", {"<Tenderfoot>", "<Updated>x</Updated>", "<Started>01/02/2025</Started>",
                       "<Completed>02/02/2025</Completed>", "</Tenderfoot>", "<Star>", "<Updated>x</Updated>",
                       "<Started>03/03/2025</Started>", "</Star>", "<Life>", "<Started>04/04/2025</Started>", "</Life>"});
    Load("Ann");
    EXPECT_EQ(f->shapeT->Brush()->Color(), clGreen);
    EXPECT_EQ(f->lblAdvT->Caption(), "02/02/2025");
    EXPECT_EQ(f->shapeS->Brush()->Color(), clYellow);
    EXPECT_EQ(f->lblAdvS->Caption(), "03/03/2025");
    EXPECT_EQ(f->shapeL->Brush()->Color(), clRed);  // its first body line is not examined
    EXPECT_EQ(f->lblAdvL->Caption(), "");
}

TEST_F(Loading, AwardListsAndTheEagleRequiredCount) {
    std::vector<AnsiString> lines;
    for (const char* badge : {"Camping", "First Aid", "Lifesaving", "Emergency Preparedness", "Swimming", "Hiking", "Cooking"})
        for (const AnsiString& line : {AnsiString("<Mb ") + badge + ">", AnsiString("<Started>01/01/2025</Started>"),
                                       AnsiString("<Completed>02/01/2025</Completed>"), AnsiString("</Mb ") + badge + ">"})
            lines.push_back(line);
    for (const char* line : {"<Mb Archery>", "<Started>01/01/2025</Started>", "</Mb Archery>", "<Mb Chess>", "</Mb Chess>",
                                   "<Other Camping>", "<Completed>01/01/2025</Completed>", "</Other Camping>"})
        lines.push_back(line);
    WriteScout("Ann", lines);
    Load("Ann");
    EXPECT_EQ(f->lblEarned->Caption(), "Earned - 7 (4)");
    EXPECT_EQ(Items(f->cboMBi->Items()), (std::vector<AnsiString>{"Archery"}));
    EXPECT_EQ(f->lblInProgress->Caption(), "In Progress - 1");
    EXPECT_EQ(Items(f->cboOthere->Items()), (std::vector<AnsiString>{"Camping"}));
    EXPECT_EQ(f->lblOEarned->Caption(), "Earned - 1");
    EXPECT_EQ(f->lblOInProgress->Caption(), "In Progress - 0");
}

TEST_F(Loading, PickingTheLoadedScoutSavesAndRereadsIt) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>", "<Troop>1</Troop>"});
    Load("Ann");
    f->editTroop->SetText("2");
    Load("Ann");
    EXPECT_EQ(f->editTroop->Text(), "2");
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <Troop>2</Troop>"));
}

TEST_F(Loading, MissingNotesAndBadPictureDoNotStopTheLoad) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>", "<Troop>5</Troop>"});
    WriteFile("Ann.jpg", "not a jpeg");
    Load("Ann");
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editTroop->Text(), "5");
    EXPECT_EQ(f->memoNotes->Lines()->Count(), 0);
    EXPECT_FALSE(f->imageScout->Visible());
}

TEST_F(Loading, AScoutFileThatCannotBeReadLeavesNoScoutLoaded) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>", "<Troop>5</Troop>"});
    Load("Ann");
    Load("Gone");
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_EQ(f->Caption(), "Trailbook");
    ASSERT_FALSE(desktop().Messages.empty());
    EXPECT_EQ(desktop().Messages.back(), "Could not read Gone.scout");
    f->Save1Click(nullptr);
    EXPECT_FALSE(FileExists("Gone.scout"));
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <Troop>5</Troop>"));  // saved when it was left
}
