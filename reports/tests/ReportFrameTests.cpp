// The list-report frame, the report panel's buttons and printing, run
// through the troop list.
#include <filesystem>

#include "reports/tests/ReportFixture.h"

namespace {
const AnsiString TroopHeader =
    "Troop Scout Name              Birthdate  Patrol Name        Address                   Telephone";
const AnsiString TroopDashes =
    "----- ----------------------- ---------- ------------------ ------------------------- ------------";
}  // namespace

class ReportFrame : public ReportFixture {};

TEST_F(ReportFrame, EmptyScoutListGivesTheFiveTopLinesOnTheShownPanel) {
    EXPECT_FALSE(f->pnlRpts->Visible());
    EXPECT_EQ(Run(f->TroopList1), TopLines("Troop List", TroopHeader, TroopDashes));
    EXPECT_TRUE(f->pnlRpts->Visible());
    EXPECT_FALSE(f->lbRpt->Sorted());
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(ReportFrame, LoadedScoutIsSavedAndUnloadedAndTheListStays) {
    WriteScoutWith("Ann", {"<Troop>12</Troop>", "<Patrol>Owls</Patrol>"});
    WriteScoutWith("Bob", {"<Troop>7</Troop>"});
    f->RefreshScoutList(0);
    Load("Ann");
    UserInput::Type(f->editTroop, "99");
    std::vector<AnsiString> listed = Items(f->cboSCTs->Items());

    RunOnList(f->TroopList1);
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_EQ(f->editTroop->Text(), "");
    EXPECT_EQ(f->Caption(), "Trailbook");
    EXPECT_EQ(Items(f->cboSCTs->Items()), listed);
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <Troop>99</Troop>"));
    // The saved edit is in the report; troop 7 sorts before 99.
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[0].substr(0, 11), "    7 Bob  ");
    EXPECT_EQ(Rows()[1].substr(0, 11), "   99 Ann  ");
}

TEST_F(ReportFrame, FailedSaveOfTheLoadedScoutStopsTheReport) {
    WriteScoutWith("Ann", {"<Troop>12</Troop>"});
    f->RefreshScoutList(0);
    Load("Ann");
    UserInput::Type(f->editCity, "Springfield");
    // A folder in the file's place: the save cannot replace it.
    std::filesystem::remove("Ann.scout");
    std::filesystem::create_directory("Ann.scout");

    desktop().QueueYesNo(false);  // keep the scout that could not be saved
    UserInput::ClickMenu(f->TroopList1);
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0].rfind("Could not save Ann.scout: ", 0), 0u) << desktop().Messages[0];
    EXPECT_FALSE(f->pnlRpts->Visible());
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editCity->Text(), "Springfield");
}

TEST_F(ReportFrame, RowsBeginningWithBlanksStayBelowTheTopLinesAndEqualRowsAreKept) {
    // Empty troops right-align to five blanks; two scouts with the same values
    // and names that fit in neither column's width give two identical rows.
    WriteScoutWith("Twin Brother With A Long Name 1", {"<Patrol>Owls</Patrol>"});
    WriteScoutWith("Twin Brother With A Long Name 2", {"<Patrol>Owls</Patrol>"});
    WriteScoutWith("amy", {});
    WriteScoutWith("Zed", {"<Troop>1</Troop>"});
    std::vector<AnsiString> lines = Run(f->TroopList1);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(std::vector<AnsiString>(lines.begin(), lines.begin() + 5),
              TopLines("Troop List", TroopHeader, TroopDashes));
    auto row = [](const AnsiString& troop, const AnsiString& name, const AnsiString& patrol) {
        return Right(troop, 5) + " " + Left(name, 23) + " " + Left("", 10) + " " + Left(patrol, 18) + " " +
               Left("", 25) + " " + Right("", 12);
    };
    const AnsiString twin = row("", "Twin Brother With A Lon", "Owls");
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{row("", "amy", ""), twin, twin, row("1", "Zed", "")}));
}

