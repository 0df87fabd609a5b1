// TStringGrid: a grid of text cells.
#include "platform/vcl/Grids.h"
#include "platform/vcl/Desktop.h"

#include <algorithm>

const TClassInfo& TStringGrid::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TStringGrid>("TStringGrid", TWinControl::StaticClassInfo())
            .Int("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount)
            .Int("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount)
            .Int("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols)
            .Int("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows)
            .Int("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth)
            .Int("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight)
            .Set("Options", &TStringGrid::Options, &TStringGrid::SetOptions,
                 {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                  "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing",
                  "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"})
            .Enum("ScrollBars", &TStringGrid::ScrollBars, &TStringGrid::SetScrollBars, ScrollStyleNames())
            .Build();
    return info;
}

TStringGrid::TStringGrid(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    SetTabStop(true);
    ResizeCells();
}

// A grid keeps at least one column and one row, and at least one of them
// not fixed, as the platform's grid does.
void TStringGrid::SetColCount(int v) {
    colCount_ = std::max(v, 1);
    if (fixedCols_ >= colCount_) fixedCols_ = colCount_ - 1;
    ResizeCells();
}

void TStringGrid::SetRowCount(int v) {
    rowCount_ = std::max(v, 1);
    if (fixedRows_ >= rowCount_) fixedRows_ = rowCount_ - 1;
    ResizeCells();
}

void TStringGrid::ResizeCells() {
    cells_.resize(static_cast<size_t>(rowCount_));
    for (auto& row : cells_) row.resize(static_cast<size_t>(colCount_));
    colWidths_.resize(static_cast<size_t>(colCount_), defaultColWidth_);
    if (row_ >= rowCount_) row_ = rowCount_ - 1;
    if (col_ >= colCount_) col_ = colCount_ - 1;
    Changed(PeerProp::Structure);
}

bool TStringGrid::HasCell(int col, int row) const {
    return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
}

AnsiString TStringGrid::Cells(int col, int row) const {
    if (!HasCell(col, row)) return {};
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCells(int col, int row, const AnsiString& value) {
    if (!HasCell(col, row)) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = value;
    Changed(PeerProp::Cells);
}

int TStringGrid::ColWidths(int col) const {
    if (col < 0 || col >= colCount_) return defaultColWidth_;
    return colWidths_[static_cast<size_t>(col)];
}

void TStringGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= colCount_) return;
    colWidths_[static_cast<size_t>(col)] = width;
    Changed(PeerProp::ColWidths);
}

// As on the platform, a new default width applies to every column.
void TStringGrid::SetDefaultColWidth(int v) {
    defaultColWidth_ = v;
    std::fill(colWidths_.begin(), colWidths_.end(), v);
    Changed(PeerProp::ColWidths);
}

void TStringGrid::CellEdited(int col, int row, const AnsiString& value) {
    if (AcceptEdit && !AcceptEdit(col, row, value)) {
        CurrentDesktop().Beep();
        Changed(PeerProp::Cells);
        return;
    }
    SetCells(col, row, value);
    if (OnSetEditText) OnSetEditText(this, col, row, value);
}
