// Reports > All Merit Badges Started and Reports > All Merit Badges Earned:
// one row per merit badge section that is in progress or completed, by
// scout or by badge as the sort answer asks.
#include "records/Main.h"
#include "reports/ReportLines.h"

namespace {

struct BadgeDates {
    AnsiString started, completed;
};

bool EndsBadgeSection(std::string_view line) { return LineStartsWith(line, "</Mb"); }

}  // namespace

// Calls each(scout, badge, dates) for every merit badge section of every listed scout.
static void ForEachBadge(TForm1& form,
                         const std::function<void(const AnsiString&, const AnsiString&, const BadgeDates&)>& each) {
    form.ScanListedScouts(true, [&](const AnsiString& name, const std::vector<std::string_view>& lines) {
        for (size_t j = 0; j < lines.size(); ++j) {
            if (!LineStartsWith(lines[j], "<Mb")) continue;
            const AnsiString badge = AwardNameOf(lines[j], "<Mb");
            BadgeDates dates;
            j = WalkSection(lines, j, EndsBadgeSection, [&dates](std::string_view line) {
                TakeElementValue(line, "<Completed>", dates.completed) ||
                    TakeElementValue(line, "<Started>", dates.started);
            });
            each(name, badge, dates);
        }
    });
}

// The row of a badge: scout first for the answer "S", else badge first.
static AnsiString BadgeRow(TForm1& form, bool scoutFirst, const AnsiString& scout, const AnsiString& badge,
                           const AnsiString& date) {
    const AnsiString first = scoutFirst ? form.PadText(scout, 30, true) : form.PadText(badge, 25, true);
    const AnsiString second = scoutFirst ? form.PadText(badge, 25, true) : form.PadText(scout, 30, true);
    return first + "  " + second + "  " + form.PadText(date, 10, true);
}

void TForm1::MeritBadgesStarted1Click(TObject*) {
    if (!BeginListReport()) return;
    const bool scoutFirst = AskSortOption("Sort by 'S'cout or 'B'adge?", "S") == "S";
    ForEachBadge(*this, [&](const AnsiString& scout, const AnsiString& badge, const BadgeDates& dates) {
        if (!dates.started.empty() && dates.completed.empty())
            AddReportRow(BadgeRow(*this, scoutFirst, scout, badge, dates.started));
    });
    EndListReport("List of All Merit badges Started but not completed",
                  scoutFirst ? "Scout Name                      Merit Badge Earned         Started "
                             : "Merit Badge Earned         Scout Name                      Started ",
                  scoutFirst ? "------------------------------  -------------------------  ----------"
                             : "-------------------------  ------------------------------  ----------");
}

void TForm1::AllMeritBadgesEarned2Click(TObject*) {
    if (!BeginListReport()) return;
    const bool scoutFirst = AskSortOption("Sort by 'S'cout or 'B'adge?", "B") == "S";
    ForEachBadge(*this, [&](const AnsiString& scout, const AnsiString& badge, const BadgeDates& dates) {
        if (!dates.completed.empty())
            AddReportRow(BadgeRow(*this, scoutFirst, scout, badge, dates.completed));
    });
    EndListReport("List of All Merit badges Earned",
                  scoutFirst ? "Scout Name                      Merit Badge Earned         Completed "
                             : "Merit Badge Earned         Scout Name                      Completed ",
                  scoutFirst ? "------------------------------  -------------------------  ----------"
                             : "-------------------------  ------------------------------  ----------");
}
