// Peers of the native controls: edits, memos, list and combo boxes, buttons,
// check boxes, radio buttons and the month calendar.
#include "platform/wx/WxForm.h"
#include "platform/wx/WxGtk.h"

#include <algorithm>

#include "platform/wx/WxPeers.h"

#include <wx/calctrl.h>

#include <memory>

namespace {

wxPoint PlaceOf(const TControl* c) { return wxPoint(c->Left(), c->Top()); }
wxSize SizeOf(const TControl* c) { return wxSize(c->Width(), c->Height()); }

// The most rows a combo box drops down as a list box.
constexpr size_t MaxDropDownListRows = 1000;

// Shows every line of the model's list in a list or combo box, in one call;
// a combo box draws nothing meanwhile.
void LoadItems(wxItemContainer& box, const TStrings& items) {
    if (items.Count() == 0) {
        box.Clear();
        return;
    }
    wxArrayString a;
    a.reserve(static_cast<size_t>(items.Count()));
    for (const auto& line : items.Lines()) a.Add(ToWx(line));
    auto* combo = dynamic_cast<wxComboBox*>(&box);
    if (combo) combo->Freeze();
    box.Set(a);
    if (combo) {
        // Too many rows for a list box's drop-down (see DropDownAsMenu).
        DropDownAsMenu(combo, a.size() > MaxDropDownListRows);
        combo->Thaw();
    }
}

// Follows one change of the model's list in a list or combo box; reloads the
// whole list when the change cannot be applied as it stands.
void FollowItems(wxItemContainer& box, const TStrings& items, const TListChange& change) {
    int count = items.Count();
    unsigned shown = box.GetCount();
    switch (change.kind) {
        case TListChange::Inserted:
            if (change.index >= 0 && change.index < count && static_cast<int>(shown) + 1 == count) {
                box.Insert(ToWx(items[change.index]), static_cast<unsigned>(change.index));
                return;
            }
            break;
        case TListChange::Deleted:
            if (change.index >= 0 && change.index < static_cast<int>(shown) && static_cast<int>(shown) == count + 1) {
                box.Delete(static_cast<unsigned>(change.index));
                return;
            }
            break;
        case TListChange::Replaced:
            if (change.index >= 0 && change.index < count && static_cast<int>(shown) == count) {
                box.SetString(static_cast<unsigned>(change.index), ToWx(items[change.index]));
                return;
            }
            break;
        case TListChange::Reset: break;
    }
    LoadItems(box, items);
}

// Characters typed or pasted into an edit or combo box pass the model's AcceptChar.
void BindCharFilters(wxWindow* widget, const WxPeer* peer) {
    widget->Bind(wxEVT_CHAR, [peer](wxKeyEvent& e) { FilterTypedChar(dynamic_cast<TWinControl*>(peer->Model()), e); });
    widget->Bind(wxEVT_TEXT_PASTE,
                 [peer](wxClipboardTextEvent& e) { FilterPaste(dynamic_cast<TWinControl*>(peer->Model()), e); });
}

// ---------------------------------------------------------------- edits and memos

class TextPeer : public WxWidgetPeer {
public:
    TextPeer(WxFormWindow& form, TWinControl* model, wxWindow* parent, bool multiLine)
        : WxWidgetPeer(form, model), multiLine_(multiLine) {
        long style = 0;
        if (multiLine) {
            auto* memo = static_cast<TMemo*>(model);
            style = wxTE_MULTILINE | (memo->WordWrap() ? wxTE_WORDWRAP : (wxTE_DONTWRAP | wxHSCROLL));
            if (memo->BorderStyle() == 0) style |= wxBORDER_NONE;
        }
        text_ = new wxTextCtrl(parent, wxID_ANY, wxString(), PlaceOf(model), SizeOf(model), style);
        Attach(text_);
        text_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnTyped(); });
        BindCharFilters(text_, this);
    }

    void SyncAll() override {
        WxWidgetPeer::SyncAll();
        for (PeerProp p : {PeerProp::Text, PeerProp::ReadOnly, PeerProp::MaxLength}) Changed(p);
    }

    void Changed(PeerProp what) override {
        if (!model_ || !widget_) return;
        switch (what) {
            case PeerProp::Text:
            case PeerProp::Caption:
            case PeerProp::Items: {
                wxString wanted = ToWx(ModelText());
                if (text_->GetValue() != wanted && !ShowsModelLines()) {
                    applying_ = true;
                    text_->ChangeValue(wanted);
                    applying_ = false;
                }
                break;
            }
            case PeerProp::ReadOnly:
                text_->SetEditable(multiLine_ ? !static_cast<TMemo*>(model_)->ReadOnly()
                                              : !static_cast<TEdit*>(model_)->ReadOnly());
                break;
            case PeerProp::MaxLength:
                if (!multiLine_) text_->SetMaxLength(static_cast<unsigned long>(std::max(0, static_cast<TEdit*>(model_)->MaxLength())));
                break;
            case PeerProp::Selection: {
                int start = multiLine_ ? static_cast<TMemo*>(model_)->SelStart() : static_cast<TEdit*>(model_)->SelStart();
                int length = multiLine_ ? static_cast<TMemo*>(model_)->SelLength() : static_cast<TEdit*>(model_)->SelLength();
                applying_ = true;
                text_->SetSelection(start, start + length);
                applying_ = false;
                break;
            }
            default: WxWidgetPeer::Changed(what);
        }
    }

