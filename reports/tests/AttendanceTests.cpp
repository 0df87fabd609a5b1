// Meeting attendance: the <Attend> section into the grid (weeks shifting as
// time passes), the grid back into every scout's file, the printed sheet,
// and the faults: answers, dates, files that vanish or cannot be written.
#include "platform/testing/TinyFileLimit.h"
#include "records/tests/WindowFixture.h"

namespace {
const AnsiString Zeros(52, '0');

// The seven week lines of a section whose weeks marked "1" are those given.
std::vector<AnsiString> WeekLines(std::initializer_list<int> attended) {
    AnsiString weeks(364, '0');
    for (int week : attended) weeks[static_cast<size_t>(week - 1)] = '1';
    std::vector<AnsiString> lines;
    for (int l = 0; l < 7; ++l) lines.push_back("   " + weeks.substr(static_cast<size_t>(l) * 52, 52));
    return lines;
}

std::vector<AnsiString> Section(const AnsiString& date, std::initializer_list<int> attended) {
    std::vector<AnsiString> lines{"<Attend>", "   " + date};
    for (const AnsiString& line : WeekLines(attended)) lines.push_back(line);
    lines.push_back("</Attend>");
    return lines;
}

std::vector<AnsiString> Join(std::vector<AnsiString> a, const std::vector<AnsiString>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

class Attendance : public WindowFixture {
protected:
    // Opens the grid through the menu, answering the weeknight question.
    void Open(std::optional<AnsiString> weeknight = AnsiString("3")) {
        f->RefreshScoutList(0);
        desktop().QueueInput(std::move(weeknight));
        UserInput::ClickMenu(f->Attendance1);
    }
    void SaveAndClose() { UserInput::Click(f->Button10); }
    static void SetToday(int year, int month, int day, int laterDays = 0) {
        SetFixedNow(EncodeDate(year, month, day) + laterDays + 0.5);
    }
    // The weeks of a grid row marked "X".
    std::vector<int> Marks(int row) const {
        std::vector<int> weeks;
        for (int week = 1; week <= 24; ++week)
            if (f->gridAttend->Cells(week, row) == "X") weeks.push_back(week);
        return weeks;
    }
    // The <Attend> section at the end of a scout file, as written.
    static std::vector<AnsiString> StoredSection(const AnsiString& name) {
        std::vector<AnsiString> lines = FileLines(name + ".scout");
        int at = IndexOf(lines, "<Attend>");
        if (at < 0) return {};
        return std::vector<AnsiString>(lines.begin() + at, lines.end());
    }
};

TEST_F(Attendance, AScoutWithoutASectionGetsOneWithTheMarkedWeeksAndZerosBeyond) {
    WriteScoutWith("Ann", {"<Updated>01/01/2025</Updated>", "<Patrol>Eagles</Patrol>"});
    Open();
    ASSERT_TRUE(f->pnlAttendance->Visible());
    EXPECT_EQ(f->gridAttend->Cells(0, 0), "Name");
    EXPECT_EQ(f->gridAttend->Cells(0, 1), "Ann");
    EXPECT_TRUE(Marks(1).empty());
    EXPECT_EQ(f->AttendanceMatrix.size(), 1u);

    UserInput::EditCell(f->gridAttend, 1, 1, "X");
    UserInput::EditCell(f->gridAttend, 24, 1, "X");
    SaveAndClose();
    EXPECT_FALSE(f->pnlAttendance->Visible());
    EXPECT_TRUE(f->AttendanceMatrix.empty());
    EXPECT_EQ(StoredSection("Ann"), Section("03/15/2026", {1, 24}));
    EXPECT_EQ(FileLines("Ann.scout").back(), "</Attend>");
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(Attendance, StoredWeeksMoveOneColumnForEveryWeekThatPassed) {
    WriteScout("Ann", Section("03/15/2026", {1, 3, 24, 25, 364}));
    // The same week, a Wednesday: no shift.
    SetToday(2026, 3, 18);
    Open();
    EXPECT_EQ(Marks(1), (std::vector<int>{1, 3, 24}));
    UserInput::Click(f->btnCloseAttendance);
    EXPECT_TRUE(f->AttendanceMatrix.empty());

    // The next week, its Saturday: one week further back, and week 1 empty.
    SetToday(2026, 3, 28);
    Open();
    EXPECT_EQ(Marks(1), (std::vector<int>{2, 4}));
    EXPECT_EQ(f->AttendanceMatrix[0][25], 1);
    EXPECT_EQ(f->AttendanceMatrix[0][26], 1);
    EXPECT_EQ(f->AttendanceMatrix[0][365], 1);  // beyond what is stored: dropped at the save
    SaveAndClose();
    EXPECT_EQ(StoredSection("Ann"), Section("03/22/2026", {2, 4, 25, 26}));
}

TEST_F(Attendance, MarksOlderThanTheGridStayStoredUntilTheyPassTheLastWeek) {
    WriteScout("Ann", Section("03/15/2026", {1}));
    SetToday(2026, 3, 15, 7 * 24);  // 24 weeks later
    Open();
    EXPECT_TRUE(Marks(1).empty());
    SaveAndClose();
    EXPECT_EQ(StoredSection("Ann"), Section(DateToStr(EncodeDate(2026, 3, 15) + 7 * 24), {25}));

    SetToday(2026, 3, 15, 7 * 363);
    Open();
    SaveAndClose();
    EXPECT_EQ(StoredSection("Ann"), Section(DateToStr(EncodeDate(2026, 3, 15) + 7 * 363), {364}));
    SetToday(2026, 3, 15, 7 * 364);
    Open();
    SaveAndClose();
    EXPECT_EQ(StoredSection("Ann"), Section(DateToStr(EncodeDate(2026, 3, 15) + 7 * 364), {}));
}

TEST_F(Attendance, OnlyTheFirstLineThatIsTheOpenTagOpensTheSection) {
    // The tag inside a longer line, or after a "|" that ends a line's text,
    // opens nothing. The true one stands at every offset of a stretch of the
    // file, its first and last places included.
    for (size_t filler = 0; filler <= 70; ++filler) {
        WriteScout("Ann", {"<Scout>", "   <Note>bring <Attend> forms</Note>", "   x|<Attend>",
                           "   " + AnsiString(filler, 'f'), "  <Attend>  ", "   03/15/2026", "   01", "</Attend>"});
        Open();
        ASSERT_TRUE(f->pnlAttendance->Visible());
        EXPECT_EQ(Marks(1), (std::vector<int>{2})) << filler;
        UserInput::Click(f->btnCloseAttendance);
    }
    // A file that is only the section, without its week lines, up to its end.
    WriteFile("Ann.scout", "<Attend>\n03/15/2026");
    Open();
    EXPECT_TRUE(Marks(1).empty());
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(Attendance, AStrayOrSecondSectionNeverCostsTheStoredWeeks) {
    // An open tag written twice, or an empty section before the true one:
    // the stored weeks are read and saved again.
    WriteScout("Ann", Join({"<Attend>"}, Section("03/15/2026", {2})));
    WriteScout("Ben", Join({"<Attend>", "</Attend>"}, Section("03/15/2026", {3})));
    Open();
    EXPECT_EQ(Marks(1), (std::vector<int>{2}));
    EXPECT_EQ(Marks(2), (std::vector<int>{3}));
    SaveAndClose();
    EXPECT_EQ(FileLines("Ann.scout"), Join({"01/01/2025"}, Section("03/15/2026", {2})));
    EXPECT_EQ(FileLines("Ben.scout"), Join({"01/01/2025"}, Section("03/15/2026", {3})));
    // Two sections that hold weeks: one would be lost, so nothing opens.
    WriteScout("Ben", Join(Section("03/15/2026", {1}), Section("03/08/2026", {4})));
    const std::string before = ReadFile("Ben.scout");
    Open();
    EXPECT_FALSE(f->pnlAttendance->Visible());
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0].rfind("Ben.scout holds more than one <Attend> section", 0), 0u);
    EXPECT_EQ(ReadFile("Ben.scout"), before);
}

TEST_F(Attendance, AReferenceDateInTheFutureGivesNoShift) {
    WriteScout("Ann", Section("06/07/2026", {2}));
    Open();
    EXPECT_EQ(Marks(1), (std::vector<int>{2}));
}

TEST_F(Attendance, WeekHeadingsAreTheMeetingDatesOfThisWeekAndTheWeeksBefore) {
    WriteScoutWith("Ann", {});
    SetToday(2026, 3, 26);  // a Thursday: the meeting was on Tuesday
    Open();
    EXPECT_EQ(f->gridAttend->Cells(1, 0), "03/24");
    EXPECT_EQ(f->gridAttend->Cells(2, 0), "03/17");
    EXPECT_EQ(f->gridAttend->Cells(24, 0), "10/14");
    EXPECT_EQ(f->WeekReference, EncodeDate(2026, 3, 22));
    UserInput::Click(f->btnCloseAttendance);

    SetToday(2026, 3, 15);  // a Sunday: the meeting is on the coming Tuesday
    Open(std::nullopt);     // Cancel answers "3"
    EXPECT_EQ(desktop().Inputs.back().caption, "Meeting Weeknight");
    EXPECT_EQ(desktop().Inputs.back().prompt, "Enter Scout night numeric day of week (Sunday=1): ");
    EXPECT_EQ(desktop().Inputs.back().defaultValue, "3");
    EXPECT_EQ(f->gridAttend->Cells(1, 0), "03/17");
    EXPECT_EQ(f->WeekReference, EncodeDate(2026, 3, 15));

    // A day and month of one digit keep the slash's place in the text.
    UserInput::Click(f->btnCloseAttendance);
    SetShortDateFormat("M/d/yyyy");
    SetToday(2026, 1, 8);
    Open("5");
    EXPECT_EQ(f->gridAttend->Cells(1, 0), "1/8");
    EXPECT_EQ(f->gridAttend->Cells(2, 0), "1/1");
    EXPECT_EQ(f->gridAttend->Cells(3, 0), "12/25");
}

TEST_F(Attendance, AWeeknightThatIsNoDayOfTheWeekOpensNothing) {
    WriteScoutWith("Ann", {});
    const std::string before = ReadFile("Ann.scout");
    for (const char* answer : {"x", "", "0", "8", "-1"}) {
        Open(AnsiString(answer));
        EXPECT_FALSE(f->pnlAttendance->Visible()) << answer;
        ASSERT_FALSE(desktop().Messages.empty());
    }
    EXPECT_EQ(desktop().Messages[0], "'x' is not a valid integer value");
    EXPECT_EQ(desktop().Messages[2], "'0' is not a day of the week: enter 1 (Sunday) to 7 (Saturday).");
    EXPECT_EQ(ReadFile("Ann.scout"), before);
}

TEST_F(Attendance, AnOpeningThatStopsLeavesTheShownGridAndWhatItSaves) {
    WriteScoutWith("Ann", {"<Updated>01/01/2025</Updated>", "<Patrol>Eagles</Patrol>"});
    Open();
    UserInput::EditCell(f->gridAttend, 2, 1, "X");
    SetToday(2026, 3, 22);  // a week later: a new opening would head and save other weeks
    // Refused answers, and Cancel, which leaves a shown grid as it is.
    for (std::optional<AnsiString> answer : {std::optional<AnsiString>("9"), std::optional<AnsiString>("x"),
                                             std::optional<AnsiString>()})
        Open(answer);
    // A scout loaded meanwhile whose save fails.
    Load("Ann");
    f->editPatrol->SetText("Hawks");
    desktop().QueueInput(AnsiString("3"));
    desktop().QueueYesNo(false);  // keep the scout that could not be saved
    {
        TinyFileLimit limit(10);
        UserInput::ClickMenu(f->Attendance1);
    }
    ASSERT_EQ(desktop().Messages.size(), 3u);
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_TRUE(f->pnlAttendance->Visible());
    EXPECT_EQ(f->gridAttend->Cells(0, 1), "Ann");
    EXPECT_EQ(f->gridAttend->Cells(1, 0), "03/17");
    EXPECT_EQ(Marks(1), (std::vector<int>{2}));

    SaveAndClose();
    EXPECT_FALSE(f->pnlAttendance->Visible());
    EXPECT_EQ(StoredSection("Ann"), Section("03/15/2026", {2}));
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "<Patrol>Hawks</Patrol>"));
}

