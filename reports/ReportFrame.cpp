// The frame that every list report runs in: unload the scout, collect the
// rows in lbRpt's sorted mode under five placeholder lines, walk the files
// of the listed scouts, then write the five top lines and show the panel.
#include <algorithm>

#include "records/LineReader.h"
#include "records/Main.h"
#include "reports/ReportLines.h"

namespace {
// Holds one of the five top places while rows are collected.
const AnsiString Placeholder = " ";
constexpr int TopLines = 5;
}  // namespace

bool TForm1::BeginListReport() {
    if (!SaveAndUnload()) return false;
    ClearScoutForm();
    UnreadableScoutFiles.clear();
    ReportRows.clear();
    TStrings* rows = lbRpt->Items();
    // The rows reach a shown list box in one step, at EndListReport. A frame
    // that an exception cut short has left its update open: it is reused.
    if (!rows->Updating()) rows->BeginUpdate();
    rows->Clear();
    lbRpt->SetSorted(true);
    for (int i = 0; i < TopLines; ++i) rows->Add(Placeholder);
    return true;
}

AnsiString TForm1::AskSortOption(const AnsiString& prompt, const AnsiString& defaultAnswer) {
    return UpperCase(InputBox("Sort Option", prompt, defaultAnswer)).substr(0, 1);
}

void TForm1::ScanListedScouts(
    bool tagLinesOnly, const std::function<void(const AnsiString&, const std::vector<std::string_view>&)>& each) {
    std::string bytes;
    std::vector<std::string_view> lines;
    TStrings* names = cboSCTs->Items();
    for (int i = 0; i < names->Count(); ++i) {
        const AnsiString& name = (*names)[i];
        const AnsiString fileName = name + ".scout";
        if (!ReadWholeFile(fileName, bytes)) {
            UnreadableScoutFiles.push_back(fileName);
            continue;
        }
        lines.clear();
        auto keep = [&lines](std::string_view trimmed) { lines.push_back(trimmed); };
        if (tagLinesOnly)
            ForEachCapitalTagLine(bytes, keep);
        else
            ForEachKeptLine(bytes, LineKind::Scout, [&keep](std::string_view line) { keep(TrimView(line)); });
        each(name, lines);
    }
}

void TForm1::EndListReport(const AnsiString& title, const AnsiString& header, const AnsiString& dashes) {
    TStrings* rows = lbRpt->Items();
    lbRpt->SetSorted(false);
    rows->Put(0, title);
    rows->Put(1, "Report run " + DateToStr(Date()));
    rows->Put(2, Placeholder);
    rows->Put(3, header);
    rows->Put(4, dashes);
    // The rows follow in the sorted list's order: whole lines compared
    // without regard to case, equal lines in the order they came. Sorting
    // them once and appending them below the top lines gives the lines that
    // adding each in sorted mode gives, without moving the rows already
    // there; and a row that sorts before a blank (one whose first column
    // begins with a TAB) cannot take a top line's place.
    std::stable_sort(ReportRows.begin(), ReportRows.end(),
                     [](const AnsiString& a, const AnsiString& b) { return CompareText(a, b) < 0; });
    for (const AnsiString& row : ReportRows) rows->Add(row);
    ReportRows.clear();
    while (rows->Updating()) rows->EndUpdate();
    pnlRpts->Show();
    if (UnreadableScoutFiles.empty()) return;
    AnsiString message = "These scout files could not be read, so the report leaves them out:";
    for (const AnsiString& fileName : UnreadableScoutFiles) message += "\n" + fileName;
    UnreadableScoutFiles.clear();
    ShowMessage(message);
}
