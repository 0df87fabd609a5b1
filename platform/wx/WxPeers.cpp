// Conversions between the model and wxWidgets, the common peer behaviour and
// the peer factory.
#include "platform/wx/WxPeers.h"

#include <wx/clipbrd.h>

#include <algorithm>

#include "platform/wx/WxForm.h"
#include "platform/wx/WxGtk.h"

// ---------------------------------------------------------------- conversions

wxString ToWx(const AnsiString& text) {
    wxString s = wxString::FromUTF8(text.data(), text.size());
    // Bytes that are not UTF-8 are shown as Latin-1 rather than dropped.
    if (s.empty() && !text.empty()) s = wxString(text.data(), wxConvISO8859_1, text.size());
    return s;
}

AnsiString FromWx(const wxString& text) {
    wxScopedCharBuffer utf8 = text.utf8_str();
    return AnsiString(utf8.data(), utf8.length());
}

wxColour ToWxColour(TColor color) {
    switch (color) {
        case clBtnFace: return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
        case clWindow: return wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
        case clWindowText: return wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
        case clBtnText: return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
        case clBtnShadow: return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
        case clBtnHighlight: return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
        case clGrayText: return wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
        default: break;
    }
    uint32_t rgb = ColorToRGB(color);
    return wxColour(static_cast<unsigned char>(GetRValue(rgb)), static_cast<unsigned char>(GetGValue(rgb)),
                    static_cast<unsigned char>(GetBValue(rgb)));
}

wxFont ToWxFont(const TFont& font) {
    // The model's height in pixels is the height drawn, whatever resolution
    // the toolkit draws fonts at. A negative height is the characters' own
    // height; a positive one counts the line's leading as well.
    int pixels = font.Height() < 0 ? -font.Height() : font.Height() * 4 / 5;
    if (pixels <= 0) pixels = 11;
    double points = FontPointsForPixels(pixels, ToolkitFontDpi());
    AnsiString name = LowerCase(font.Name());
    wxFont result;
    if (name.find("courier") != AnsiString::npos) {
        result = wxFont(wxFontInfo(points).Family(wxFONTFAMILY_TELETYPE));
    } else if (name.empty() || name == "ms sans serif" || name == "ms shell dlg" || name == "tahoma") {
        result = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
        result.SetFractionalPointSize(points);
    } else if (name.find("times") != AnsiString::npos) {
        result = wxFont(wxFontInfo(points).Family(wxFONTFAMILY_ROMAN));
    } else {
        result = wxFont(wxFontInfo(points).Family(wxFONTFAMILY_SWISS));
    }
    TFontStyles style = font.Style();
    if (style & fsBold) result.SetWeight(wxFONTWEIGHT_BOLD);
    if (style & fsItalic) result.SetStyle(wxFONTSTYLE_ITALIC);
    if (style & fsUnderline) result.SetUnderlined(true);
    if (style & fsStrikeOut) result.SetStrikethrough(true);
    return result;
}

unsigned short ToVirtualKey(int key) {
    if (key >= 'a' && key <= 'z') return static_cast<unsigned short>(key - 'a' + 'A');
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return static_cast<unsigned short>(key);
    if (key >= WXK_F1 && key <= WXK_F12) return static_cast<unsigned short>(112 + key - WXK_F1);
    switch (key) {
        case WXK_BACK: return 8;
        case WXK_TAB: return 9;
        case WXK_RETURN: case WXK_NUMPAD_ENTER: return 13;
        case WXK_SHIFT: return 16;
        case WXK_CONTROL: return 17;
        case WXK_ALT: return 18;
        case WXK_ESCAPE: return 27;
        case WXK_SPACE: return 32;
        case WXK_PAGEUP: return 33;
        case WXK_PAGEDOWN: return 34;
        case WXK_END: return 35;
        case WXK_HOME: return 36;
        case WXK_LEFT: return 37;
        case WXK_UP: return 38;
        case WXK_RIGHT: return 39;
        case WXK_DOWN: return 40;
        case WXK_INSERT: return 45;
        case WXK_DELETE: return 46;
        default: return 0;
    }
}

TShiftState ShiftOf(const wxKeyboardState& keys) {
    TShiftState s = 0;
    if (keys.ShiftDown()) s |= ssShift;
    if (keys.AltDown()) s |= ssAlt;
    if (keys.RawControlDown()) s |= ssCtrl;
    return s;
}

