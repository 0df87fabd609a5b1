// Reports > Current Positions Held: one row per positions entry that is
// still held ("--Current--") of every listed scout.
#include "records/FieldRules.h"
#include "records/Main.h"
#include "reports/ReportLines.h"

void TForm1::PositionsReport1Click(TObject*) {
    if (!BeginListReport()) return;
    ScanListedScouts(false, [&](const AnsiString& name, const std::vector<std::string_view>& lines) {
        for (size_t j = 0; j < lines.size(); ++j) {
            if (lines[j] != "<Pos>") continue;
            j = WalkSection(lines, j, [](std::string_view line) { return line == "</Pos>"; },
                            [&](std::string_view line) {
                                if (line.find(CurrentMark) == std::string_view::npos) return;
                                // An entry whose start or text was empty lost its
                                // TAB to the trimming: it gets it back, so that its
                                // fields stay in their columns.
                                const AnsiString entry = RestoreListEntry(AnsiString(line));
                                size_t tab = entry.find('\t');
                                const AnsiString start = entry.substr(0, tab);
                                const AnsiString rest = entry.substr(tab + 1, 999);
                                size_t tab2 = rest.find('\t');
                                const AnsiString end = tab2 == AnsiString::npos ? AnsiString() : rest.substr(0, tab2);
                                const AnsiString text = tab2 == AnsiString::npos ? rest : rest.substr(tab2 + 1, 999);
                                AddReportRow(PadText(name, 30, true) + "  " + PadText(start, 10, true) +
                                                    "  " + PadText(end, 10, true) + "  " + text);
                            });
        }
    });
    EndListReport("List of Current positions held",
                  "Scout Name                        From          To      Position",
                  "------------------------------  ----------  ----------  --------------------------");
}
