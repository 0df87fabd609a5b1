// The two one-scout reports of the Reports menu: Scout Detail (personal data,
// medical form, current rank, awards, camps, positions, service and meeting
// attendance) and Progress Detail (the open requirement sheet). Both save the
// loaded scout without unloading it, build their lines from the file just
// written, then load the scout again and show the report panel.
#include <string_view>

#include "records/LineReader.h"
#include "records/Main.h"
#include "reports/ReportLines.h"

namespace {

const AnsiString Dashes30(30, '-');
const AnsiString Dashes56(56, '-');
constexpr size_t AttendanceSlots = 10;

// Cuts a text at its first TAB: the text before it and the text after it (at
// most 999 characters); without a TAB, nothing before and the whole text after.
std::pair<AnsiString, AnsiString> SplitAtTab(const AnsiString& text) {
    const size_t tab = text.find('\t');
    if (tab == AnsiString::npos) return {AnsiString(), text};
    return {text.substr(0, tab), text.substr(tab + 1, 999)};
}

// The personal values of the <Scout> section that the reports show.
struct PersonalValues {
    AnsiString troop, city, state, zip, phone, patrol, birthdate, address, email, medform, meddate;
};

// Reads the <Scout> section that opens at lines[open] into v; returns the
// index of its last line (WalkSection).
size_t ReadPersonalValues(const std::vector<std::string_view>& lines, size_t open, PersonalValues& v) {
    return WalkSection(lines, open, [](std::string_view line) { return line == "</Scout>"; },
                       [&v](std::string_view line) {
                           TakeElementValue(line, "<Troop>", v.troop) || TakeElementValue(line, "<City>", v.city) ||
                               TakeElementValue(line, "<State>", v.state) || TakeElementValue(line, "<Zip>", v.zip) ||
                               TakeElementValue(line, "<Phone>", v.phone) ||
                               TakeElementValue(line, "<Patrol>", v.patrol) ||
                               TakeElementValue(line, "<Birthdate>", v.birthdate) ||
                               TakeElementValue(line, "<Address>", v.address) ||
                               TakeElementValue(line, "<Email>", v.email) ||
                               TakeElementValue(line, "<Medform>", v.medform) ||
                               TakeElementValue(line, "<Meddate>", v.meddate);
                       });
}

AnsiString PhoneLine(TForm1& form, const PersonalValues& v) {
    return "Phone: " + form.PadText(v.phone, 15, false) + "   Birthdate:" + form.PadText(v.birthdate, 10, true);
}

AnsiString TroopLine(TForm1& form, const PersonalValues& v) {
    return "Troop: " + form.PadText(v.troop, 5, true) + "   Patrol:" + v.patrol;
}

// The entry lists shown by the scout detail report, with their titles and sections.
struct EntryList {
    const char* title;
    std::string_view openLine, closeLine;
};
constexpr EntryList EntryLists[] = {
    {"Camps", "<Camps>", "</Camps>"}, {"Positions held", "<Pos>", "</Pos>"}, {"Service", "<Serv>", "</Serv>"}};

// What the scout detail report takes from the lines of a scout file.
struct ScoutSummary {
    PersonalValues personal;
    int rank = 0;  // level 1 Tenderfoot .. 6 Eagle, 0 none
    AnsiString rankDate;
    std::vector<AnsiString> attendance;
    std::vector<AnsiString> entries[3];  // the first section of each entry list
};

// One walk over the trimmed lines. A section that the walk reads on through
// ends at its close line; without one, where the next section opens or at
// the last line.
ScoutSummary SummarizeScout(const std::vector<std::string_view>& lines) {
    ScoutSummary summary;
    bool entriesFound[3] = {false, false, false};
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() < 3 || line[0] != '<') continue;
        if (line == "<Scout>") {
            i = ReadPersonalValues(lines, i, summary.personal);
            continue;
        }
        if (line == "<Attend>") {
            std::vector<AnsiString>& slots = summary.attendance;
            slots.clear();
            i = WalkSection(lines, i, [](std::string_view l) { return l == "</Attend>"; },
                            [&slots](std::string_view l) {
                                if (slots.size() < AttendanceSlots)
                                    slots.push_back(slots.empty() ? "Last Date entered = " + AnsiString(l) : AnsiString(l));
                            });
            continue;
        }
        bool done = false;
        for (int k = 1; k <= 6 && !done; ++k) {
            const ReportRank& rank = ReportRanks[k - 1];
            if (line != rank.openLine) continue;
            done = true;
            i = WalkSection(lines, i, [&rank](std::string_view l) { return LineStartsWith(l, rank.endMark); },
                            [&summary, k](std::string_view l) {
                                if (summary.rank < k && HoldsCompletedDate(l)) {
                                    summary.rank = k;
                                    TakeElementValue(l, "<Completed>", summary.rankDate);
                                }
                            });
        }
        for (int e = 0; e < 3 && !done; ++e) {
            if (entriesFound[e] || line != EntryLists[e].openLine) continue;
            done = entriesFound[e] = true;
            std::vector<AnsiString>& entries = summary.entries[e];
            i = WalkSection(lines, i, [e](std::string_view l) { return l == EntryLists[e].closeLine; },
                            [&entries](std::string_view l) { entries.emplace_back(l); });
        }
    }
    return summary;
}

}  // namespace

