// The report panel's two buttons and the printing of the report list.
#include "records/Main.h"

void TForm1::PrintReportList() {
    redit->Clear();
    TStrings* printed = redit->Lines();
    for (const AnsiString& line : lbRpt->Items()->Lines()) printed->Add(line);
    // A printer that cannot be reached raises EPrinter, which the handler's
    // guard shows; "Sent To Printer" is then not said.
    redit->Print("");
    ShowMessage("Sent To Printer");
}

void TForm1::Button4Click(TObject*) { PrintReportList(); }

bool TForm1::StoreCounselorGrid() {
    TStrings* lines = lbRpt->Items();
    lines->Clear();
    for (int row = 1; row < MBCGrid->RowCount(); ++row) {
        if (MBCGrid->Cells(0, row).empty()) continue;
        AnsiString line;
        for (int col = 0; col < 8; ++col) line += MBCGrid->Cells(col, row) + "|";
        lines->Add(line);
    }
    const AnsiString fileName = "Counselors.txt";
    try {
        lines->SaveToFile(fileName);
    } catch (const Exception& e) {
        ShowMessage("Could not save " + fileName + ": " + e.Message());
        return false;
    }
    return true;
}

void TForm1::Button2Click(TObject*) {
    // The counselor editor open over the panel is stored first; when that
    // fails both panels stay open, so that no edit is lost.
    if (pnlMBC->Visible() && !StoreCounselorGrid()) return;
    pnlRpts->Hide();
    pnlMBC->Hide();
}
