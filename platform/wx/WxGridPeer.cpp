// TStringGrid on wxGrid: the grid reads its cells straight from the model
// through a table; the first fixed row and column are the grid's headings.
#include "platform/wx/WxForm.h"
#include "platform/wx/WxPeers.h"

#include <wx/grid.h>

#include <algorithm>

namespace {

class ModelTable : public wxGridTableBase {
public:
    explicit ModelTable(TStringGrid* grid) : grid_(grid) {}
    void Detach() { grid_ = nullptr; }

    // Model rows and columns taken by the headings (0 or 1).
    int HeadRows() const { return grid_ && grid_->FixedRows() > 0 ? 1 : 0; }
    int HeadCols() const { return grid_ && grid_->FixedCols() > 0 ? 1 : 0; }

    int GetNumberRows() override { return grid_ ? std::max(0, grid_->RowCount() - HeadRows()) : 0; }
    int GetNumberCols() override { return grid_ ? std::max(0, grid_->ColCount() - HeadCols()) : 0; }
    wxString GetValue(int row, int col) override {
        return grid_ ? ToWx(grid_->Cells(col + HeadCols(), row + HeadRows())) : wxString();
    }
    void SetValue(int row, int col, const wxString& value) override {
        TStringGrid* grid = grid_;
        if (!grid) return;
        int c = col + HeadCols(), r = row + HeadRows();
        AnsiString text = FromWx(value);
        writing_ = true;
        RunInput([grid, c, r, text] { UserInput::EditCell(grid, c, r, text); });
        writing_ = false;
    }
    // True while a user's edit is written into the model.
    bool Writing() const { return writing_; }
    bool IsEmptyCell(int row, int col) override { return GetValue(row, col).empty(); }
    wxString GetColLabelValue(int col) override {
        return grid_ && HeadRows() ? ToWx(grid_->Cells(col + HeadCols(), 0)) : wxString();
    }
    wxString GetRowLabelValue(int row) override {
        return grid_ && HeadCols() ? ToWx(grid_->Cells(0, row + HeadRows())) : wxString();
    }
    // Further fixed rows and columns are shown read-only in the heading colour.
    wxGridCellAttr* GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind) override {
        if (grid_ && (row + HeadRows() < grid_->FixedRows() || col + HeadCols() < grid_->FixedCols())) {
            auto* attr = new wxGridCellAttr;
            attr->SetReadOnly();
            attr->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
            return attr;
        }
        return wxGridTableBase::GetAttr(row, col, kind);
    }

private:
    TStringGrid* grid_;
    bool writing_ = false;
};