bool TForm1::SaveForDetailReport(std::string& bytes, std::vector<std::string_view>& lines) {
    // The scout stays loaded; a save that failed (reported) ends the report
    // here, so that what could not be saved is still in the window.
    ResetAfterSave = false;
    bool saved = false;
    try {
        saved = WriteCurrentScout();
    } catch (...) {
        ResetAfterSave = true;
        throw;
    }
    ResetAfterSave = true;
    if (!saved) return false;
    lbRpt->Items()->Clear();
    lbRpt->SetSorted(false);
    lines.clear();
    if (ReadWholeFile(CurrentScout + ".scout", bytes))
        ForEachKeptLine(bytes, LineKind::Scout, [&lines](std::string_view line) { lines.push_back(TrimView(line)); });
    return true;
}

void TForm1::ReloadAfterDetailReport(const AnsiString& name) {
    ClearScoutForm();
    cboSCTs->SetText(name);
    cboSCTsClick(cboSCTs);
    pnlRpts->Show();
}

void TForm1::ScoutDetail1Click(TObject*) {
    if (CurrentScout.empty()) return;
    const AnsiString name = CurrentScout;
    std::string bytes;
    std::vector<std::string_view> lines;
    if (!SaveForDetailReport(bytes, lines)) return;
    const ScoutSummary summary = SummarizeScout(lines);
    const PersonalValues& personal = summary.personal;
    // Only the first completed badge of each of these two groups counts for Eagle.
    bool lifesavingMark = true, outdoorMark = true;

    TStrings* out = lbRpt->Items();
    out->Add("Detail Report");
    out->Add("Report run " + DateToStr(Date()));
    out->Add(" ");
    out->Add(name);
    out->Add(Dashes30);
    out->Add("Address:  " + PadText(personal.address, 25, true));
    out->Add("          " + personal.city + "  " + personal.state + "  " + personal.zip);
    out->Add("   ");
    out->Add(PhoneLine(*this, personal));
    out->Add("Email: " + personal.email);
    out->Add("   ");
    out->Add(TroopLine(*this, personal));
    if (personal.medform.empty() || personal.medform == "0")
        out->Add("*** No Medical Form on file ***");
    else
        out->Add("Medical Form " + personal.medform + " on file, valid through: " + PadText(personal.meddate, 10, true));
    out->Add("   ");
    if (summary.rank > 0)
        out->Add("Current Rank: " + AnsiString(ReportRanks[summary.rank - 1].name) + ", earned " + summary.rankDate);
    else
        out->Add("*** No rank on file ***");
    out->Add("   ");

    // The awards in two columns, started on the left and completed on the right.
    auto awardBlock = [&](TComboBox* started, TComboBox* completed, bool meritBadges) {
        const std::vector<AnsiString>& left = started->Items()->Lines();
        const std::vector<AnsiString>& right = completed->Items()->Lines();
        if (left.empty() && right.empty()) {
            out->Add(meritBadges ? "*** No merit badges started or completed ***"
                                 : "*** No other awards started or completed ***");
            return;
        }
        out->Add(meritBadges ? "     Merit badges started             Merit Badges Completed"
                             : "     Other awards started             Other Awards Completed");
        out->Add(Dashes30 + "   " + AnsiString(32, '-'));
        for (size_t j = 0; j < std::max(left.size(), right.size()); ++j) {
            AnsiString done = j < right.size() ? right[j] : AnsiString();
            if (meritBadges && j < right.size()) {
                switch (EagleGroupOf(done)) {
                    case EagleGroup::Required: done += "*"; break;
                    case EagleGroup::Lifesaving:
                        if (lifesavingMark) done += "*";
                        lifesavingMark = false;
                        break;
                    case EagleGroup::Outdoor:
                        if (outdoorMark) done += "*";
                        outdoorMark = false;
                        break;
                    case EagleGroup::None: break;
                }
            }
            out->Add(PadText(j < left.size() ? left[j] : AnsiString(), 30, true) + "   " + PadText(done, 30, true));
        }
    };
    awardBlock(cboMBi, cboMBe, true);
    out->Add("   ");
    awardBlock(cboOtheri, cboOthere, false);

    for (int e = 0; e < 3; ++e) {
        out->Add("");
        out->Add(EntryLists[e].title);
        out->Add(Dashes56);
        for (const AnsiString& entry : summary.entries[e]) {
            const auto [start, rest] = SplitAtTab(entry);
            const auto [end, description] = SplitAtTab(rest);
            out->Add(PadText(start, 10, true) + " to " + PadText(end, 10, true) + "  " + description);
        }
    }

    if (!summary.attendance.empty() && !summary.attendance[0].empty()) {
        out->Add("");
        out->Add("Meeting Attendance");
        out->Add(Dashes56);
        for (const AnsiString& slot : summary.attendance)
            if (!slot.empty()) out->Add(slot);
    }

    ReloadAfterDetailReport(name);
}

