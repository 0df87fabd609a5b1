// Reports > Current Positions Held.
#include "reports/tests/ReportFixture.h"

class PositionsReport : public ReportFixture {
protected:
    static AnsiString Row(const AnsiString& scout, const AnsiString& from, const AnsiString& to,
                          const AnsiString& position) {
        return Left(scout, 30) + "  " + Left(from, 10) + "  " + Left(to, 10) + "  " + position;
    }
};

TEST_F(PositionsReport, CurrentEntriesOnly) {
    WriteScout("Ann", {"<Pos>", "09/01/2025\t--Current--\tPatrol Leader", "01/01/2025\t06/01/2025\tScribe",
                       "02/01/2026\t--Current--\tQuartermaster", "</Pos>", "<Camps>",
                       "07/01/2025\t--Current--\tSummer Camp", "</Camps>"});
    WriteScout("Bob", {"<Pos>", "</Pos>"});
    std::vector<AnsiString> lines = Run(f->PositionsReport1);
    EXPECT_EQ(std::vector<AnsiString>(lines.begin(), lines.begin() + 5),
              TopLines("List of Current positions held",
                       "Scout Name                        From          To      Position",
                       "------------------------------  ----------  ----------  --------------------------"));
    // Two current positions of one scout, sorted by their start text.
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{Row("Ann", "02/01/2026", "--Current-", "Quartermaster"),
                                               Row("Ann", "09/01/2025", "--Current-", "Patrol Leader")}));
}

TEST_F(PositionsReport, EntriesWithEmptyFieldsKeepTheirColumns) {
    // As stored by a save and read back trimmed: the empty start or text lost its TAB.
    WriteScout("Ann", {"<Pos>", "\t--Current--\tDen Chief", "03/03/2025\t--Current--\t", "   \t--Current--\t  ",
                       "</Pos>"});
    Run(f->PositionsReport1);
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{Row("Ann", "", "--Current-", ""), Row("Ann", "", "--Current-", "Den Chief"),
                                               Row("Ann", "03/03/2025", "--Current-", "")}));
}

TEST_F(PositionsReport, LongPositionTextIsNotCutAndTheFileMayEndInsideTheSection) {
    const AnsiString title(300, 'x');
    WriteScout("Ann", {"<Pos>", "01/01/2026\t--Current--\t" + title});
    Run(f->PositionsReport1);
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{Row("Ann", "01/01/2026", "--Current-", title)}));
}
