// Labels, edits, memos, list and combo boxes, buttons, radio buttons and check boxes.
#include "platform/vcl/StdCtrls.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/vcl/Forms.h"

namespace {

// Keeps a selected index on the same line while lines come and go, and
// passes the change on to the control's peer.
void FollowListChange(int& itemIndex, ControlPeer* peer, const TListChange& change) {
    int before = itemIndex;
    switch (change.kind) {
    case TListChange::Reset: itemIndex = -1; break;
    case TListChange::Inserted:
        if (itemIndex >= 0 && change.index <= itemIndex) ++itemIndex;
        break;
    case TListChange::Deleted:
        if (change.index == itemIndex) itemIndex = -1;
        else if (change.index < itemIndex) --itemIndex;
        break;
    case TListChange::Replaced: break;
    }
    if (peer) {
        peer->ItemsChanged(change);
        if (itemIndex != before) peer->Changed(PeerProp::ItemIndex);
    }
}

// The setter of a property that form descriptions carry but this model does not use.
void IgnoreValue(TPersistent*, const FormValue&, TReaderContext&) {}

}  // namespace

const std::vector<AnsiString>& ScrollStyleNames() {
    static const std::vector<AnsiString> names = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
    return names;
}

// ---------------------------------------------------------------- TLabel

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TLabel>("TLabel", TControl::StaticClassInfo())
                                       .String("Caption", &TLabel::Caption, &TLabel::SetCaption)
                                       .Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, AlignmentNames())
                                       .Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
                                       .Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
                                       .Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
                                       .Custom("Layout", TPropInfo::tkInteger, nullptr, IgnoreValue)
                                       .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TControl(owner) {}

// ---------------------------------------------------------------- TEdit

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TEdit>("TEdit", TWinControl::StaticClassInfo())
                                       .String("Text", &TEdit::Text, &TEdit::SetText)
                                       .Int("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
                                       .Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
                                       .Event("OnChange", &TEdit::OnChange)
                                       .Build();
    return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    SetTabStop(true);
}

void TEdit::SetTextValue(const AnsiString& v) {
    if (v == text_) return;
    text_ = v;
    Changed(PeerProp::Text);
    if (!IsLoading(this)) Change();
}

// ---------------------------------------------------------------- TMemo