class GridPeer : public WxWidgetPeer {
public:
    GridPeer(WxFormWindow& form, TStringGrid* model, wxWindow* parent) : WxWidgetPeer(form, model) {
        grid_ = new wxGrid(parent, wxID_ANY, wxPoint(model->Left(), model->Top()),
                           wxSize(model->Width(), model->Height()), wxWANTS_CHARS);
        table_ = new ModelTable(model);
        grid_->SetTable(table_, true);
        rows_ = table_->GetNumberRows();
        cols_ = table_->GetNumberCols();
        grid_->SetColLabelAlignment(wxALIGN_LEFT, wxALIGN_CENTRE);
        grid_->SetRowLabelAlignment(wxALIGN_LEFT, wxALIGN_CENTRE);
        grid_->DisableDragRowSize();
        Attach(grid_);
        grid_->Bind(wxEVT_GRID_SELECT_CELL, [this](wxGridEvent& e) {
            e.Skip();
            auto* grid = static_cast<TStringGrid*>(model_);
            if (applying_ || !grid) return;
            // The current cell is state the program reads (the row to delete).
            applying_ = true;
            grid->SetRow(e.GetRow() + table_->HeadRows());
            grid->SetCol(e.GetCol() + table_->HeadCols());
            applying_ = false;
        });
        // A cell's editor takes only the characters the grid accepts, and
        // the model's cell follows it as the user types, so that a command
        // that runs while the editor is open (a button) sees what was typed.
        grid_->Bind(wxEVT_GRID_EDITOR_CREATED, [this](wxGridEditorCreatedEvent& e) {
            e.Skip();
            wxControl* editor = e.GetControl();
            if (!editor) return;
            editor->Bind(wxEVT_CHAR, [this](wxKeyEvent& k) { FilterTypedChar(dynamic_cast<TWinControl*>(model_), k); });
            editor->Bind(wxEVT_TEXT_PASTE,
                         [this](wxClipboardTextEvent& p) { FilterPaste(dynamic_cast<TWinControl*>(model_), p); });
            editor->Bind(wxEVT_TEXT, [this, editor](wxCommandEvent& t) {
                t.Skip();
                if (!model_ || !grid_->IsCellEditControlShown()) return;
                const int row = grid_->GetGridCursorRow(), col = grid_->GetGridCursorCol();
                table_->SetValue(row, col, t.GetString());
                // The program may keep less or other than was typed (a row's
                // length limit, a column it does not let change): the editor
                // shows what the cell holds, so nothing refused stays on screen.
                const wxString kept = table_->GetValue(row, col);
                auto* text = dynamic_cast<wxTextEntry*>(editor);
                if (!text || kept == t.GetString()) return;
                const long at = std::min<long>(text->GetInsertionPoint(), static_cast<long>(kept.length()));
                text->ChangeValue(kept);
                text->SetInsertionPoint(at);
            });
        });
        // A key typed on a cell that is not being edited opens the editor with
        // the cell's text replaced by that key: the key passes the editor's
        // filter first, so that a refused key opens no editor and the cell
        // keeps its text.
        grid_->Bind(wxEVT_CHAR, [this](wxKeyEvent& k) {
            if (grid_->IsCellEditControlEnabled() || !grid_->CanEnableCellControl())
                k.Skip();
            else
                FilterTypedChar(dynamic_cast<TWinControl*>(model_), k);
        });
        // wxGrid draws its cursor only while it has the focus; without it the
        // current cell is shown selected, as the platform's grid shows it, so
        // that a command on the current row (a button that took the focus)
        // never acts on a row that cannot be seen.
        grid_->GetGridWindow()->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
            e.Skip();
            grid_->ClearSelection();
        });
        grid_->GetGridWindow()->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
            e.Skip();
            if (!grid_->IsSelection()) MarkCurrentCell();
        });
        grid_->Bind(wxEVT_GRID_CELL_CHANGING, [this](wxGridEvent& e) {
            if (droppingEditor_)
                e.Veto();
            else
                e.Skip();
        });
        grid_->Bind(wxEVT_GRID_COL_SIZE, [this](wxGridSizeEvent& e) {
            e.Skip();
            auto* grid = static_cast<TStringGrid*>(model_);
            if (applying_ || !grid) return;
            applying_ = true;
            grid->SetColWidths(e.GetRowOrCol() + table_->HeadCols(), grid_->GetColSize(e.GetRowOrCol()));
            applying_ = false;
        });
    }

    ~GridPeer() override {
        if (widget_) table_->Detach();
    }

    void Detach() override {
        if (widget_) table_->Detach();
        WxWidgetPeer::Detach();
    }

    void SyncAll() override {
        WxWidgetPeer::SyncAll();
        for (PeerProp p : {PeerProp::Structure, PeerProp::RowHeight, PeerProp::ColWidths, PeerProp::Selection})
            Changed(p);
    }

    void Changed(PeerProp what) override {
        auto* grid = static_cast<TStringGrid*>(model_);
        if (!grid || !widget_) return;
        switch (what) {
            case PeerProp::Structure:
            case PeerProp::Cells:
            case PeerProp::Items:
                if (!table_->Writing()) DropEditor();
                if (FollowShape()) {
                    ApplyOptions();
                    Changed(PeerProp::ColWidths);
                    Changed(PeerProp::RowHeight);
                }
                if (what == PeerProp::Structure) {
                    ApplyOptions();
                    if (!HasFocusWithin()) MarkCurrentCell();
                }
                grid_->Refresh();
                break;
            case PeerProp::ColWidths:
                applying_ = true;
                grid_->BeginBatch();
                if (table_->HeadCols())
                    grid_->SetRowLabelSize(grid->ColWidths(0));
                else
                    grid_->SetRowLabelSize(0);
                for (int c = 0; c < cols_; ++c) grid_->SetColSize(c, grid->ColWidths(c + table_->HeadCols()));
                grid_->EndBatch();
                applying_ = false;
                break;
            case PeerProp::RowHeight:
                grid_->SetDefaultRowSize(grid->DefaultRowHeight(), true);
                grid_->SetColLabelSize(table_->HeadRows() ? grid->DefaultRowHeight() : 0);
                break;
            case PeerProp::Selection: {
                int r = grid->Row() - table_->HeadRows(), c = grid->Col() - table_->HeadCols();
                if (applying_ || r < 0 || c < 0 || r >= rows_ || c >= cols_) break;
                applying_ = true;
                grid_->SetGridCursor(r, c);
                applying_ = false;
                if (!HasFocusWithin()) MarkCurrentCell();
                break;
            }
            case PeerProp::Font:
                // Headings are drawn in the grid's own font, as the cells are.
                WxWidgetPeer::Changed(what);
                grid_->SetDefaultCellFont(grid_->GetFont());
                grid_->SetLabelFont(grid_->GetFont());
                break;
            default: WxWidgetPeer::Changed(what);
        }
    }

