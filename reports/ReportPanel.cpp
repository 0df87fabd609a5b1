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

TStrings* TForm1::BeginPrintout(const AnsiString& title) {
    TStrings* lines = lbRpt->Items();
    lbRpt->SetSorted(false);
    lines->Clear();
    lines->Add(title);
    lines->Add(" ");
    lines->Add(" ");
    return lines;
}

void TForm1::Button2Click(TObject*) {
    // The counselor editor open over the panel is stored first; when that
    // fails both panels stay open, so that no edit is lost.
    if (pnlMBC->Visible() && !StoreCounselorGrid(CounselorLineEnds::ReportList)) return;
    pnlRpts->Hide();
    pnlMBC->Hide();
}