TEST_F(Attendance, AStoredDateThatIsNoDateStopsTheOpeningNamingTheFile) {
    WriteScoutWith("Ann", {});
    WriteScout("Ben", {"<Attend>", "   someday", "   1", "</Attend>"});
    Open();
    EXPECT_FALSE(f->pnlAttendance->Visible());
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0], "Ben.scout: 'someday' is not a valid date");
}

TEST_F(Attendance, AnythingButNothingOrOneBlankCountsAsAttended) {
    WriteScoutWith("Ann", {});
    Open();
    const char* cells[] = {"X", "x", "1", "0", "  ", "ok", " ", ""};
    for (int week = 1; week <= 8; ++week) UserInput::EditCell(f->gridAttend, week, 1, cells[week - 1]);
    SaveAndClose();
    EXPECT_EQ(StoredSection("Ann")[2], "   111111" + AnsiString(46, '0'));
}

TEST_F(Attendance, TheRewriteTrimsBlanksKeepsEveryTabAndPutsTheSectionLast) {
    WriteScout("Ann", Join(Join({"   <Scout>", "   <Updated>01/01/2025</Updated>", "      <Patrol>Eagles</Patrol>   ", "   </Scout>"},
                                Section("03/08/2026", {1})),
                           {"<Pos>", "   \t--Current--\tSPL", "01/01/2025\t02/02/2025\t", "</Pos>",
                            "  <Camps>", "  ", "</Camps>"}));
    Open();
    EXPECT_EQ(Marks(1), (std::vector<int>{2}));
    SaveAndClose();
    EXPECT_EQ(FileLines("Ann.scout"),
              Join({"01/01/2025", "<Scout>", "<Updated>01/01/2025</Updated>", "<Patrol>Eagles</Patrol>", "</Scout>", "<Pos>", "\t--Current--\tSPL",
                    "01/01/2025\t02/02/2025\t", "</Pos>", "<Camps>", "</Camps>"},
                   Section("03/15/2026", {2})));

    // The entries read back with every field where it was.
    f->RefreshScoutList(0);
    Load("Ann");
    EXPECT_EQ(f->lbPositions->Items()->Lines(),
              (std::vector<AnsiString>{"\t--Current--\tSPL", "01/01/2025\t02/02/2025\t"}));
    EXPECT_EQ(f->editPatrol->Text(), "Eagles");
}

