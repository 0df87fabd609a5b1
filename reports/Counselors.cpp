// The merit badge counselor list: Tools > Counselors opens Counselors.txt in
// an editable grid on the counselor panel, which can add and delete rows,
// print the list as boxes, and close with or without saving.
#include <algorithm>

#include "records/Main.h"

namespace {

constexpr int CounselorFields = 8;
const char* const CounselorFile = "Counselors.txt";
const char* const CounselorHeadings[CounselorFields] = {"Merit Badge", "Counselor", "Loc",   "Address",
                                                        "City",        "Zip",       "Phone", "Phone2"};
// Column widths as fractions of the report panel's width.
constexpr double CounselorColumnFractions[CounselorFields] = {0.17094, 0.18162, 0.03205, 0.24038,
                                                              0.08013, 0.0641,  0.09081, 0.09081};

// Characters of a file line that the reading takes after the line's first "|".
constexpr size_t ReadAfterFirstBar = 999;
// The cells after the Merit Badge, with the six "|" between them, must fit
// in what the reading takes after the first "|", so that a saved row reads
// back whole (the "|" after the last cell may fall outside).
constexpr size_t MaxCellsAfterBadge = ReadAfterFirstBar - (CounselorFields - 2);

// A field of the file is ended by "|", and a line by its line break: a cell
// never takes either, nor any other control character or a byte the 7-bit
// file does not hold.
bool CounselorChar(unsigned char c) { return c >= 32 && c < 127 && c != '|'; }

// The fields of a file line, from its start: each is the text before the next
// "|" (empty when the rest begins with "|"); the rest after a "|" is taken up
// to ReadAfterFirstBar characters; a text after the last "|" is a last field.
// At most the grid's eight fields are returned.
std::vector<AnsiString> SplitCounselorLine(const AnsiString& line) {
    std::vector<AnsiString> fields;
    AnsiString rest = line;
    while (!rest.empty() && fields.size() < CounselorFields) {
        size_t bar = rest.find('|');
        if (bar == AnsiString::npos) {
            fields.push_back(rest);
            break;
        }
        fields.push_back(rest.substr(0, bar));
        rest = rest.substr(bar + 1, ReadAfterFirstBar);
    }
    return fields;
}

}  // namespace

void TForm1::SetCounselorColumnWidths() {
    for (int col = 0; col < CounselorFields; ++col)
        MBCGrid->SetColWidths(col, static_cast<int>(pnlRpts->Width() * CounselorColumnFractions[col]));
}

void TForm1::Counselors1Click(TObject*) {
    MBCGrid->AcceptChar = CounselorChar;
    // An edit that would make a row longer than reads back is refused, as
    // a "|" is.
    MBCGrid->AcceptEdit = [this](int col, int row, const AnsiString& value) {
        if (col < 1 || col >= CounselorFields) return true;
        size_t length = value.size();
        for (int c = 1; c < CounselorFields; ++c)
            if (c != col) length += MBCGrid->Cells(c, row).size();
        return length <= MaxCellsAfterBadge;
    };
    MBCGrid->SetRowCount(2);
    for (int col = 0; col < CounselorFields; ++col) {
        MBCGrid->SetCells(col, 0, CounselorHeadings[col]);
        MBCGrid->SetCells(col, 1, "");  // the input row of a missing or empty file starts empty
    }
    SetCounselorColumnWidths();

    // The report list sorts the file's lines by their whole text; it stays
    // sorted, so that the report panel's Close stores them in that order.
    lbRpt->Items()->Clear();
    if (FileExists(CounselorFile)) {
        lbRpt->SetSorted(true);
        lbRpt->Items()->LoadFromFile(CounselorFile);
    }
    const std::vector<AnsiString>& lines = lbRpt->Items()->Lines();
    if (lines.size() > 1) MBCGrid->SetRowCount(static_cast<int>(lines.size()) + 1);
    for (size_t r = 0; r < lines.size(); ++r) {
        std::vector<AnsiString> fields = SplitCounselorLine(lines[r]);
        for (size_t col = 0; col < fields.size(); ++col)
            MBCGrid->SetCells(static_cast<int>(col), static_cast<int>(r) + 1, fields[col]);
    }
    pnlMBC->Show();
    pnlRpts->Show();
}