protected:
    bool OwnColors() const override { return true; }

private:
    AnsiString ModelText() const {
        if (!multiLine_) return Control()->Text();
        AnsiString joined;
        const auto& lines = static_cast<TMemo*>(model_)->Lines()->Lines();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i) joined += '\n';
            joined += lines[i];
        }
        return joined;
    }

    // A memo's text that reads as the model's lines is left as the user
    // typed it: a new line begun at the end is not in the lines yet, and
    // putting the lines back would take it and the cursor away.
    bool ShowsModelLines() const {
        if (!multiLine_) return false;
        TStringList read;
        read.SetText(FromWx(text_->GetValue()));
        return read.Lines() == static_cast<TMemo*>(model_)->Lines()->Lines();
    }

    void OnTyped() {
        TControl* control = Control();
        if (applying_ || !control) return;
        AnsiString typed = FromWx(text_->GetValue());
        if (typed == ModelText()) return;
        RunInput([control, typed] { UserInput::Type(control, typed); });
    }

    bool multiLine_;
    wxTextCtrl* text_;
};

// ---------------------------------------------------------------- list boxes

class ListPeer : public WxWidgetPeer {
public:
    ListPeer(WxFormWindow& form, TListBox* model, wxWindow* parent) : WxWidgetPeer(form, model) {
        list_ = new wxListBox(parent, wxID_ANY, PlaceOf(model), SizeOf(model), 0, nullptr, wxLB_SINGLE);
        Attach(list_);
        list_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
            auto* box = static_cast<TListBox*>(model_);
            if (applying_ || !box) return;
            int index = list_->GetSelection();
            if (index == wxNOT_FOUND) return;
            RunInput([box, index] { UserInput::Pick(box, index); });
        });
    }

    void SyncAll() override {
        WxWidgetPeer::SyncAll();
        FollowRowHeight();
        Reload();
    }

    void ItemsChanged(const TListChange& change) override {
        auto* box = static_cast<TListBox*>(model_);
        if (!box || !widget_) return;
        // A hidden list (the program keeps whole files in some) is only
        // filled when it shows.
        if (!box->Visible()) {
            stale_ = true;
            return;
        }
        if (stale_) {
            Reload();
            return;
        }
        applying_ = true;
        FollowItems(*list_, *box->Items(), change);
        applying_ = false;
    }

    void Changed(PeerProp what) override {
        auto* box = static_cast<TListBox*>(model_);
        if (!box || !widget_) return;
        switch (what) {
            case PeerProp::Items: Reload(); break;
            case PeerProp::ItemIndex: SelectFromModel(); break;
            case PeerProp::Visible:
                if (box->Visible() && stale_) Reload();
                WxWidgetPeer::Changed(what);
                break;
            case PeerProp::Font:
                WxWidgetPeer::Changed(what);
                FollowRowHeight();
                break;
            default: WxWidgetPeer::Changed(what);
        }
    }

    int ItemAtPos(int x, int y) override {
        if (!widget_) return -2;
        int index = list_->HitTest(wxPoint(x, y));
        return index == wxNOT_FOUND ? -1 : index;
    }

protected:
    bool OwnColors() const override { return true; }