TEST_F(Attendance, TextTheLinesCannotKeepIsKeptAsideBeforeTheRewrite) {
    WriteFile("Ann.scout", "01/01/2025\r<Scout>\r   <Note>a|b</Note>\r</Scout>\r");
    const std::string before = ReadFile("Ann.scout");
    WriteScoutWith("Ben", {});
    Open();
    SaveAndClose();
    EXPECT_EQ(ReadFile("Ann.scout.orig"), before);
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_NE(desktop().Messages[0].find("\nAnn.scout.orig"), AnsiString::npos) << desktop().Messages[0];
    EXPECT_FALSE(FileExists("Ben.scout.orig"));
    // Lines ended by carriage returns alone are lines all the same.
    EXPECT_EQ(FileLines("Ann.scout"),
              Join({"01/01/2025", "<Scout>", "<Note>a", "</Scout>"}, Section("03/15/2026", {})));
    EXPECT_FALSE(f->pnlAttendance->Visible());
}

TEST_F(Attendance, ASectionWithoutItsCloseTagTakesNothingAfterIt) {
    WriteScout("Ann", {"<Attend>", "   03/15/2026", "   1", "<Pos>", "a\tb\tc", "</Pos>"});
    // The digits of the sections after it are no weeks; a section without a date line holds none.
    WriteScout("Ben", {"<Attend>", "   03/15/2026", "   01", "<Serv>", "1111", "</Serv>"});
    WriteScout("Cal", {"<Attend>", "<Serv>", "1111", "</Serv>"});
    Open();
    EXPECT_EQ(Marks(1), (std::vector<int>{1}));
    EXPECT_EQ(Marks(2), (std::vector<int>{2}));
    EXPECT_TRUE(Marks(3).empty());
    EXPECT_TRUE(desktop().Messages.empty());
    SaveAndClose();
    EXPECT_EQ(FileLines("Ann.scout"),
              Join({"01/01/2025", "<Pos>", "a\tb\tc", "</Pos>"}, Section("03/15/2026", {1})));
    EXPECT_EQ(FileLines("Ben.scout"),
              Join({"01/01/2025", "<Serv>", "1111", "</Serv>"}, Section("03/15/2026", {2})));
    EXPECT_EQ(StoredSection("Cal"), Section("03/15/2026", {}));
}