TEST_F(ReportFrame, ScoutFilesThatCannotBeReadAreNamedAfterTheReport) {
    WriteScoutWith("Ann", {"<Troop>12</Troop>"});
    WriteScoutWith("Bob", {"<Troop>7</Troop>"});
    WriteScoutWith("Cal", {"<Troop>8</Troop>"});
    f->RefreshScoutList(0);
    // Gone or unreadable between the listing and the report.
    std::filesystem::remove("Bob.scout");
    std::filesystem::remove("Cal.scout");
    std::filesystem::create_directory("Cal.scout");

    RunOnList(f->TroopList1);
    EXPECT_TRUE(f->pnlRpts->Visible());
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0].substr(0, 9), "   12 Ann");
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0],
              "These scout files could not be read, so the report leaves them out:\nBob.scout\nCal.scout");

    // The rank report gives no made-up "Scout" row for them either.
    desktop().QueueInput("S");
    RunOnList(f->AllMeritBadgesEarned1);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(desktop().Messages.size(), 2u);
}

TEST_F(ReportFrame, SortAnswers) {
    struct Case {
        std::optional<AnsiString> answer;
        AnsiString sort;
    } cases[] = {{"t", "T"}, {"Scout please", "S"}, {std::nullopt, "S"}, {"", ""}, {" r", " "}};
    for (const Case& c : cases) {
        desktop().QueueInput(c.answer);
        EXPECT_EQ(f->AskSortOption("Sort by 'T'roop,'S'cout or 'R'ank?", "S"), c.sort);
        EXPECT_EQ(desktop().Inputs.back().caption, "Sort Option");
        EXPECT_EQ(desktop().Inputs.back().prompt, "Sort by 'T'roop,'S'cout or 'R'ank?");
        EXPECT_EQ(desktop().Inputs.back().defaultValue, "S");
    }
}

TEST_F(ReportFrame, PrintPrintsEveryLineAsShownEachTime) {
    WriteScoutWith("Ann", {"<Troop>12</Troop>", "<Phone>555-1234</Phone>"});
    std::vector<AnsiString> shown = Run(f->TroopList1);
    UserInput::Click(f->Button4);
    UserInput::Click(f->Button4);
    ASSERT_EQ(desktop().PrintJobs.size(), 2u);
    for (const auto& job : desktop().PrintJobs) {
        EXPECT_EQ(job.lines, shown);
        EXPECT_EQ(job.title, "");
        EXPECT_EQ(job.fontName, "Courier New");
        EXPECT_EQ(job.fontHeight, -12);
    }
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Sent To Printer", "Sent To Printer"}));
    EXPECT_TRUE(f->pnlRpts->Visible());
    EXPECT_EQ(Items(f->lbRpt->Items()), shown);
}

TEST_F(ReportFrame, PrintingFailureShowsItsMessageOnly) {
    Run(f->TroopList1);
    desktop().PrinterAvailable = false;
    UserInput::Click(f->Button4);
    EXPECT_TRUE(desktop().PrintJobs.empty());
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"There is no default printer"}));
}

