// The main window's own layout: FormScaler1 moves, sizes and re-fonts the
// window's controls; the grid columns follow their panels' width here, and the
// requirement rows built at run time (which the component does not track) are
// laid out anew as fixed fractions of the sheet panel after every rescale.
#include "records/Main.h"

namespace {

// A fraction of a size in pixels, truncated toward zero.
int Part(int size, double fraction) { return static_cast<int>(size * fraction); }

// Counselor grid columns: Merit Badge, Counselor, Loc, Address, City, Zip, Phone, Phone2.
constexpr double CounselorColumns[] = {0.17094, 0.18162, 0.03205, 0.24038, 0.08013, 0.0641, 0.09081, 0.09081};
constexpr double AttendanceNameColumn = 0.12366;
constexpr double AttendanceWeekColumn = 0.0344086;
constexpr int AttendanceWeeks = 24;

}  // namespace

void TForm1::FormResize(TObject*) {
    const int attendWidth = gridAttend->Width();
    gridAttend->SetColWidths(0, Part(attendWidth, AttendanceNameColumn));
    for (int col = 1; col <= AttendanceWeeks; ++col) gridAttend->SetColWidths(col, Part(attendWidth, AttendanceWeekColumn));
    // The counselor columns follow the report panel, not the grid.
    const int reportWidth = pnlRpts->Width();
    for (int col = 0; col < static_cast<int>(std::size(CounselorColumns)); ++col)
        MBCGrid->SetColWidths(col, Part(reportWidth, CounselorColumns[col]));
}

void TForm1::pnlRptsResize(TObject*) {}

void TForm1::FormScaler1ExitResize(TObject*, double, double) {
    if (!RowsBuilt) return;
    const int h = pnlScout->Height();
    const int w = pnlScout->Width();
    // Each control is placed in one step: left, top, width, height.
    for (int row = 0; row < SheetRows; ++row) {
        RowPanel[row]->SetBounds(Part(w, 0.021), Part(h, 0.051) * row + Part(h, 0.042), Part(w, 0.965), Part(h, 0.042));
        TLabel* number = RowNumberLabel[row];
        number->SetBounds(Part(w, 0.015), number->Top(), Part(w, 0.0943), Part(h, 0.0255));
        RowTextLabel[row]->SetBounds(Part(w, 0.1132), Part(h, 0.001), Part(w, 0.377), Part(h, 0.0255));
        RowCounselorEdit[row]->SetBounds(Part(w, 0.52), Part(h, 0.0055), Part(w, 0.1887), Part(h, 0.038));
        RowDateEdit[row]->SetBounds(Part(w, 0.73), Part(h, 0.0055), Part(w, 0.151), Part(h, 0.038));
        // The circle's height follows the panel's width, like its width, so it stays round.
        RowStatusShape[row]->SetBounds(Part(w, 0.901), Part(h, 0.0055), Part(w, 0.032), Part(w, 0.032));
    }
}