TEST_F(Attendance, OpeningSavesAndUnloadsTheLoadedScout) {
    WriteScoutWith("Ann", {"<Updated>01/01/2025</Updated>", "<Patrol>Eagles</Patrol>"});
    f->RefreshScoutList(0);
    Load("Ann");
    f->editPatrol->SetText("Hawks");
    Open();
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <Patrol>Hawks</Patrol>"));
}

TEST_F(Attendance, RowsAreSavedIntoTheFilesOfTheScoutsTheyShow) {
    WriteScoutWith("Ann", {});
    WriteScoutWith("Ben", {});
    WriteScoutWith("Cal", {});
    Open();
    UserInput::EditCell(f->gridAttend, 1, 2, "X");  // Ben
    UserInput::EditCell(f->gridAttend, 0, 2, "Cal");  // a name is not edited
    EXPECT_EQ(f->gridAttend->Cells(0, 2), "Ben");

    // The list changes while the grid is shown: Ann is gone, a new scout came.
    DeleteFile("Ann.scout");
    WriteScoutWith("Abe", {});
    f->RefreshScoutList(0);
    ASSERT_EQ(f->cboSCTs->Items()->Lines(), (std::vector<AnsiString>{"Abe", "Ben", "Cal"}));
    SaveAndClose();
    EXPECT_FALSE(f->pnlAttendance->Visible());
    EXPECT_EQ(desktop().Messages,
              (std::vector<AnsiString>{"The files of these scouts are gone, so their attendance was not saved:\nAnn"}));
    EXPECT_FALSE(FileExists("Ann.scout"));  // no file is made for a scout whose file went
    EXPECT_EQ(StoredSection("Ben"), Section("03/15/2026", {1}));
    EXPECT_EQ(StoredSection("Cal"), Section("03/15/2026", {}));
    EXPECT_TRUE(StoredSection("Abe").empty());
}