private:
    void Reload() {
        auto* box = static_cast<TListBox*>(model_);
        if (!box->Visible()) {
            stale_ = true;
            return;
        }
        stale_ = false;
        applying_ = true;
        LoadItems(*list_, *box->Items());
        applying_ = false;
        SelectFromModel();
    }

    void SelectFromModel() {
        auto* box = static_cast<TListBox*>(model_);
        if (stale_) return;
        int index = box->ItemIndex();
        applying_ = true;
        if (index >= 0 && index < static_cast<int>(list_->GetCount()))
            list_->SetSelection(index);
        else
            list_->SetSelection(wxNOT_FOUND);
        applying_ = false;
    }

    // After the toolkit's own font change, which sets the rows' height from the font.
    void FollowRowHeight() { SetRowHeight(list_->m_treeview, static_cast<TListBox*>(model_)->RowHeight()); }

    wxListBox* list_;
    bool stale_ = false;
};

// ---------------------------------------------------------------- combo boxes

class ComboPeer : public WxWidgetPeer {
public:
    ComboPeer(WxFormWindow& form, TComboBox* model, wxWindow* parent) : WxWidgetPeer(form, model) {
        long style = model->Style() == csDropDownList ? wxCB_READONLY : wxCB_DROPDOWN;
        combo_ = new wxComboBox(parent, wxID_ANY, wxString(), PlaceOf(model), SizeOf(model), 0, nullptr, style);
        Attach(combo_);
        combo_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
            auto* box = static_cast<TComboBox*>(model_);
            if (applying_ || !box) return;
            int index = combo_->GetSelection();
            if (index == wxNOT_FOUND) return;
            RunInput([box, index] { UserInput::Pick(box, index); });
        });
        combo_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnTyped(); });
        combo_->Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent& e) {
            e.Skip();
            OnDropDown();
        });
        combo_->Bind(wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent& e) {
            e.Skip();
            OnCloseUp();
        });
        BindCharFilters(combo_, this);
    }

    void SyncAll() override {
        WxWidgetPeer::SyncAll();
        Changed(PeerProp::Items);
        Changed(PeerProp::MaxLength);
    }

    void ItemsChanged(const TListChange& change) override {
        auto* box = static_cast<TComboBox*>(model_);
        if (!box || !widget_) return;
        applying_ = true;
        FollowItems(*combo_, *box->Items(), change);
        applying_ = false;
    }

    void Changed(PeerProp what) override {
        auto* box = static_cast<TComboBox*>(model_);
        if (!box || !widget_) return;
        switch (what) {
            case PeerProp::Items:
                applying_ = true;
                LoadItems(*combo_, *box->Items());
                applying_ = false;
                Changed(PeerProp::ItemIndex);
                Changed(PeerProp::Text);
                break;
            case PeerProp::ItemIndex: {
                int index = box->ItemIndex();
                if (index >= static_cast<int>(combo_->GetCount())) break;
                // While the user types an item's text the edit part is left alone.
                if (index >= 0 && combo_->GetValue() == combo_->GetString(static_cast<unsigned>(index)) &&
                    combo_->GetSelection() != index && !combo_->HasFlag(wxCB_READONLY))
                    break;
                applying_ = true;
                combo_->SetSelection(index < 0 ? wxNOT_FOUND : index);
                applying_ = false;
                break;
            }
            case PeerProp::Text:
            case PeerProp::Caption:
                if (!combo_->HasFlag(wxCB_READONLY) && combo_->GetValue() != ToWx(box->Text())) {
                    applying_ = true;
                    combo_->ChangeValue(ToWx(box->Text()));
                    applying_ = false;
                }
                break;
            case PeerProp::MaxLength:
                if (!combo_->HasFlag(wxCB_READONLY))
                    combo_->SetMaxLength(static_cast<unsigned long>(std::max(0, box->MaxLength())));
                break;
            default: WxWidgetPeer::Changed(what);
        }
    }

protected:
    bool OwnColors() const override { return true; }