TEST_F(ReportFrame, ReportPanelControls) {
    EXPECT_EQ(f->pnlRpts->Left(), 5);
    EXPECT_EQ(f->pnlRpts->Top(), 0);
    EXPECT_EQ(f->pnlRpts->Width(), 932);
    EXPECT_EQ(f->pnlRpts->Height(), 645);
    EXPECT_EQ(f->Button2->Caption(), "Close");
    EXPECT_EQ(f->Button4->Caption(), "Print");
    EXPECT_EQ(f->lbRpt->Font()->Name(), "Courier New");
    EXPECT_EQ(f->lbRpt->Font()->Height(), -15);
    EXPECT_TRUE(f->lbRpt->Font()->Style() & fsBold);
    EXPECT_EQ(f->lbRpt->ItemHeight(), 17);
    EXPECT_FALSE(f->redit->Visible());
    EXPECT_FALSE(f->redit->WordWrap());
    EXPECT_TRUE(f->redit->Font()->Style() & fsBold);
    EXPECT_EQ(f->redit->Font()->Charset(), 0);
    // Tab order: Close, the list, Print, the rich text, the counselor panel.
    std::vector<TWinControl*> order{f->Button2, f->lbRpt, f->Button4, f->redit, f->pnlMBC};
    for (size_t i = 1; i < order.size(); ++i) EXPECT_LT(order[i - 1]->TabOrder(), order[i]->TabOrder());
    for (TControl* c : {(TControl*)f->Button2, (TControl*)f->lbRpt, (TControl*)f->Button4, (TControl*)f->redit,
                        (TControl*)f->pnlMBC})
        EXPECT_EQ(c->Parent(), f->pnlRpts);
    // The counselor panel covers the Close button.
    TControl* close = f->Button2;
    TControl* mbc = f->pnlMBC;
    EXPECT_LE(mbc->Left(), close->Left());
    EXPECT_LE(mbc->Top(), close->Top());
    EXPECT_GE(mbc->Left() + mbc->Width(), close->Left() + close->Width());
    EXPECT_GE(mbc->Top() + mbc->Height(), close->Top() + close->Height());
}

class ReportPanelClose : public ReportFixture {
protected:
    // The counselor editor open with a filled grid.
    void OpenCounselors() {
        f->MBCGrid->SetRowCount(4);
        const AnsiString rows[3][8] = {
            {"Swimming", "Ann Lee", "A", "1 Main St", "Town", "12345", "555-1111", "555-2222"},
            {"", "Nobody", "B", "", "", "", "", ""},
            {"Camping", "Bob Ray", "", "", "Village", "", "555-3333", ""},
        };
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 8; ++c) f->MBCGrid->SetCells(c, r + 1, rows[r][c]);
        f->pnlRpts->Show();
        f->pnlMBC->Show();
    }
};

TEST_F(ReportPanelClose, WithoutTheCounselorEditorOnlyHidesThePanel) {
    Run(f->TroopList1);
    std::vector<AnsiString> lines = Items(f->lbRpt->Items());
    UserInput::Click(f->Button2);
    EXPECT_FALSE(f->pnlRpts->Visible());
    EXPECT_FALSE(FileExists("Counselors.txt"));
    EXPECT_EQ(Items(f->lbRpt->Items()), lines);
}

TEST_F(ReportPanelClose, StoresTheCounselorGridInGridOrder) {
    OpenCounselors();
    UserInput::Click(f->Button2);
    EXPECT_FALSE(f->pnlRpts->Visible());
    EXPECT_FALSE(f->pnlMBC->Visible());
    EXPECT_EQ(ReadFile("Counselors.txt"),
              "Swimming|Ann Lee|A|1 Main St|Town|12345|555-1111|555-2222|\r\n"
              "Camping|Bob Ray|||Village||555-3333||\r\n");
}

TEST_F(ReportPanelClose, StoresSortedWhileTheListIsInSortedMode) {
    OpenCounselors();
    f->lbRpt->SetSorted(true);
    UserInput::Click(f->Button2);
    EXPECT_EQ(ReadFile("Counselors.txt"),
              "Camping|Bob Ray|||Village||555-3333||\r\n"
              "Swimming|Ann Lee|A|1 Main St|Town|12345|555-1111|555-2222|\r\n");
}

TEST_F(ReportPanelClose, FailedStoreIsReportedAndKeepsThePanelsOpen) {
    OpenCounselors();
    WriteFile("Counselors.txt", "Old|line|||||||\r\n");
    std::filesystem::remove("Counselors.txt");
    std::filesystem::create_directory("Counselors.txt");
    UserInput::Click(f->Button2);
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0].rfind("Could not save Counselors.txt: ", 0), 0u) << desktop().Messages[0];
    EXPECT_TRUE(f->pnlRpts->Visible());
    EXPECT_TRUE(f->pnlMBC->Visible());
    EXPECT_EQ(f->MBCGrid->Cells(0, 1), "Swimming");
    EXPECT_FALSE(f->StoreCounselorGrid());
}