TEST_F(Attendance, AListedScoutWithoutAFileShowsNoMarks) {
    WriteScoutWith("Ann", {});
    f->RefreshScoutList(0);
    f->cboSCTs->Items()->Add("Ghost");
    desktop().QueueInput(AnsiString("3"));
    UserInput::ClickMenu(f->Attendance1);
    ASSERT_TRUE(f->pnlAttendance->Visible());
    EXPECT_EQ(f->gridAttend->Cells(0, 2), "Ghost");
    UserInput::EditCell(f->gridAttend, 1, 2, "X");
    SaveAndClose();
    EXPECT_FALSE(FileExists("Ghost.scout"));
    EXPECT_FALSE(f->pnlAttendance->Visible());
}

TEST_F(Attendance, FilesThatCannotBeWrittenAreNamedAndKeepTheirOldContent) {
    WriteScoutWith("Ann", {});
    std::vector<AnsiString> big{"<Scout>"};
    for (int i = 0; i < 40; ++i) big.push_back("   <Note" + IntToStr(i) + ">" + AnsiString(40, 'n') + "</Note" + IntToStr(i) + ">");
    big.push_back("</Scout>");
    WriteScout("Ben", big);
    const std::string benBefore = ReadFile("Ben.scout");
    Open();
    UserInput::EditCell(f->gridAttend, 1, 1, "X");
    UserInput::EditCell(f->gridAttend, 2, 2, "X");
    {
        TinyFileLimit limit(1000);  // room for Ann's file, not for Ben's
        SaveAndClose();
    }
    ASSERT_EQ(desktop().Messages.size(), 1u);
    EXPECT_EQ(desktop().Messages[0].rfind("The attendance of these scouts could not be saved:\n"
                                          "Cannot create file \"Ben.scout\". ", 0),
              0u)
        << desktop().Messages[0];
    EXPECT_EQ(ReadFile("Ben.scout"), benBefore);
    EXPECT_EQ(StoredSection("Ann"), Section("03/15/2026", {1}));  // written files stay written
    EXPECT_TRUE(f->pnlAttendance->Visible());
    EXPECT_EQ(Marks(2), (std::vector<int>{2}));

    SaveAndClose();  // room again
    EXPECT_FALSE(f->pnlAttendance->Visible());
    EXPECT_EQ(StoredSection("Ann"), Section("03/15/2026", {1}));
    EXPECT_EQ(StoredSection("Ben"), Section("03/15/2026", {2}));
}