private:
    void OnTyped() {
        auto* box = static_cast<TComboBox*>(model_);
        if (applying_ || !box) return;
        wxString value = combo_->GetValue();
        // A pick from the list changes the edit part first; the pick itself follows.
        int selected = combo_->GetSelection();
        if (selected != wxNOT_FOUND && selected != box->ItemIndex() &&
            combo_->GetString(static_cast<unsigned>(selected)) == value)
            return;
        AnsiString typed = FromWx(value);
        if (typed == box->Text()) return;
        RunInput([box, typed] { UserInput::Type(box, typed); });
    }

    // The toolkit reports a choice from the list only when it changes the
    // selection; choosing the item already shown is a pick all the same. So
    // while the list is open no item is the selected one, and every choice
    // is a change. Closed without a choice, the list gets its selection back.
    void OnDropDown() {
        openedWith_ = combo_->GetSelection();
        if (openedWith_ == wxNOT_FOUND) return;
        applying_ = true;
        SetComboActiveRow(combo_, -1);
        applying_ = false;
    }

    void OnCloseUp() {
        int before = openedWith_;
        openedWith_ = wxNOT_FOUND;
        if (before == wxNOT_FOUND) return;
        // The choice, if any, is reported after the list closes.
        combo_->CallAfter([this, before, alive = std::weak_ptr<bool>(alive_)] {
            if (alive.expired() || !model_ || !widget_) return;
            if (combo_->GetSelection() != wxNOT_FOUND || before >= static_cast<int>(combo_->GetCount())) return;
            applying_ = true;
            SetComboActiveRow(combo_, before);
            applying_ = false;
        });
    }

    wxComboBox* combo_;
    int openedWith_ = wxNOT_FOUND;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// ---------------------------------------------------------------- buttons

class ButtonPeer : public WxWidgetPeer {
public:
    ButtonPeer(WxFormWindow& form, TButton* model, wxWindow* parent) : WxWidgetPeer(form, model) {
        button_ = new wxButton(parent, wxID_ANY, ToWx(model->Caption()), PlaceOf(model), SizeOf(model));
        Attach(button_);
        button_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
            TControl* control = Control();
            if (!control) return;
            RunInput([control] { UserInput::Click(control); });
        });
    }

    void SyncAll() override {
        WxWidgetPeer::SyncAll();
        Changed(PeerProp::Structure);
    }

    void Changed(PeerProp what) override {
        auto* b = static_cast<TButton*>(model_);
        if (!b || !widget_) return;
        switch (what) {
            case PeerProp::Caption:
            case PeerProp::Text: button_->SetLabel(ToWx(b->Caption())); break;
            case PeerProp::Structure:
                if (b->Default()) button_->SetDefault();
                break;
            default: WxWidgetPeer::Changed(what);
        }
    }

private:
    wxButton* button_;
};

// The radio buttons of one parent form one group, as in the model. A radio
// button cannot be unchecked by itself, so each group holds a hidden member
// that is checked when none of the others is.
const char* const NoneCheckedName = "trailbook-none-checked";

wxRadioButton* NoneChecked(wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren())
        if (child->GetName() == NoneCheckedName) return static_cast<wxRadioButton*>(child);
    auto* none = new wxRadioButton(parent, wxID_ANY, wxString(), wxPoint(-100, -100), wxDefaultSize, wxRB_GROUP,
                                   wxDefaultValidator, NoneCheckedName);
    none->Hide();
    none->SetValue(true);
    return none;
}

void Uncheck(wxCheckBox* box) { box->SetValue(false); }
void Uncheck(wxRadioButton* radio) { NoneChecked(radio->GetParent())->SetValue(true); }

// Check boxes and radio buttons: the model decides the checked state (a radio
// button clears its siblings); the widget shows it.
template <class M, class W>
class CheckPeer : public WxWidgetPeer {
public:
    CheckPeer(WxFormWindow& form, M* model, W* widget, const wxEventTypeTag<wxCommandEvent>& clicked) : WxWidgetPeer(form, model) {
        widget_box_ = widget;
        EllipsizeCaption(widget);  // narrower than its caption: cut with an ellipsis
        Attach(widget);
        widget->Bind(clicked, [this](wxCommandEvent&) {
            auto* m = static_cast<M*>(model_);
            if (applying_ || !m) return;
            // Show the model's state once the input has run, whatever it decided.
            widget_box_->CallAfter([this] { Changed(PeerProp::Checked); });
            RunInput([m] { Toggle(m); });
        });
    }

    void SyncAll() override {
        WxWidgetPeer::SyncAll();
        Changed(PeerProp::Checked);
    }

