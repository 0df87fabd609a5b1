// The main window's own layout: FormScaler1 moves, sizes and re-fonts the
// window's controls; the grid columns follow their panels' width here, and the
// requirement rows built at run time (which the component does not track) are
// laid out anew as fixed fractions of the sheet panel after every rescale.
#include "records/Main.h"

namespace {

// A fraction of a size in pixels, truncated toward zero.
int Part(int size, double fraction) { return static_cast<int>(size * fraction); }

}  // namespace

// The grids' columns, as when their panels open.
void TForm1::FormResize(TObject*) {
    SetAttendanceColumnWidths();
    SetCounselorColumnWidths();
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