TEST_F(Attendance, AScoutLoadedWhileTheGridIsShownIsSavedBeforeTheGrid) {
    WriteScoutWith("Ann", {"<Updated>01/01/2025</Updated>", "<Patrol>Eagles</Patrol>"});
    Open();
    UserInput::EditCell(f->gridAttend, 1, 1, "X");
    Load("Ann");
    f->editPatrol->SetText("Hawks");
    SaveAndClose();
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "<Patrol>Hawks</Patrol>"));
    EXPECT_EQ(StoredSection("Ann"), Section("03/15/2026", {1}));
}

TEST_F(Attendance, MoreThanThreeHundredScoutsAreShownAndSaved) {
    for (int i = 0; i < 320; ++i) WriteScoutWith("Scout " + IntToStr(1000 + i), {});
    Open();
    ASSERT_EQ(f->gridAttend->RowCount(), 321);
    EXPECT_EQ(f->gridAttend->Cells(0, 320), "Scout 1319");
    UserInput::EditCell(f->gridAttend, 3, 320, "X");
    SaveAndClose();
    EXPECT_EQ(StoredSection("Scout 1319"), Section("03/15/2026", {3}));
}

TEST_F(Attendance, CloseWithoutSavingTouchesNoFile) {
    WriteScout("Ann", Section("03/08/2026", {1}));
    const std::string before = ReadFile("Ann.scout");
    Open();
    UserInput::EditCell(f->gridAttend, 1, 1, "X");
    UserInput::Click(f->btnCloseAttendance);
    EXPECT_FALSE(f->pnlAttendance->Visible());
    EXPECT_EQ(ReadFile("Ann.scout"), before);
}

TEST_F(Attendance, ThePrintedSheetShowsSevenWeeksOfEveryRowWithBorders) {
    WriteScout("Ann", Section("03/15/2026", {1, 2, 8}));
    WriteScoutWith("Benjamin Alexander Montgomery-Smith", {});
    Open();
    UserInput::EditCell(f->gridAttend, 7, 2, "x");  // not saved, still printed
    UserInput::Click(f->Button9);

    ASSERT_EQ(desktop().PrintJobs.size(), 1u);
    const AnsiString border = "+------------------------------+-----+-----+-----+-----+-----+-----+-----+";
    EXPECT_EQ(desktop().PrintJobs[0].lines,
              (std::vector<AnsiString>{
                  "Attendance Sheet", " ", " ", border,
                  "|Name                          |03/17|03/10|03/03|02/24|02/17|02/10|02/03|", border,
                  "|Ann                           |  X  |  X  |     |     |     |     |     |", border,
                  "|Benjamin Alexander Montgomery-|     |     |     |     |     |     |  x  |", border}));
    EXPECT_EQ(border.size(), 74u);
    EXPECT_EQ(desktop().Messages.back(), "Sent To Printer");
    EXPECT_TRUE(f->pnlAttendance->Visible());
}