private:
    // True when the grid or its cell editor has the keyboard focus.
    bool HasFocusWithin() const {
        wxWindow* focus = wxWindow::FindFocus();
        return focus && (focus == grid_ || grid_->IsDescendant(focus));
    }

    // Shows the current cell as the only selected one.
    void MarkCurrentCell() {
        const int r = grid_->GetGridCursorRow(), c = grid_->GetGridCursorCol();
        grid_->ClearSelection();
        if (r >= 0 && c >= 0) grid_->SelectBlock(r, c, r, c);
    }

    // Closes the cell editor without writing its text: the model has taken
    // every keystroke already, and once the program has changed the cells
    // the text may belong to a cell that moved or was emptied (a row deleted
    // while one of its cells was being edited).
    void DropEditor() {
        if (!grid_->IsCellEditControlEnabled()) return;
        droppingEditor_ = true;
        grid_->DisableCellEditControl();
        droppingEditor_ = false;
    }

    // Tells the grid how many rows and columns the model has now; true when they changed.
    bool FollowShape() {
        int rows = table_->GetNumberRows(), cols = table_->GetNumberCols();
        if (rows == rows_ && cols == cols_) return false;
        DropEditor();
        Notify(rows, rows_, wxGRIDTABLE_NOTIFY_ROWS_APPENDED, wxGRIDTABLE_NOTIFY_ROWS_DELETED);
        Notify(cols, cols_, wxGRIDTABLE_NOTIFY_COLS_APPENDED, wxGRIDTABLE_NOTIFY_COLS_DELETED);
        return true;
    }

    void Notify(int now, int& known, int appended, int deleted) {
        if (now > known) {
            wxGridTableMessage m(table_, appended, now - known);
            grid_->ProcessTableMessage(m);
        } else if (now < known) {
            wxGridTableMessage m(table_, deleted, now, known - now);
            grid_->ProcessTableMessage(m);
        }
        known = now;
    }

    void ApplyOptions() {
        auto* grid = static_cast<TStringGrid*>(model_);
        TGridOptions o = grid->Options();
        grid_->EnableEditing((o & goEditing) != 0);
        grid_->SetTabBehaviour((o & goTabs) ? wxGrid::Tab_Wrap : wxGrid::Tab_Leave);
        grid_->EnableDragColSize((o & goColSizing) != 0);
        grid_->EnableGridLines((o & (goVertLine | goHorzLine)) != 0);
        grid_->SetSelectionMode((o & goRowSelect) ? wxGrid::wxGridSelectRows : wxGrid::wxGridSelectCells);
        TScrollStyle bars = grid->ScrollBars();
        auto shown = [](bool on) { return on ? wxSHOW_SB_DEFAULT : wxSHOW_SB_NEVER; };
        grid_->ShowScrollbars(shown(bars == ssHorizontal || bars == ssBoth), shown(bars == ssVertical || bars == ssBoth));
    }

    wxGrid* grid_;
    ModelTable* table_;
    int rows_ = 0, cols_ = 0;
    bool droppingEditor_ = false;
};

}  // namespace

WxPeer* NewGridPeer(WxFormWindow& form, TControl* control, wxWindow* parent) {
    if (auto* x = dynamic_cast<TStringGrid*>(control)) return new GridPeer(form, x, parent);
    return nullptr;
}
