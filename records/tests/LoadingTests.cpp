// Loading a scout: personal fields, rank marks, award lists, and the files
// that are missing or cannot be read.
#include <sys/stat.h>

#include "platform/testing/InChild.h"
#include "records/FieldRules.h"
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

TEST_F(Loading, RankMarksWithACompletedDateOnlyOrLongValues) {
    const AnsiString longValue(1000, '7');  // its close tag lies beyond the first 999 characters
    WriteScout("Ann", {"<Secondclass>", "<Updated>x</Updated>", "<Completed>05/05/2025</Completed>", "</Secondclass>",
                       "<Firstclass>", "<Updated>x</Updated>", "<Completed>" + longValue + "</Completed>", "</Firstclass>",
                       "<Eagle>", "<Updated>x</Updated>", "<Started>" + longValue + "</Started>", "</Eagle>"});
    Load("Ann");
    EXPECT_EQ(f->shape2->Brush()->Color(), clGreen);
    EXPECT_EQ(f->lblAdv2->Caption(), "05/05/2025");
    // A completed value is read whole, and the date label shows 99 characters of it.
    EXPECT_EQ(f->shapeF->Brush()->Color(), clGreen);
    EXPECT_EQ(f->lblAdvF->Caption(), AnsiString(99, '7'));
    // A started value is read from at most 999 characters: no close tag there, not started.
    EXPECT_EQ(f->shapeE->Brush()->Color(), clRed);
    EXPECT_EQ(f->lblAdvE->Caption(), "");
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

TEST_F(Loading, AwardNamesComeFromTheirTagsAndEachSectionCounts) {
    WriteScout("Ann", {"<Mb  Camping>", "<Completed>01/01/2025</Completed>", "</Mb  Camping>",
                       "<Mb Citizenship in the Community>", "<Completed>01/01/2025</Completed>",
                       "</Mb Citizenship in the Community>", "<Mb Citizenship in the Nation>",
                       "<Completed>01/01/2025</Completed>", "</Mb Citizenship in the Nation>",
                       "<Mb Chess>", "<Started>01/01/2025</Started>", "</Mb Chess>",
                       "<Mb Chess>", "<Started>02/01/2025</Started>", "</Mb Chess>",
                       "<Mb Cooking>", "<Completed>" + AnsiString(1000, '1') + "</Completed>", "</Mb Cooking>"});
    Load("Ann");
    EXPECT_EQ(Items(f->cboMBe->Items()), (std::vector<AnsiString>{" Camping", "Citizenship in the Community",
                                                                   "Citizenship in the Nation", "Cooking"}));
    // Each citizenship badge counts; the blank before " Camping" keeps it from counting.
    EXPECT_EQ(f->lblEarned->Caption(), "Earned - 4 (2)");
    EXPECT_EQ(Items(f->cboMBi->Items()), (std::vector<AnsiString>{"Chess", "Chess"}));
    EXPECT_EQ(f->lblInProgress->Caption(), "In Progress - 2");
    EXPECT_EQ(f->lblOInProgress->Caption(), "In Progress - 0");
    EXPECT_EQ(f->lblOEarned->Caption(), "Earned - 0");
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

TEST_F(Loading, ANameWhoseScoutFileIsAPipeIsNotWaitedFor) {
    ASSERT_EQ(::mkfifo("Pipe.scout", 0600), 0);
    // Loaded in a child: a read that waits for a writer to the pipe would never end.
    const std::string outcome = InChild(10, [&] {
        Load("Pipe");
        return f->CurrentScout.empty() && desktop().Messages == std::vector<AnsiString>{"Could not read Pipe.scout"};
    });
    EXPECT_EQ(outcome, "");
}

TEST_F(Loading, NotesThatAreNoRegularFileAreSaidAndStopTheLoad) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>"});
    WriteScoutWith("Bob", {"<Updated>x</Updated>"});
    CreateDir("Bob.nts");
    Load("Bob");
    EXPECT_EQ(f->CurrentScout, "");
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0].rfind("Could not read Bob.nts: ", 0), 0u) << desktop().Messages[0];
    ASSERT_EQ(::mkfifo("Ann.nts", 0600), 0);
    // Loaded in a child: a read that waits for a writer to the pipe would never end.
    const std::string outcome = InChild(10, [&] {
        Load("Ann");
        return f->CurrentScout.empty() && desktop().Messages.size() == 2 &&
               desktop().Messages[1] == "Could not read Ann.nts: Cannot open file \"Ann.nts\". Not a regular file";
    });
    EXPECT_EQ(outcome, "");
}

TEST_F(Loading, AScoutWhoseNotesCannotBeSavedAsksWhetherToGoOnWithoutSaving) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>", "<Troop>5</Troop>"});
    WriteScoutWith("Bob", {"<Updated>x</Updated>"});
    Load("Ann");
    CreateDir("Ann.nts");  // the notes cannot be written over a folder
    f->editTroop->SetText("6");
    // No keeps the scout and its edits, as often as the user picks another.
    for (int attempt = 0; attempt < 2; ++attempt) {
        desktop().QueueYesNo(false);
        Load("Bob");
        EXPECT_EQ(f->CurrentScout, "Ann");
        EXPECT_EQ(f->cboSCTs->Text(), "Ann");
        EXPECT_EQ(f->editTroop->Text(), "6");
    }
    ASSERT_EQ(desktop().Messages.size(), 2u);
    EXPECT_EQ(desktop().Messages[0].rfind("Could not save Ann.nts: ", 0), 0u) << desktop().Messages[0];
    EXPECT_EQ(desktop().Questions[0], "Could not save Ann.nts. Go on without saving?");
    // Yes goes on to the scout picked; the folder in the notes' place stays.
    desktop().QueueYesNo(true);
    Load("Bob");
    EXPECT_EQ(f->CurrentScout, "Bob");
    EXPECT_TRUE(DirectoryExists("Ann.nts"));
}

TEST_F(Loading, ANameTypedIntoTheListNeverReachesOutsideTheDataFolder) {
    CreateDir("sub");
    WriteScoutWith("sub/Ann", {"<Updated>x</Updated>", "<Troop>5</Troop>"});
    const std::string before = ReadFile("sub/Ann.scout");
    Load("sub/Ann");
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_EQ(desktop().Messages.size(), 1u);
    f->Save1Click(nullptr);
    EXPECT_EQ(ReadFile("sub/Ann.scout"), before);
}

TEST_F(Loading, TheLongestTypedValuesComeBackWhole) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>"});
    Load("Ann");
    UserInput::Type(f->dateBirthdate, AnsiString(2000, 'b'));
    UserInput::Type(f->editGuardian, AnsiString(2000, 'g'));
    UserInput::Type(f->datePosStart, AnsiString(2000, 's'));
    UserInput::Type(f->datePosEnd, AnsiString(2000, 'e'));
    UserInput::Type(f->editPos, AnsiString(2000, 't'));
    f->Button5Click(nullptr);
    const AnsiString birthdate = f->dateBirthdate->Text(), guardian = f->editGuardian->Text();
    const auto entries = Items(f->lbPositions->Items());
    EXPECT_EQ(birthdate.size(), static_cast<size_t>(MaxElementChars));
    f->Save1Click(nullptr);
    f->UndoCurrentChanges1Click(nullptr);
    EXPECT_EQ(f->dateBirthdate->Text(), birthdate);
    EXPECT_EQ(f->editGuardian->Text(), guardian);
    EXPECT_EQ(Items(f->lbPositions->Items()), entries);
}