TMouseButton ButtonOf(const wxMouseEvent& event) {
    if (event.GetButton() == wxMOUSE_BTN_RIGHT) return mbRight;
    if (event.GetButton() == wxMOUSE_BTN_MIDDLE) return mbMiddle;
    return mbLeft;
}

// Nothing may escape into the toolkit's C code: what gets past the guard (or
// runs without an application) is shown here, or dropped.
void RunGuarded(const std::function<void()>& code) {
    try {
        if (Application)
            Application->Guard(code);
        else
            code();
    } catch (...) {
        if (Application) Application->HandleException(Application);
    }
}

void RunInput(const std::function<void()>& input) {
    RunGuarded(input);
    AfterUserInput();
}

// ---------------------------------------------------------------- keyboard filters

void FilterTypedChar(TWinControl* control, wxKeyEvent& event) {
    int ch = event.GetUnicodeKey();
    bool printable = ch != WXK_NONE && ch >= 32 && ch != 127 && !event.RawControlDown() && !event.AltDown();
    if (!control || !printable) {
        event.Skip();
        return;
    }
    bool accepted = ch < 256 && (!control->AcceptChar || control->AcceptChar(static_cast<unsigned char>(ch)));
    if (accepted)
        event.Skip();
    else
        CurrentDesktop().Beep();
}

void FilterPaste(TWinControl* control, wxClipboardTextEvent& event) {
    if (!control || !control->AcceptChar) {
        event.Skip();
        return;
    }
    wxString text;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data)) text = data.GetText();
        wxTheClipboard->Close();
    }
    for (wxUniChar c : text) {
        unsigned long code = c.GetValue();
        if (code >= 256 || !control->AcceptChar(static_cast<unsigned char>(code))) {
            CurrentDesktop().Beep();
            return;
        }
    }
    event.Skip();
}

// ---------------------------------------------------------------- peers

WxPeer::WxPeer(WxFormWindow& form, TComponent* model) : form_(form), model_(model) {
    if (model_) model_->SetPeer(this);
}

WxPeer::~WxPeer() { Detach(); }

void WxPeer::Detach() {
    if (model_ && model_->Peer() == this) model_->SetPeer(nullptr);
    model_ = nullptr;
}

void WxPeer::ModelDestroyed() {
    TComponent* model = model_;
    model_ = nullptr;  // the model is going away: never touch it again
    form_.Retire(model);
}

WxWidgetPeer::~WxWidgetPeer() {
    model_ = nullptr;  // events raised while the widget goes are not passed on
    if (wxWindow* w = widget_.get()) w->Destroy();
}

void WxWidgetPeer::Attach(wxWindow* widget) {
    widget_ = widget;
    widget->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        e.Skip();
        auto* control = dynamic_cast<TWinControl*>(model_);
        if (!control || applying_ || FocusedControl() == control) return;
        RunInput([control] { UserInput::Focus(control); });
    });
    widget->Bind(wxEVT_KEY_UP, [this](wxKeyEvent& e) {
        e.Skip();
        auto* control = dynamic_cast<TWinControl*>(model_);
        unsigned short key = ToVirtualKey(e.GetKeyCode());
        if (!control || !key) return;
        TShiftState shift = ShiftOf(e);
        RunInput([control, key, shift] { UserInput::KeyUp(control, key, shift); });
    });
    auto mouseUp = [this](wxMouseEvent& e) {
        e.Skip();
        TControl* control = Control();
        if (!control) return;
        TMouseButton button = ButtonOf(e);
        TShiftState shift = ShiftOf(e);
        int x = e.GetX(), y = e.GetY();
        RunInput([=] { UserInput::MouseUp(control, button, shift, x, y); });
    };
    widget->Bind(wxEVT_LEFT_UP, mouseUp);
    widget->Bind(wxEVT_RIGHT_UP, mouseUp);
    widget->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& e) {
        e.Skip();
        TControl* control = Control();
        if (!control) return;
        RunInput([control] { UserInput::DblClick(control); });
    });
}

void WxWidgetPeer::SyncAll() {
    for (PeerProp p : {PeerProp::Bounds, PeerProp::Font, PeerProp::Color, PeerProp::Enabled, PeerProp::Hint,
                       PeerProp::Visible})
        Changed(p);
}