void TForm1::ProgressDetail1Click(TObject*) {
    if (CurrentScout.empty()) return;
    const AnsiString name = CurrentScout;
    std::string bytes;
    std::vector<std::string_view> lines;
    if (!SaveForDetailReport(bytes, lines)) return;

    PersonalValues personal;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "<Scout>") i = ReadPersonalValues(lines, i, personal);

    TStrings* out = lbRpt->Items();
    out->Add(lblRequirements->Caption() + " Progress Detail Report");
    out->Add("Started....: " + deditStarted->Text());
    out->Add("Completed..: " + deditCompleted->Text());
    out->Add("Report run.: " + DateToStr(Date()));
    out->Add(" ");
    out->Add(name);
    out->Add("   ");
    out->Add(PhoneLine(*this, personal));
    out->Add("   ");
    out->Add(TroopLine(*this, personal));
    out->Add(AnsiString(84, '-'));
    out->Add("Req Nbr   Short Description               Counselor Name                  Completed");
    out->Add("--------  ------------------------------  ------------------------------  ----------");
    for (int i = 0; i <= MaxRequirements; ++i) {
        if (ReqNumber[i][0] == '\0') continue;
        AnsiString number;
        for (const char* c = ReqNumber[i]; *c; ++c)
            if (static_cast<unsigned char>(*c) > 32 && static_cast<unsigned char>(*c) < 128) number += *c;
        out->Add(PadText(number, 8, true) + "  " + PadText(ReqShortText[i], 30, true) + "  " +
                 PadText(ReqCounselor[i], 30, true) + "  " + PadText(ReqDate[i], 10, false));
    }

    ReloadAfterDetailReport(name);
}