const TClassInfo& TMemo::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TMemo>("TMemo", TWinControl::StaticClassInfo())
            .Strings("Lines", &TMemo::Lines)
            .Bool("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly)
            .Bool("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap)
            .Enum("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars, ScrollStyleNames())
            .Enum("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle, {"bsNone", "bsSingle"})
            .Enum("Alignment", &TMemo::Alignment, &TMemo::SetAlignment, AlignmentNames())
            .Event("OnChange", &TMemo::OnChange)
            .Build();
    return info;
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<TStringList>()) {
    SetColor(clWindow);
    SetTabStop(true);
    lines_->Observer = [this](const TListChange& change) {
        if (peer_) peer_->ItemsChanged(change);
    };
}

AnsiString TMemo::MemoText() const {
    AnsiString text = lines_->Text();
    if (!text.empty()) text.resize(text.size() - 2);  // no line break after the last line
    return text;
}

// ---------------------------------------------------------------- TListBox

const TClassInfo& TListBox::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TListBox>("TListBox", TWinControl::StaticClassInfo())
                                       .Strings("Items", &TListBox::Items)
                                       .Int("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
                                       .Bool("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
                                       .Build();
    return info;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
    SetColor(clWindow);
    SetTabStop(true);
    items_->Observer = [this](const TListChange& change) { FollowListChange(itemIndex_, peer_, change); };
}

void TListBox::SetItemIndex(int v) {
    if (v < 0 || v >= items_->Count()) v = -1;
    if (v == itemIndex_) return;
    itemIndex_ = v;
    Changed(PeerProp::ItemIndex);
}

void TListBox::SetSelected(int index, bool selected) {
    if (selected) SetItemIndex(index);
    else if (index == itemIndex_) SetItemIndex(-1);
}

void TListBox::SetItemHeight(int v) {
    itemHeight_ = v > 0 ? v : 13;
    itemFontHeight_ = std::abs(Font()->Height());
}

int TListBox::RowHeight() const {
    const int fontHeight = std::abs(Font()->Height());
    if (itemFontHeight_ <= 0 || fontHeight <= 0) return itemHeight_;
    return std::max(1, static_cast<int>(std::lround(itemHeight_ * static_cast<double>(fontHeight) / itemFontHeight_)));
}

int TListBox::ItemAtPos(TPoint pos, bool existing) const {
    if (peer_) {
        int answer = peer_->ItemAtPos(pos.X, pos.Y);
        if (answer != -2) return answer == -1 && !existing ? items_->Count() : answer;
    }
    if (pos.X < 0 || pos.Y < 0 || pos.X >= Width() || pos.Y >= Height()) return -1;
    int index = pos.Y / RowHeight() + topIndex_;
    if (index < items_->Count()) return index;
    return existing ? -1 : items_->Count();
}

// ---------------------------------------------------------------- TComboBox

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TComboBox>("TComboBox", TWinControl::StaticClassInfo())
                                       .String("Text", &TComboBox::Text, &TComboBox::SetText)
                                       .Strings("Items", &TComboBox::Items)
                                       .Bool("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted)
                                       .Enum("Style", &TComboBox::Style, &TComboBox::SetStyle,
                                             {"csDropDown", "csSimple", "csDropDownList"})
                                       .Int("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
                                       .Int("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength)
                                       .Event("OnChange", &TComboBox::OnChange)
                                       .Custom("ItemHeight", TPropInfo::tkInteger, nullptr, IgnoreValue)
                                       .Build();
    return info;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
    SetColor(clWindow);
    SetTabStop(true);
    items_->Observer = [this](const TListChange& change) { FollowListChange(itemIndex_, peer_, change); };
}

void TComboBox::SetItemIndex(int v) {
    if (v < 0 || v >= items_->Count()) v = -1;
    itemIndex_ = v;
    // As on the platform, selecting no item empties the edit part.
    SetText(v >= 0 ? (*items_)[v] : AnsiString());
    Changed(PeerProp::ItemIndex);
}

void TComboBox::SetTypedText(const AnsiString& v) {
    SetText(v);
    int match = -1;
    for (int i = 0; i < items_->Count() && match < 0; ++i)
        if ((*items_)[i] == v) match = i;
    if (match != itemIndex_) {
        itemIndex_ = match;
        Changed(PeerProp::ItemIndex);
    }
}

// Text set from code raises no change event on a combo box.
void TComboBox::SetTextValue(const AnsiString& v) {
    if (v == text_) return;
    text_ = v;
    Changed(PeerProp::Text);
}

// ---------------------------------------------------------------- TButton

const TClassInfo& TButton::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TButton>("TButton", TWinControl::StaticClassInfo())
                                       .String("Caption", &TButton::Caption, &TButton::SetCaption)
                                       .Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
                                       .Bool("Default", &TButton::Default, &TButton::SetDefault)
                                       .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel)
                                       .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButton::Click() {
    if (modalResult_ != mrNone) {
        TWinControl* p = Parent();
        while (p && !dynamic_cast<TForm*>(p)) p = p->Parent();
        if (p) static_cast<TForm*>(p)->SetModalResult(modalResult_);
    }
    TWinControl::Click();
}

// ---------------------------------------------------------------- TRadioButton

const TClassInfo& TRadioButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TRadioButton>("TRadioButton", TWinControl::StaticClassInfo())
            .String("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption)
            .Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
            .Enum("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment, AlignmentNames())
            .Build();
    return info;
}

// Every radio button is a tab stop, so the keyboard reaches each of a group.
TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TRadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(PeerProp::Checked);
    if (!v) return;
    if (Parent())
        for (TControl* sibling : Parent()->ControlList())
            if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this)
                radio->SetChecked(false);
    if (!IsLoading(this)) Click();
}

// ---------------------------------------------------------------- TCheckBox

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TCheckBox>("TCheckBox", TWinControl::StaticClassInfo())
                                       .String("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption)
                                       .Bool("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked)
                                       .Build();
    return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TCheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(PeerProp::Checked);
}
