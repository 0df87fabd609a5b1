// The counselor list: Counselors.txt into the grid and back, rows added and
// deleted, the printed boxes, and a write that fails.
#include "platform/testing/TinyFileLimit.h"
#include "records/tests/WindowFixture.h"

class Counselors : public WindowFixture {
protected:
    void Open() { UserInput::ClickMenu(f->Counselors1); }
    std::vector<AnsiString> Row(int row) const {
        std::vector<AnsiString> cells;
        for (int col = 0; col < 8; ++col) cells.push_back(f->MBCGrid->Cells(col, row));
        return cells;
    }
    std::vector<AnsiString> Badges() const {
        std::vector<AnsiString> badges;
        for (int row = 1; row < f->MBCGrid->RowCount(); ++row) badges.push_back(f->MBCGrid->Cells(0, row));
        return badges;
    }
    void FillRow(int row, const std::vector<AnsiString>& cells) {
        for (size_t col = 0; col < cells.size(); ++col) f->MBCGrid->SetCells(static_cast<int>(col), row, cells[col]);
    }
    bool Shown() const { return f->pnlMBC->Visible() && f->pnlRpts->Visible(); }
    bool Hidden() const { return !f->pnlMBC->Visible() && !f->pnlRpts->Visible(); }
};

TEST_F(Counselors, TheFileOpensSortedAndSavesBackInGridOrderWithLineFeeds) {
    WriteFile("Counselors.txt",
              "Swimming|Diana Lopez|T|90 Main Street|Riverton|97101|555-0133||\r\n"
              "camping|Tom Brooks|T|14 Pine Street|Riverton|97101|555-0120|555-0121|\r\n"
              "Camping|Ann Bell|D|5 Oak Lane|Hillsdale|97105|555-0199||\n");
    Open();
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Row(0), (std::vector<AnsiString>{"Merit Badge", "Counselor", "Loc", "Address", "City", "Zip", "Phone",
                                               "Phone2"}));
    EXPECT_EQ(f->MBCGrid->RowCount(), 4);
    // Sorted by whole line, letters without regard to case: the counselors of one badge by name.
    EXPECT_EQ(Row(1), (std::vector<AnsiString>{"Camping", "Ann Bell", "D", "5 Oak Lane", "Hillsdale", "97105",
                                               "555-0199", ""}));
    EXPECT_EQ(Row(2)[1], "Tom Brooks");
    EXPECT_EQ(Row(3)[0], "Swimming");
    EXPECT_EQ(Row(3)[7], "");
    EXPECT_TRUE(f->lbRpt->Sorted());

    UserInput::Click(f->btnCloseCnslrs);
    EXPECT_TRUE(Hidden());
    EXPECT_EQ(ReadFile("Counselors.txt"),
              "Camping|Ann Bell|D|5 Oak Lane|Hillsdale|97105|555-0199||\n"
              "camping|Tom Brooks|T|14 Pine Street|Riverton|97101|555-0120|555-0121|\n"
              "Swimming|Diana Lopez|T|90 Main Street|Riverton|97101|555-0133||\n");
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(Counselors, CellsKeepTheirBlanksAndOddLinesReadAsFarAsTheGridGoes) {
    WriteFile("Counselors.txt",
              "A| two  |||||||\n"          // blanks kept, empty fields
              "\n"                          // an empty line: an empty row
              "B|1|2|3|4|5|6|7|8|9|\n"      // more than eight fields: the first eight
              "C|x|rest without bar\n");    // a text after the last bar is a last field
    Open();
    EXPECT_EQ(Badges(), (std::vector<AnsiString>{"", "A", "B", "C"}));
    EXPECT_EQ(Row(2), (std::vector<AnsiString>{"A", " two  ", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(3), (std::vector<AnsiString>{"B", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Row(4), (std::vector<AnsiString>{"C", "x", "rest without bar", "", "", "", "", ""}));

    // The empty row has no Merit Badge and is not saved; nor is a row whose
    // only text is in other cells: the save names it and asks first.
    const std::string before = ReadFile("Counselors.txt");
    f->MBCGrid->SetCells(3, 1, "Somewhere");
    desktop().QueueYesNo(false);
    UserInput::Click(f->btnCloseCnslrs);
    ASSERT_EQ(desktop().Questions.size(), 1u);
    EXPECT_EQ(desktop().Questions[0],
              "Rows without a merit badge are not saved. Save the others and close?\nRow 1: Somewhere");
    EXPECT_TRUE(Shown());
    EXPECT_EQ(ReadFile("Counselors.txt"), before);
    EXPECT_EQ(Row(1)[3], "Somewhere");

    desktop().QueueYesNo(true);
    UserInput::Click(f->btnCloseCnslrs);
    EXPECT_TRUE(Hidden());
    EXPECT_EQ(ReadFile("Counselors.txt"),
              "A| two  |||||||\nB|1|2|3|4|5|6|7|\nC|x|rest without bar||||||\n");
}

TEST_F(Counselors, AddedRowsStayLastUntilTheListIsOpenedAgain) {
    WriteFile("Counselors.txt", "Hiking|Tom Brooks|||||||\n");
    Open();
    UserInput::Click(f->btnAddC);
    EXPECT_EQ(f->MBCGrid->RowCount(), 3);
    FillRow(2, {"Archery", "Rachel Kim"});
    UserInput::Click(f->btnCloseCnslrs);
    EXPECT_EQ(ReadFile("Counselors.txt"), "Hiking|Tom Brooks|||||||\nArchery|Rachel Kim|||||||\n");
    Open();
    EXPECT_EQ(Badges(), (std::vector<AnsiString>{"Archery", "Hiking"}));
}

TEST_F(Counselors, DeletingTheMiddleRowMovesEveryCellUpAndTheOnlyRowIsEmptied) {
    WriteFile("Counselors.txt", "A|1|2|3|4|5|6|7|\nB|1|2|3|4|5|6|7|\nC|c1|c2|c3|c4|c5|c6|c7|\n");
    Open();
    f->MBCGrid->SetRow(2);
    UserInput::Click(f->btnDelC);
    EXPECT_EQ(f->MBCGrid->RowCount(), 3);
    EXPECT_EQ(Row(1)[0], "A");
    EXPECT_EQ(Row(2), (std::vector<AnsiString>{"C", "c1", "c2", "c3", "c4", "c5", "c6", "c7"}));

    f->MBCGrid->SetRow(2);
    UserInput::Click(f->btnDelC);
    f->MBCGrid->SetRow(1);
    UserInput::Click(f->btnDelC);
    EXPECT_EQ(f->MBCGrid->RowCount(), 2);
    EXPECT_EQ(Row(1), std::vector<AnsiString>(8, ""));
    EXPECT_EQ(Row(0)[0], "Merit Badge");

    UserInput::Click(f->btnCloseCnslrs);
    EXPECT_EQ(ReadFile("Counselors.txt"), "");  // no merit badge left: an empty file
    EXPECT_TRUE(FileExists("Counselors.txt"));
}

TEST_F(Counselors, WithoutAFileTheGridHasOneEmptyRowAndSavingCreatesTheFile) {
    WriteFile("Counselors.txt", "Hiking|Tom Brooks|||||||\n");
    Open();
    UserInput::Click(f->btnCloseNoSave);
    EXPECT_TRUE(Hidden());
    DeleteFile("Counselors.txt");

    Open();
    EXPECT_TRUE(Shown());
    EXPECT_EQ(f->MBCGrid->RowCount(), 2);
    EXPECT_EQ(Row(1), std::vector<AnsiString>(8, ""));  // nothing left from the last opening
    EXPECT_EQ(f->lbRpt->Items()->Count(), 0);
    FillRow(1, {"Cooking", "Rachel Kim", "D", "5 Valley View", "Hillsdale", "97105", "555-0155", "555-0156"});
    UserInput::Click(f->btnCloseCnslrs);
    EXPECT_EQ(ReadFile("Counselors.txt"),
              "Cooking|Rachel Kim|D|5 Valley View|Hillsdale|97105|555-0155|555-0156|\n");
}

TEST_F(Counselors, CloseWithoutSavingLeavesTheFileAndTheNextOpeningReloadsIt) {
    WriteFile("Counselors.txt", "Hiking|Tom Brooks|||||||\r\n");
    Open();
    FillRow(1, {"Changed"});
    UserInput::Click(f->btnCloseNoSave);
    EXPECT_EQ(ReadFile("Counselors.txt"), "Hiking|Tom Brooks|||||||\r\n");
    EXPECT_EQ(f->MBCGrid->Cells(0, 1), "Changed");  // the edit stays until the next opening
    Open();
    EXPECT_EQ(f->MBCGrid->Cells(0, 1), "Hiking");
}

TEST_F(Counselors, CellsRefuseWhatWouldSplitAField) {
    Open();
    UserInput::EditCell(f->MBCGrid, 1, 1, "Tom|Brooks\r\n\tJr.");
    EXPECT_EQ(f->MBCGrid->Cells(1, 1), "TomBrooksJr.");
    EXPECT_GT(desktop().Beeps, 0);
    UserInput::EditCell(f->MBCGrid, 0, 1, "First Aid <EMT>");
    EXPECT_EQ(f->MBCGrid->Cells(0, 1), "First Aid <EMT>");
}

TEST_F(Counselors, ARowTakesNoMoreThanReadsBackWhole) {
    Open();
    UserInput::EditCell(f->MBCGrid, 0, 1, "Hiking " + AnsiString(1200, 'h'));  // read whole before the first "|"
    UserInput::EditCell(f->MBCGrid, 1, 1, AnsiString(500, 'a'));
    const int beeps = desktop().Beeps;
    UserInput::EditCell(f->MBCGrid, 7, 1, AnsiString(493, 'z'));  // 500 + 6 bars + 493 = 999
    EXPECT_EQ(desktop().Beeps, beeps);
    const std::vector<AnsiString> row = Row(1);
    EXPECT_EQ(row[7], AnsiString(493, 'z'));
    UserInput::EditCell(f->MBCGrid, 7, 1, AnsiString(494, 'z'));
    UserInput::EditCell(f->MBCGrid, 4, 1, "Riverton");
    EXPECT_EQ(desktop().Beeps, beeps + 2);
    EXPECT_EQ(Row(1), row);  // a full row takes no more: the cells keep what they held

    UserInput::Click(f->btnCloseCnslrs);
    const std::string saved = ReadFile("Counselors.txt");
    Open();
    EXPECT_EQ(Row(1), row);
    UserInput::Click(f->btnCloseCnslrs);
    EXPECT_EQ(ReadFile("Counselors.txt"), saved);
}

TEST_F(Counselors, AFailedWriteIsReportedAndKeepsThePanelsTheGridAndTheOldFile) {
    const std::string before = "Hiking|Tom Brooks|T|14 Pine Street|Riverton|97101|555-0120||\n";
    WriteFile("Counselors.txt", before);
    Open();
    FillRow(1, {"Hiking", "Tom Brooks, with a much longer line than the file may take now"});
    {
        TinyFileLimit full(8);
        UserInput::Click(f->btnCloseCnslrs);
    }
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0].rfind("Could not save Counselors.txt: Cannot create file \"Counselors.txt\". ", 0),
              0u)
        << desktop().Messages[0];
    EXPECT_TRUE(Shown());
    EXPECT_EQ(f->MBCGrid->Cells(1, 1), "Tom Brooks, with a much longer line than the file may take now");
    EXPECT_EQ(ReadFile("Counselors.txt"), before);

    UserInput::Click(f->btnCloseCnslrs);  // room again: the save goes through
    EXPECT_TRUE(Hidden());
    EXPECT_EQ(FileLines("Counselors.txt")[0],
              "Hiking|Tom Brooks, with a much longer line than the file may take now|T|14 Pine Street|Riverton|97101|"
              "555-0120||");
}

TEST_F(Counselors, TheLoadedScoutStaysLoaded) {
    WriteScoutWith("Ann", {"<Updated>01/01/2025</Updated>", "<Patrol>Eagles</Patrol>"});
    f->RefreshScoutList(0);
    Load("Ann");
    Open();
    UserInput::Click(f->btnCloseCnslrs);
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->editPatrol->Text(), "Eagles");
}

TEST_F(Counselors, PrintingGivesTheTitleAndOneBoxPerRowHeadingsIncluded) {
    WriteFile("Counselors.txt",
              "Environmental Science and Sustainability|Diana Lopez|T|90 Main Street|Riverton|97101|555-0133||\n"
              "Hiking|Tom Brooks|T|14 Pine Street|Riverton|97101|555-0120|555-0121|\n");
    Open();
    FillRow(2, {"Hiking", "Tom Brooks (unsaved)"});
    UserInput::Click(f->btnCPrint);

    ASSERT_EQ(desktop().PrintJobs.size(), 1u);
    const std::vector<AnsiString>& printed = desktop().PrintJobs[0].lines;
    ASSERT_EQ(printed.size(), 3u + 3 * 6);
    EXPECT_EQ(std::vector<AnsiString>(printed.begin(), printed.begin() + 3),
              (std::vector<AnsiString>{"Councelor List", " ", " "}));
    const std::vector<AnsiString> headings(printed.begin() + 3, printed.begin() + 9);
    EXPECT_EQ(headings, (std::vector<AnsiString>{
                            "+---------------------------|-----------------------------|-----|----------+",
                            "|Merit Badge                |Counselor                    |Loc  |Phone     |",
                            "+---------------------------|--------|---------------|----|-----|----------+",
                            "|Address                             |City           |Zip       |Phone2    |",
                            "+------------------------------------|---------------|----------|----------+",
                            "  "}));
    EXPECT_EQ(printed[10], "|Environmental Science and S|Diana Lopez                  |T    |555-0133  |");
    EXPECT_EQ(printed[12], "|90 Main Street                      |Riverton       |97101     |          |");
    EXPECT_EQ(printed[16], "|Hiking                     |Tom Brooks (unsaved)         |T    |555-0120  |");
    EXPECT_EQ(printed[18], "|14 Pine Street                      |Riverton       |97101     |555-0121  |");
    // Every line of a box is as wide as its borders, and its bars stand on the borders' column bounds.
    for (size_t i = 3; i < printed.size(); i += 6)
        for (size_t j = i; j < i + 5; ++j) EXPECT_EQ(printed[j].size(), 76u) << printed[j];
    ASSERT_FALSE(desktop().Messages.empty());
    EXPECT_EQ(desktop().Messages.back(), "Sent To Printer");
    EXPECT_TRUE(Shown());
    EXPECT_FALSE(f->lbRpt->Sorted());
}
