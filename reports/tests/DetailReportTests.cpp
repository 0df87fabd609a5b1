// Reports > Scout Detail and Reports > Progress Detail: the lines of both
// reports, the save before and the reload after.
#include <sys/stat.h>

#include "platform/testing/TinyFileLimit.h"
#include "records/tests/SheetFixture.h"

namespace {

AnsiString Pad(const AnsiString& text, size_t width) { return (text + AnsiString(width, ' ')).substr(0, width); }
AnsiString Row(const AnsiString& left, const AnsiString& right) { return Pad(left, 30) + "   " + Pad(right, 30); }
const AnsiString Dashes56(56, '-');

std::vector<AnsiString> Section(const AnsiString& name, const std::vector<AnsiString>& elements) {
    std::vector<AnsiString> lines{"<" + name + ">"};
    for (const auto& e : elements) lines.push_back("   " + e);
    lines.push_back("</" + name + ">");
    return lines;
}

std::vector<AnsiString> Joined(std::initializer_list<std::vector<AnsiString>> parts) {
    std::vector<AnsiString> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<AnsiString> Badge(const AnsiString& kind, const AnsiString& name, bool completed) {
    std::vector<AnsiString> elements{"<Started>01/01/2025</Started>"};
    if (completed) elements.push_back("<Completed>02/02/2025</Completed>");
    return Section(kind + " " + name, elements);
}

// The loader passes over the first line of <Scout>, which the program writes as <Updated>.
const std::vector<AnsiString> LuisPersonal = {
    "<Updated>01/01/2025</Updated>", "<Patrol>Eagles</Patrol>",   "<Troop>214</Troop>",          "<Address>7 Canyon Road</Address>",
    "<City>Riverton</City>",     "<State>OR</State>",           "<Zip>97101</Zip>",
    "<Phone>555-0113</Phone>",   "<Birthdate>08/21/2012</Birthdate>", "<Meddate>06/30/2026</Meddate>",
    "<Medform>2</Medform>",      "<Email>garcia@example.org</Email>"};

const AnsiString Weeks1 = "1101" + AnsiString(48, '0');

}  // namespace

class DetailReport : public SheetFixture {
protected:
    std::vector<AnsiString> Report() const { return Items(f->lbRpt->Items()); }
    // The lines of the report from the first line equal to `from`, count of them.
    std::vector<AnsiString> ReportFrom(const AnsiString& from, size_t count) const {
        std::vector<AnsiString> all = Report();
        int at = IndexOf(all, from);
        if (at < 0) return {"(no line " + from + ")"};
        return std::vector<AnsiString>(all.begin() + at, all.begin() + std::min(all.size(), at + count));
    }
    void WriteLuis() {
        std::vector<AnsiString> attend{"<Attend>", "   03/08/2026"};
        for (int l = 0; l < 7; ++l) attend.push_back("   " + (l == 0 ? Weeks1 : AnsiString(52, '0')));
        attend.push_back("</Attend>");
        WriteScout("Luis", Joined({Section("Scout", LuisPersonal),
                                   Section("Tenderfoot", {"<Completed>03/01/2024</Completed>"}),
                                   Section("Star", {"<Started>06/02/2025</Started>", "<Completed>01/05/2026</Completed>"}),
                                   Section("Firstclass", {"<Completed>06/01/2025</Completed>"}),
                                   Section("Bronzepalm", {"<Completed>02/02/2026</Completed>"}),
                                   Badge("Mb", "Cooking", false), Badge("Mb", "Swimming", true),
                                   Badge("Mb", "Camping", false), Badge("Mb", "First Aid", true),
                                   Badge("Mb", "Cycling", true), Badge("Other", "Totin Chip", true),
                                   {"<Pos>", "01/01/2025\t--Current--\tSenior Patrol Leader", "</Pos>"},
                                   {"<Camps>", "07/01/2024\t07/07/2024\tSummer camp", "</Camps>"},
                                   {"<Serv>", "04/04/2025\t3:30\tFood drive", "</Serv>"}, attend}));
        WriteFile("Luis.nts", "notes\r\n");
    }
};

TEST_F(DetailReport, WithNoScoutLoadedNothingHappens) {
    f->lbRpt->Items()->Add("earlier report");
    f->ScoutDetail1Click(nullptr);
    f->ProgressDetail1Click(nullptr);
    EXPECT_EQ(Report(), (std::vector<AnsiString>{"earlier report"}));
    EXPECT_FALSE(f->pnlRpts->Visible());
    EXPECT_TRUE(ListFiles("*").empty()) << "nothing written";
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(DetailReport, AWholeScoutLineByLine) {
    WriteLuis();
    WriteCatalog("Star.Rank", 3);
    Load("Luis");
    UserInput::Click(f->Label7);  // a sheet is open: the report closes it by the reload
    f->ScoutDetail1Click(nullptr);

    std::vector<AnsiString> expected{
        "Detail Report",
        "Report run " + Today(),
        " ",
        "Luis",
        AnsiString(30, '-'),
        "Address:  7 Canyon Road            ",
        "          Riverton  OR  97101",
        "   ",
        "Phone:        555-0113   Birthdate:08/21/2012",
        "Email: garcia@example.org",
        "   ",
        "Troop: 214     Patrol:Eagles",
        "Medical Form 2 on file, valid through: 06/30/2026",
        "   ",
        "Current Rank: Star, earned 01/05/2026",
        "   ",
        "     Merit badges started             Merit Badges Completed",
        "------------------------------   --------------------------------",
        Row("Camping", "Cycling*"),
        Row("Cooking", "First Aid*"),
        Row("", "Swimming"),
        "   ",
        "     Other awards started             Other Awards Completed",
        "------------------------------   --------------------------------",
        Row("", "Totin Chip"),
        "",
        "Camps",
        Dashes56,
        "07/01/2024 to 07/07/2024  Summer camp",
        "",
        "Positions held",
        Dashes56,
        "01/01/2025 to --Current-  Senior Patrol Leader",
        "",
        "Service",
        Dashes56,
        "04/04/2025 to 3:30        Food drive",
        "",
        "Meeting Attendance",
        Dashes56,
        "Last Date entered = 03/08/2026",
        Weeks1};
    for (int l = 1; l < 7; ++l) expected.push_back(AnsiString(52, '0'));
    EXPECT_EQ(Report(), expected);

    // Saved first, loaded again after: the same scout, no sheet open, the panel shown.
    EXPECT_TRUE(Contains(FileLines("Luis.scout"), "   <Updated>" + Today() + "</Updated>"));
    EXPECT_EQ(f->CurrentScout, "Luis");
    EXPECT_EQ(f->editPatrol->Text(), "Eagles");
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    EXPECT_TRUE(f->pnlNotes->Visible());
    EXPECT_TRUE(f->pnlRpts->Visible());
    EXPECT_FALSE(f->lbRpt->Sorted());
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(DetailReport, UnsavedEditsAreSavedAndReportedTheScoutNamedByTheLoad) {
    WriteLuis();
    Load("Luis");
    f->editPatrol->SetText("Owls");
    f->editTroop->SetText("2140517");
    f->editPhone->SetText("+1 (541) 555-0113 x12");
    f->editAddress->SetText(AnsiString(40, 'a'));
    f->rbMF2->SetChecked(false);
    f->cboSCTs->SetText("Somebody Else");  // typed into the list, not picked
    f->ScoutDetail1Click(nullptr);

    EXPECT_EQ(Report()[3], "Luis");
    EXPECT_EQ(Report()[5], "Address:  " + AnsiString(25, 'a'));
    EXPECT_EQ(Report()[8], "Phone: 1) 555-0113 x12   Birthdate:08/21/2012") << "the last 15 characters";
    EXPECT_EQ(Report()[11], "Troop: 21405   Patrol:Owls") << "the first 5 characters";
    EXPECT_EQ(Report()[12], "*** No Medical Form on file ***") << "Medform 0";
    EXPECT_TRUE(Contains(FileLines("Luis.scout"), "   <Patrol>Owls</Patrol>"));
    EXPECT_EQ(f->CurrentScout, "Luis");
    EXPECT_EQ(f->editPatrol->Text(), "Owls");
    EXPECT_FALSE(FileExists("Somebody Else.scout"));
}

TEST_F(DetailReport, ASecondReportOfAnUnchangedScoutRewritesNothing) {
    WriteLuis();
    Load("Luis");
    f->ScoutDetail1Click(nullptr);
    const std::vector<AnsiString> first = Report();
    struct stat scout, notes, scoutAgain, notesAgain;
    ASSERT_EQ(::stat("Luis.scout", &scout), 0);
    ASSERT_EQ(::stat("Luis.nts", &notes), 0);
    f->ScoutDetail1Click(nullptr);
    f->ProgressDetail1Click(nullptr);
    ::stat("Luis.scout", &scoutAgain);
    ::stat("Luis.nts", &notesAgain);
    EXPECT_EQ(scout.st_ino, scoutAgain.st_ino);
    EXPECT_EQ(notes.st_ino, notesAgain.st_ino);

    f->ScoutDetail1Click(nullptr);
    EXPECT_EQ(Report(), first);
    f->memoNotes->Lines()->Add("a new note");
    f->ScoutDetail1Click(nullptr);
    ::stat("Luis.nts", &notesAgain);
    EXPECT_NE(notes.st_ino, notesAgain.st_ino) << "a changed notes pane is written";
    EXPECT_EQ(ReadFile("Luis.nts"), "notes\r\na new note\r\n");
}

TEST_F(DetailReport, AFailedSaveStopsTheReportAndKeepsTheEdits) {
    WriteLuis();
    Load("Luis");
    f->lbRpt->Items()->Add("earlier report");
    f->editPatrol->SetText("Owls");
    const std::string before = ReadFile("Luis.scout");
    {
        TinyFileLimit full;
        f->ScoutDetail1Click(nullptr);
        f->ProgressDetail1Click(nullptr);
    }
    ASSERT_EQ(desktop().Messages.size(), 2u);
    EXPECT_EQ(desktop().Messages[0].rfind("Could not save Luis.scout", 0), 0u) << desktop().Messages[0];
    EXPECT_EQ(ReadFile("Luis.scout"), before);
    EXPECT_EQ(Report(), (std::vector<AnsiString>{"earlier report"}));
    EXPECT_FALSE(f->pnlRpts->Visible());
    EXPECT_EQ(f->CurrentScout, "Luis");
    EXPECT_EQ(f->editPatrol->Text(), "Owls");
}

TEST_F(DetailReport, TheHighestCompletedRankOfTheSixCounts) {
    WriteScout("Ann", Joined({Section("Eagle", {"<Completed></Completed>"}),
                              Section("Life", {"<Completed>" + AnsiString(99, '1') + "</Completed>"}),
                              Section("Secondclass", {"<Completed>05/05/2025</Completed>"}),
                              Section("Silverpalm", {"<Completed>06/06/2026</Completed>"})}));
    Load("Ann");
    f->ScoutDetail1Click(nullptr);
    // An empty <Completed> does not count; a value of 99 characters reads as empty but counts.
    EXPECT_EQ(Report()[14], "Current Rank: Life, earned ");

    WriteScout("Bo", Section("Bronzepalm", {"<Completed>02/02/2026</Completed>"}));
    Load("Bo");
    f->ScoutDetail1Click(nullptr);
    EXPECT_EQ(Report()[14], "*** No rank on file ***") << "a palm alone";
    EXPECT_EQ(Report()[5], "Address:  " + AnsiString(25, ' '));
    EXPECT_EQ(Report()[6], "              ");
    EXPECT_EQ(Report()[8], "Phone: " + AnsiString(15, ' ') + "   Birthdate:" + AnsiString(10, ' '));
    EXPECT_EQ(Report()[12], "*** No Medical Form on file ***");
    EXPECT_EQ(Report()[16], "*** No merit badges started or completed ***");
    EXPECT_EQ(Report()[18], "*** No other awards started or completed ***");
    EXPECT_EQ(ReportFrom("Camps", 3), (std::vector<AnsiString>{"Camps", Dashes56, ""}));
    EXPECT_EQ(Report().back(), Dashes56) << "no attendance block, the service block ends the report";
}

TEST_F(DetailReport, EagleMarksOnlyTheFirstOfEachGroupAndNeverOtherAwards) {
    const AnsiString longName = "Citizenship in the Community X";  // 30 characters
    WriteScout("Ann", Joined({Badge("Mb", "Lifesaving", true), Badge("Mb", "Emergency Preparedness", true),
                              Badge("Mb", "Swimming", true), Badge("Mb", "Hiking", true),
                              Badge("Mb", "Personal Fitness", true), Badge("Mb", "Personal Management", true),
                              Badge("Mb", longName, true), Badge("Mb", "Archery", true),
                              Badge("Mb", "Aviation", false), Badge("Other", "Camping Award", true),
                              Badge("Other", "Fire Safety", false), Badge("Other", "Hiking Award", false),
                              Badge("Other", "Knots", false)}));
    Load("Ann");
    f->ScoutDetail1Click(nullptr);
    EXPECT_EQ(ReportFrom("     Merit badges started             Merit Badges Completed", 10),
              (std::vector<AnsiString>{"     Merit badges started             Merit Badges Completed",
                                       "------------------------------   --------------------------------",
                                       Row("Aviation", "Archery"), Row("", longName), Row("", "Emergency Preparedness*"),
                                       Row("", "Hiking*"), Row("", "Lifesaving"), Row("", "Personal Fitness*"),
                                       Row("", "Personal Management*"), Row("", "Swimming")}));
    EXPECT_EQ(ReportFrom("     Other awards started             Other Awards Completed", 5),
              (std::vector<AnsiString>{"     Other awards started             Other Awards Completed",
                                       "------------------------------   --------------------------------",
                                       Row("Fire Safety", "Camping Award"), Row("Hiking Award", ""),
                                       Row("Knots", "")}));
}

TEST_F(DetailReport, StartedOnlyBadgesAndOddEntryLines) {
    WriteScout("Ann", Joined({Badge("Mb", "Cooking", false), Badge("Mb", "Art", false),
                              {"<Camps>", "no tab at all", "06/01/2025\t06/03/2025\t", "</Camps>"},
                              {"<Serv>", AnsiString(1500, 's'), "</Serv>"},
                              {"<Pos>", "01/01/2025\t" + AnsiString(12, '-') + "\tScribe", "</Pos>"}}));
    Load("Ann");
    f->ScoutDetail1Click(nullptr);
    EXPECT_EQ(ReportFrom("     Merit badges started             Merit Badges Completed", 4),
              (std::vector<AnsiString>{"     Merit badges started             Merit Badges Completed",
                                       "------------------------------   --------------------------------",
                                       Row("Art", ""), Row("Cooking", "")}));
    EXPECT_EQ(ReportFrom("Camps", 4),
              (std::vector<AnsiString>{"Camps", Dashes56, AnsiString(10, ' ') + " to " + AnsiString(10, ' ') + "  no tab at all",
                                       "06/01/2025 to " + AnsiString(10, ' ') + "  06/03/2025"}))
        << "the empty description lost its TAB to the trimming";
    EXPECT_EQ(ReportFrom("Positions held", 3),
              (std::vector<AnsiString>{"Positions held", Dashes56, "01/01/2025 to ----------  Scribe"}));
    EXPECT_EQ(ReportFrom("Service", 3),
              (std::vector<AnsiString>{"Service", Dashes56, AnsiString(10, ' ') + " to " + AnsiString(12, ' ') + AnsiString(1500, 's')}))
        << "a line without a TAB keeps its whole text";
}

TEST_F(DetailReport, AttendanceBlockAsStoredAtMostTenLines) {
    std::vector<AnsiString> attend{"<Attend>", "03/08/2026"};
    for (int l = 0; l < 11; ++l) attend.push_back(AnsiString(52, l < 7 ? '1' : '0'));
    attend.push_back("</Attend>");
    WriteScout("Ann", attend);
    Load("Ann");
    f->ScoutDetail1Click(nullptr);
    std::vector<AnsiString> expected{"Meeting Attendance", Dashes56, "Last Date entered = 03/08/2026"};
    for (int l = 0; l < 9; ++l) expected.push_back(AnsiString(52, l < 7 ? '1' : '0'));
    EXPECT_EQ(ReportFrom("Meeting Attendance", 20), expected);

    WriteScout("Bo", {"<Attend>", "</Attend>"});
    Load("Bo");
    f->ScoutDetail1Click(nullptr);
    EXPECT_EQ(IndexOf(Report(), "Meeting Attendance"), -1) << "a section whose first line is its close line";

    WriteScout("Cy", {"<Scout>", "   <Troop>9</Troop>", "<Attend>", "   03/08/2026"});
    Load("Cy");
    f->ScoutDetail1Click(nullptr);  // sections without close lines end at the last line
    EXPECT_EQ(f->CurrentScout, "Cy");
}

class ProgressReport : public DetailReport {
protected:
    const std::vector<AnsiString> Headings = {
        AnsiString(84, '-'), "Req Nbr   Short Description               Counselor Name                  Completed",
        "--------  ------------------------------  ------------------------------  ----------"};
};

TEST_F(ProgressReport, WithNoSheetOpenOnlyTheHeadings) {
    WriteLuis();
    Load("Luis");
    f->ProgressDetail1Click(nullptr);
    std::vector<AnsiString> expected{" Progress Detail Report",
                                     "Started....: ",
                                     "Completed..: ",
                                     "Report run.: " + Today(),
                                     " ",
                                     "Luis",
                                     "   ",
                                     "Phone:        555-0113   Birthdate:08/21/2012",
                                     "   ",
                                     "Troop: 214     Patrol:Eagles"};
    expected.insert(expected.end(), Headings.begin(), Headings.end());
    EXPECT_EQ(Report(), expected);
    EXPECT_TRUE(f->pnlRpts->Visible());
    EXPECT_EQ(f->CurrentScout, "Luis");
}

TEST_F(ProgressReport, TheOpenSheetWithItsEditsWhichAreSaved) {
    WriteFile("Second Class.Rank", std::string("01/01/2020\n") + "  1a" + Sep + "Hike five miles" + Sep + "full\n" +
                                       " 10" + Sep + AnsiString(40, 's') + Sep + "full\n" + "2" + Sep + "Knots" +
                                       Sep + "full\n");
    WriteScout("Ann", Joined({Section("Scout", {"<Updated>01/01/2025</Updated>", "<Troop>214</Troop>", "<Patrol>Eagles</Patrol>",
                                                "<Phone>555-0113</Phone>"}),
                              {"<Secondclass>", "   <Started>01/02/2026</Started>", "   <req>",
                               "      <reqnbr>2</reqnbr>", "      <reqdate>2/2/2026</reqdate>",
                               "      <reqcs>John Hayes</reqcs>", "   </req>", "</Secondclass>"}}));
    Load("Ann");
    UserInput::Click(f->Label5);
    UserInput::Type(f->RowDateEdit[0], "03/03/2026");
    f->ProgressDetail1Click(nullptr);

    std::vector<AnsiString> expected{"Second Class Progress Detail Report",
                                     "Started....: 01/02/2026",
                                     "Completed..: ",
                                     "Report run.: " + Today(),
                                     " ",
                                     "Ann",
                                     "   ",
                                     "Phone:        555-0113   Birthdate:          ",
                                     "   ",
                                     "Troop: 214     Patrol:Eagles"};
    expected.insert(expected.end(), Headings.begin(), Headings.end());
    expected.push_back(Pad("1a", 8) + "  " + Pad("Hike five miles", 30) + "  " + Pad("", 30) + "  03/03/2026");
    expected.push_back(Pad("10", 8) + "  " + AnsiString(30, 's') + "  " + Pad("John Hayes", 30) + "    2/2/2026");
    expected.push_back(Pad("2", 8) + "  " + Pad("Knots", 30) + "  " + Pad("", 30) + "  " + AnsiString(10, ' '));
    EXPECT_EQ(Report(), expected);
    for (const AnsiString& row : Report()) EXPECT_LE(row.size(), 84u);

    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "      <reqdate>03/03/2026</reqdate>")) << "the edit was saved";
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_EQ(f->lblRequirements->Caption(), "") << "the reload closed the sheet";
    EXPECT_TRUE(f->pnlRpts->Visible());
}
