// TStringGrid: a grid of text cells with fixed heading rows and columns.
#ifndef TRAILBOOK_PLATFORM_GRIDS_H
#define TRAILBOOK_PLATFORM_GRIDS_H

#include "platform/vcl/Controls.h"
#include "platform/vcl/StdCtrls.h"

using TGridOptions = unsigned;
constexpr TGridOptions goFixedVertLine = 1, goFixedHorzLine = 2, goVertLine = 4, goHorzLine = 8,
                       goRangeSelect = 16, goDrawFocusSelected = 32, goRowSizing = 64, goColSizing = 128,
                       goRowMoving = 256, goColMoving = 512, goEditing = 1024, goTabs = 2048,
                       goRowSelect = 4096, goAlwaysShowEditor = 8192, goThumbTracking = 16384;

class TStringGrid : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TStringGrid(TComponent* owner);
    int ColCount() const { return colCount_; }
    void SetColCount(int v);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int v);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int v) { fixedRows_ = v; Changed(PeerProp::Structure); }
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int v) { fixedCols_ = v; Changed(PeerProp::Structure); }
    // Cells outside the grid read as "" and ignore writes.
    AnsiString Cells(int col, int row) const;
    void SetCells(int col, int row, const AnsiString& value);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int v);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int v) { defaultRowHeight_ = v; Changed(PeerProp::RowHeight); }
    int Row() const { return row_; }
    void SetRow(int v) { row_ = v; Changed(PeerProp::Selection); }
    int Col() const { return col_; }
    void SetCol(int v) { col_ = v; Changed(PeerProp::Selection); }
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions v) { options_ = v; Changed(PeerProp::Structure); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v) { scrollBars_ = v; Changed(PeerProp::Structure); }
    // Raised after the user edited a cell in place.
    std::function<void(TObject* Sender, int ACol, int ARow, const AnsiString& Value)> OnSetEditText;
    // When set, a user's edit that it refuses leaves the cell as it was,
    // with a beep, as a refused character is dropped.
    std::function<bool(int ACol, int ARow, const AnsiString& Value)> AcceptEdit;
    // A cell edited by the user, from its peer.
    void CellEdited(int col, int row, const AnsiString& value);

private:
    void ResizeCells();
    bool HasCell(int col, int row) const;
    int colCount_ = 5, rowCount_ = 5, fixedRows_ = 1, fixedCols_ = 1;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    int row_ = 1, col_ = 1;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TScrollStyle scrollBars_ = ssBoth;
    std::vector<std::vector<AnsiString>> cells_;  // [row][col]
    std::vector<int> colWidths_;
};

#endif