void WxWidgetPeer::KeepSiblingsAbove(TControl* control) {
    if (!control->Parent()) return;
    const auto& siblings = control->Parent()->ControlList();
    auto self = std::find(siblings.begin(), siblings.end(), control);
    if (self == siblings.end()) return;
    for (auto it = self + 1; it != siblings.end(); ++it)
        if (auto* peer = dynamic_cast<WxPeer*>((*it)->Peer()))
            if (wxWindow* above = peer->Widget()) RaiseControl(above);
}

void WxWidgetPeer::ApplyFont() {
    TControl* control = Control();
    wxWindow* w = widget_.get();
    if (!control || !w) return;
    w->SetFont(ToWxFont(*control->Font()));
    TColor text = control->Font()->Color();
    if (text != clWindowText && text != clBtnText) w->SetForegroundColour(ToWxColour(text));
}

void WxWidgetPeer::ApplyColor() {
    TControl* control = Control();
    wxWindow* w = widget_.get();
    if (!control || !w || !OwnColors()) return;
    TColor c = control->Color();
    if ((c & clSystemColor) == 0) w->SetBackgroundColour(ToWxColour(c));
}

void WxWidgetPeer::Changed(PeerProp what) {
    TControl* control = Control();
    wxWindow* w = widget_.get();
    if (!control || !w || form_.Defer(control, what)) return;
    switch (what) {
        case PeerProp::Bounds:
            w->SetSize(control->Left(), control->Top(), control->Width(), control->Height(), wxSIZE_ALLOW_MINUS_ONE);
            break;
        case PeerProp::Visible:
            w->Show(control->Visible());
            // The toolkit raises a window that it shows: the controls that
            // lie above it in the model go back on top.
            if (control->Visible()) KeepSiblingsAbove(control);
            break;
        case PeerProp::Enabled: w->Enable(control->Enabled()); break;
        case PeerProp::Font: ApplyFont(); w->Refresh(); break;
        case PeerProp::Color: ApplyColor(); w->Refresh(); break;
        case PeerProp::Hint:
            if (!control->Hint().empty() && control->ShowHint())
                w->SetToolTip(ToWx(control->Hint()));
            else
                w->UnsetToolTip();
            break;
        case PeerProp::Focus:
            applying_ = true;
            w->SetFocus();
            applying_ = false;
            break;
        case PeerProp::ZOrder: {
            const auto& siblings = control->Parent() ? control->Parent()->ControlList() : std::vector<TControl*>();
            if (!siblings.empty() && siblings.back() == control)
                RaiseControl(w);
            else
                LowerControl(w);
            break;
        }
        case PeerProp::Repaint: w->Refresh(); break;
        default: break;
    }
}

void WxGraphicPeer::RefreshParent() {
    if (wxWindow* parent = parent_.get()) parent->Refresh();
}

void WxGraphicPeer::Changed(PeerProp what) {
    (void)what;
    RefreshParent();
}

void WxGraphicPeer::ModelDestroyed() {
    RefreshParent();
    WxPeer::ModelDestroyed();
}

WxPeer* CreateControlPeer(WxFormWindow& form, TControl* control, wxWindow* parent) {
    if (dynamic_cast<TFileListBox*>(control) || dynamic_cast<TRichEdit*>(control))
        return new WxHiddenPeer(form, control);
    if (WxPeer* peer = NewGridPeer(form, control, parent)) return peer;
    if (WxPeer* peer = NewStandardPeer(form, control, parent)) return peer;
    if (WxPeer* peer = NewPaintedPeer(form, control, parent)) return peer;
    return new WxHiddenPeer(form, control);
}

// ---------------------------------------------------------------- menus and timers

void WxMenuPeer::Changed(PeerProp what) {
    (void)what;
    if (auto* item = dynamic_cast<TMenuItem*>(model_)) form_.MenuItemChanged(item);
}

void WxMenuPeer::ModelDestroyed() {
    form_.ScheduleMenuRebuild();
    WxPeer::ModelDestroyed();
}

WxTimerPeer::WxTimerPeer(WxFormWindow& form, TTimer* timer) : WxPeer(form, timer) {
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        auto* t = dynamic_cast<TTimer*>(model_);
        if (!t || !t->OnTimer) return;
        RunGuarded([t] { t->OnTimer(t); });
        AfterUserInput();
    });
}

void WxTimerPeer::Changed(PeerProp what) {
    (void)what;
    auto* t = dynamic_cast<TTimer*>(model_);
    if (t && t->Enabled() && t->Interval() > 0)
        timer_.Start(t->Interval());
    else
        timer_.Stop();
}
