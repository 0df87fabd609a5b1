// Reports > Current Rank list: one row per listed scout with the highest of
// the six ranks Tenderfoot to Eagle that the scout has completed.
#include "records/Main.h"
#include "reports/ReportLines.h"

namespace {

struct RankValues {
    AnsiString troop, patrol, birthdate;
    int level = 0;
};

RankValues ReadRankValues(const std::vector<std::string_view>& lines) {
    RankValues v;
    for (size_t j = 0; j < lines.size(); ++j) {
        if (lines[j] == "<Scout>") {
            v.troop.clear();
            v.patrol.clear();
            j = WalkSection(lines, j, [](std::string_view line) { return line == "</Scout>"; },
                            [&v](std::string_view line) {
                                TakeElementValue(line, "<Troop>", v.troop) ||
                                    TakeElementValue(line, "<Patrol>", v.patrol) ||
                                    TakeElementValue(line, "<Birthdate>", v.birthdate);
                            });
            continue;
        }
        for (int k = 1; k <= 6; ++k) {
            const ReportRank& rank = ReportRanks[k - 1];
            if (lines[j] != rank.openLine) continue;
            j = WalkSection(lines, j, [&rank](std::string_view line) { return LineStartsWith(line, rank.endMark); },
                            [&v, k](std::string_view line) {
                                if (v.level < k && HoldsCompletedDate(line)) v.level = k;
                            });
            break;
        }
    }
    return v;
}

}  // namespace

void TForm1::AllMeritBadgesEarned1Click(TObject*) {
    if (!BeginListReport()) return;
    const AnsiString sort = AskSortOption("Sort by 'T'roop,'S'cout or 'R'ank?", "S");
    ScanListedScouts(true, [&](const AnsiString& name, const std::vector<std::string_view>& lines) {
        const RankValues v = ReadRankValues(lines);
        const AnsiString rank = v.level == 0 ? "Scout" : ReportRanks[v.level - 1].name;
        const AnsiString troop = PadText(v.troop, 5, false), scout = PadText(name, 30, true);
        const AnsiString rest = PadText(v.birthdate, 10, true) + "  " + PadText(v.patrol, 15, true);
        AnsiString row;
        if (sort == "T")
            row = troop + "  " + scout + "  " + rest + "  " + PadText(rank, 12, true);
        else if (sort == "S")
            row = scout + "  " + troop + "  " + rest + "  " + PadText(rank, 12, true);
        else
            row = PadText(rank, 12, true) + "  " + troop + "  " + scout + "  " + rest;
        AddReportRow(row);
    });
    if (sort == "S")
        EndListReport("Scout Rank report", "Scout Name                      Troop  Birthdate   Patrol           Rank",
                      "------------------------------  -----  ----------  ---------------  ------------");
    else if (sort == "T")
        EndListReport("Scout Rank report", "Troop  Scout Name                      Birthdate   Patrol           Rank",
                      "-----  ------------------------------  ----------  ---------------  ------------");
    else
        EndListReport("Scout Rank report", "Rank          Troop  Scout Name                      Birthdate   Patrol",
                      "------------  -----  ------------------------------  ----------  ---------------");
}
