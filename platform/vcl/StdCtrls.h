// Labels, edits, memos, list and combo boxes, buttons and radio buttons.
#ifndef TRAILBOOK_PLATFORM_STDCTRLS_H
#define TRAILBOOK_PLATFORM_STDCTRLS_H

#include "platform/vcl/Controls.h"

class TLabel : public TControl {
    TB_DECLARE_CLASS()
public:
    explicit TLabel(TComponent* owner);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; Changed(PeerProp::Caption); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }

private:
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
};

// Setting Text, from code or by typing, raises OnChange when the text changes.
class TEdit : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TEdit(TComponent* owner);
    int MaxLength() const { return maxLength_; }  // 0 = no limit
    void SetMaxLength(int v) { maxLength_ = v; Changed(PeerProp::MaxLength); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; Changed(PeerProp::ReadOnly); }
    int SelStart() const { return selStart_; }
    void SetSelStart(int v) { selStart_ = v; selLength_ = 0; Changed(PeerProp::Selection); }
    int SelLength() const { return selLength_; }
    void SetSelLength(int v) { selLength_ = v; Changed(PeerProp::Selection); }
    void Clear() { SetText(""); }
    TNotifyEvent OnChange;
    virtual void Change() { if (OnChange) OnChange(this); }

protected:
    void SetTextValue(const AnsiString& v) override;

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
    int selStart_ = 0, selLength_ = 0;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// The names form descriptions give the values of TScrollStyle, in order.
const std::vector<AnsiString>& ScrollStyleNames();

class TMemo : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TMemo(TComponent* owner);
    TStrings* Lines() const { return lines_.get(); }
    void Clear() { lines_->Clear(); }
    int SelStart() const { return selStart_; }
    void SetSelStart(int v) { selStart_ = v; selLength_ = 0; Changed(PeerProp::Selection); }
    int SelLength() const { return selLength_; }
    void SetSelLength(int v) { selLength_ = v; Changed(PeerProp::Selection); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; Changed(PeerProp::ReadOnly); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v) { scrollBars_ = v; }
    int BorderStyle() const { return borderStyle_; }  // 0 none, 1 single
    void SetBorderStyle(int v) { borderStyle_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }
    // The whole text, lines joined by CR LF (the last line without one).
    AnsiString MemoText() const;
    TNotifyEvent OnChange;

private:
    std::unique_ptr<TStrings> lines_;
    int selStart_ = 0, selLength_ = 0;
    bool readOnly_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    int borderStyle_ = 1;
    TAlignment alignment_ = taLeftJustify;
};

// A list of lines; in sorted mode every added line is inserted at its sorted
// place (the model sorts, never the toolkit).
class TListBox : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TListBox(TComponent* owner);
    TStrings* Items() const { return items_.get(); }
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool v) { items_->SetSorted(v); }
    // -1 when nothing is selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    bool Selected(int index) const { return index >= 0 && index == itemIndex_; }
    void SetSelected(int index, bool selected);
    int SelCount() const { return itemIndex_ >= 0 ? 1 : 0; }
    int ItemHeight() const { return itemHeight_; }
    // The item height is that of a row at the font the list has when it is given.
    void SetItemHeight(int v);
    // How far apart the rows lie at the list's present font: a list box's
    // rows are as high as its font's line, so the item height grows and
    // shrinks with the font's height.
    int RowHeight() const;
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int v) { topIndex_ = v; }
    // The item at a point of the list box; -1 (existing) when there is none.
    int ItemAtPos(TPoint pos, bool existing) const;
    void Clear() { items_->Clear(); }
    bool MultiSelect() const { return false; }

private:
    std::unique_ptr<TStrings> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 13;
    int itemFontHeight_ = 0;  // the font's height in pixels when the item height was given
    int topIndex_ = 0;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A combo box: an edit with a list. Choosing an item by hand sets Text and
// raises OnClick, then OnChange; setting ItemIndex from code raises nothing.
class TComboBox : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TComboBox(TComponent* owner);
    TStrings* Items() const { return items_.get(); }
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool v) { items_->SetSorted(v); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v) { style_ = v; Changed(PeerProp::Structure); }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v) { dropDownCount_ = v; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v) { maxLength_ = v; Changed(PeerProp::MaxLength); }
    void Clear() { items_->Clear(); SetText(""); }
    // Text typed by the user: the selection becomes the item of exactly that
    // text, or none (the text stays).
    void SetTypedText(const AnsiString& v);
    TNotifyEvent OnChange;
    virtual void Change() { if (OnChange) OnChange(this); }

protected:
    void SetTextValue(const AnsiString& v) override;

private:
    std::unique_ptr<TStrings> items_;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
};

constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

// A push button; a click sets its form's ModalResult from the button's own
// ModalResult, then raises OnClick.
class TButton : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TButton(TComponent* owner);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; Changed(PeerProp::Structure); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    void Click() override;

private:
    int modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};

// Selecting a radio button, from code or by hand, clears the radio buttons
// beside it (same parent) and raises its OnClick.
class TRadioButton : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }

private:
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TCheckBox(TComponent* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);

private:
    bool checked_ = false;
};

#endif