void TForm1::btnAddCClick(TObject*) { MBCGrid->SetRowCount(MBCGrid->RowCount() + 1); }

void TForm1::btnDelCClick(TObject*) {
    const int last = MBCGrid->RowCount() - 1;
    const int current = MBCGrid->Row();
    if (current < 1) return;  // the heading row is never deleted
    for (int row = current; row < last; ++row)
        for (int col = 0; col < CounselorFields; ++col) MBCGrid->SetCells(col, row, MBCGrid->Cells(col, row + 1));
    for (int col = 0; col < CounselorFields; ++col) MBCGrid->SetCells(col, last, "");
    if (last > 1) MBCGrid->SetRowCount(last);
}

bool TForm1::StoreCounselorGrid(CounselorLineEnds ends) {
    std::vector<AnsiString> rows;
    for (int row = 1; row < MBCGrid->RowCount(); ++row) {
        if (MBCGrid->Cells(0, row).empty()) continue;
        AnsiString line;
        for (int col = 0; col < CounselorFields; ++col) line += MBCGrid->Cells(col, row) + "|";
        rows.push_back(std::move(line));
    }
    try {
        if (ends == CounselorLineEnds::LineFeed) {
            std::string bytes;
            for (const AnsiString& row : rows) bytes += row + "\n";
            WriteWholeFile(CounselorFile, bytes);
        } else {
            // Through the report list, sorted when it still is from the opening.
            TStrings* lines = lbRpt->Items();
            lines->Clear();
            for (const AnsiString& row : rows) lines->Add(row);
            lines->SaveToFile(CounselorFile);
        }
    } catch (const Exception& e) {
        // The panels stay open with every edit, and the old file as it was.
        ShowMessage(AnsiString("Could not save ") + CounselorFile + ": " + e.Message());
        return false;
    }
    return true;
}

void TForm1::btnCloseCnslrsClick(TObject*) {
    // Rows without a Merit Badge are not saved: those that hold text are
    // named first, and No keeps the panel with every row.
    AnsiString dropped;
    for (int row = 1; row < MBCGrid->RowCount(); ++row) {
        if (!MBCGrid->Cells(0, row).empty()) continue;
        for (int col = 1; col < CounselorFields; ++col) {
            const AnsiString text = Trim(MBCGrid->Cells(col, row));
            if (text.empty()) continue;
            dropped += "\nRow " + IntToStr(row) + ": " + text;
            break;
        }
    }
    if (!dropped.empty() && !AskYesNo("Rows without a merit badge are not saved. Save the others and close?" + dropped))
        return;
    if (!StoreCounselorGrid(CounselorLineEnds::LineFeed)) return;
    pnlRpts->Hide();
    pnlMBC->Hide();
}

void TForm1::btnCloseNoSaveClick(TObject*) {
    pnlMBC->Hide();
    pnlRpts->Hide();
}

void TForm1::btnCPrintClick(TObject*) {
    TStrings* lines = BeginPrintout("Councelor List");
    auto cell = [this](int col, int row, int width) { return PadText(MBCGrid->Cells(col, row), width, true); };
    for (int row = 0; row < MBCGrid->RowCount(); ++row) {
        lines->Add("+---------------------------|-----------------------------|-----|----------+");
        lines->Add('|' + cell(0, row, 27) + "|" + cell(1, row, 29) + "|" + cell(2, row, 5) + "|" + cell(6, row, 10) + "|");
        lines->Add("+---------------------------|--------|---------------|----|-----|----------+");
        lines->Add('|' + cell(3, row, 36) + "|" + cell(4, row, 15) + "|" + cell(5, row, 10) + "|" + cell(7, row, 10) + "|");
        lines->Add("+------------------------------------|---------------|----------|----------+");
        lines->Add("  ");
    }
    PrintReportList();
}