    void Changed(PeerProp what) override {
        auto* m = static_cast<M*>(model_);
        if (!m || !widget_) return;
        switch (what) {
            case PeerProp::Caption:
            case PeerProp::Text: widget_box_->SetLabel(ToWx(m->Caption())); break;
            case PeerProp::Bounds: {
                if (form_.Defer(m, what)) break;
                // GTK draws the indicator only at its full height, and the
                // caption in no less than an ellipsis: a box made smaller than
                // that (a window shrunk by the rescaling component) keeps the
                // size it needs, centred on the model's place.
                int height = std::max(m->Height(), widget_box_->GetBestSize().y);
                int width = std::max(m->Width(), LeastWidth(widget_box_));
                widget_box_->SetSize(m->Left(), m->Top() - (height - m->Height()) / 2, width, height,
                                     wxSIZE_ALLOW_MINUS_ONE);
                break;
            }
            case PeerProp::Checked:
                if (widget_box_->GetValue() != m->Checked()) {
                    applying_ = true;
                    if (m->Checked())
                        widget_box_->SetValue(true);
                    else
                        Uncheck(widget_box_);
                    applying_ = false;
                }
                break;
            default: WxWidgetPeer::Changed(what);
        }
    }

private:
    static void Toggle(TCheckBox* box) { UserInput::Click(box); }
    static void Toggle(TRadioButton* radio) { UserInput::CheckRadio(radio); }
    W* widget_box_;
};

// ---------------------------------------------------------------- month calendar

class CalendarPeer : public WxWidgetPeer {
public:
    CalendarPeer(WxFormWindow& form, TMonthCalendar* model, wxWindow* parent) : WxWidgetPeer(form, model) {
        calendar_ = new wxCalendarCtrl(parent, wxID_ANY, wxDefaultDateTime, PlaceOf(model), SizeOf(model),
                                       wxCAL_SUNDAY_FIRST | wxCAL_SHOW_SURROUNDING_WEEKS);
        Attach(calendar_);
        calendar_->Bind(wxEVT_CALENDAR_SEL_CHANGED, [this](wxCalendarEvent&) {
            auto* cal = static_cast<TMonthCalendar*>(model_);
            if (applying_ || !cal) return;
            wxDateTime d = calendar_->GetDate();
            if (!d.IsValid()) return;
            TDateTime picked = EncodeDate(d.GetYear(), d.GetMonth() + 1, d.GetDay());
            applying_ = true;
            RunGuarded([cal, picked] { cal->SetDate(picked); });
            applying_ = false;
        });
    }

    void SyncAll() override {
        WxWidgetPeer::SyncAll();
        Changed(PeerProp::Date);
    }

    void Changed(PeerProp what) override {
        auto* cal = static_cast<TMonthCalendar*>(model_);
        if (!cal || !widget_) return;
        if (what != PeerProp::Date) {
            WxWidgetPeer::Changed(what);
            return;
        }
        if (applying_) return;
        int y = 0, m = 0, d = 0;
        DecodeDate(cal->Date() >= 1 ? cal->Date() : Date(), y, m, d);
        applying_ = true;
        calendar_->SetDate(wxDateTime(static_cast<wxDateTime::wxDateTime_t>(d), static_cast<wxDateTime::Month>(m - 1), y));
        applying_ = false;
    }

private:
    wxCalendarCtrl* calendar_;
};

}  // namespace

WxPeer* NewStandardPeer(WxFormWindow& form, TControl* control, wxWindow* parent) {
    if (auto* x = dynamic_cast<TListBox*>(control)) return new ListPeer(form, x, parent);
    if (auto* x = dynamic_cast<TComboBox*>(control)) return new ComboPeer(form, x, parent);
    if (auto* x = dynamic_cast<TEdit*>(control)) return new TextPeer(form, x, parent, false);
    if (auto* x = dynamic_cast<TMemo*>(control)) return new TextPeer(form, x, parent, true);
    if (auto* x = dynamic_cast<TButton*>(control)) return new ButtonPeer(form, x, parent);
    if (auto* x = dynamic_cast<TCheckBox*>(control)) {
        auto* w = new wxCheckBox(parent, wxID_ANY, ToWx(x->Caption()), PlaceOf(x), SizeOf(x));
        return new CheckPeer<TCheckBox, wxCheckBox>(form, x, w, wxEVT_CHECKBOX);
    }
    if (auto* x = dynamic_cast<TRadioButton*>(control)) {
        NoneChecked(parent);
        auto* w = new wxRadioButton(parent, wxID_ANY, ToWx(x->Caption()), PlaceOf(x), SizeOf(x));
        return new CheckPeer<TRadioButton, wxRadioButton>(form, x, w, wxEVT_RADIOBUTTON);
    }
    if (auto* x = dynamic_cast<TMonthCalendar*>(control)) return new CalendarPeer(form, x, parent);
    return nullptr;
}
