// The screen side of the model objects on wxWidgets: one peer per control,
// menu item and timer while its form has a window, kept in step with the model
// through Changed(PeerProp), and feeding user input back through UserInput.
#ifndef TRAILBOOK_PLATFORM_WXPEERS_H
#define TRAILBOOK_PLATFORM_WXPEERS_H

// wx/meta/convertible.h of wxWidgets 3.2.2 uses std::is_base_of without its header.
#include <type_traits>

#include <wx/weakref.h>
#include <wx/wx.h>

#include <functional>
#include <memory>

#include "platform/vcl/Vcl.h"

class WxFormWindow;

// ---------------------------------------------------------------- helpers
wxString ToWx(const AnsiString& text);
AnsiString FromWx(const wxString& text);
// The colour as the platform paints it; the system colours that the toolkit
// knows (button face, window, text) become the desktop's own.
wxColour ToWxColour(TColor color);
wxFont ToWxFont(const TFont& font);
// The platform's virtual-key code of a wx key code (letters upper case).
unsigned short ToVirtualKey(int wxKey);
TShiftState ShiftOf(const wxKeyboardState& keys);
TMouseButton ButtonOf(const wxMouseEvent& event);

// Runs user input on the model (the UserInput functions guard the model's
// handlers); then lets a modal form whose ModalResult was set end. Peers call
// it as the last thing they do: the input may destroy the peer.
void RunInput(const std::function<void()>& input);
// Runs model code that is not user input (timers, activation) inside the
// application's exception guard.
void RunGuarded(const std::function<void()>& code);
// What the desktop does after every input: ends a modal form that has its result.
void AfterUserInput();
// The form window of a shown form, or nullptr.
WxFormWindow* FormWindowOf(const TForm* form);
// A form's window became the active one: raises its OnActivate once per activation.
void FormActivated(TForm* form);

// ---------------------------------------------------------------- peers
class WxPeer : public ControlPeer {
public:
    WxPeer(WxFormWindow& form, TComponent* model);
    ~WxPeer() override;
    WxPeer(const WxPeer&) = delete;
    WxPeer& operator=(const WxPeer&) = delete;

    TComponent* Model() const { return model_; }
    TControl* Control() const { return dynamic_cast<TControl*>(model_); }
    WxFormWindow& Form() const { return form_; }
    // The widget, or nullptr for controls painted by their parent and hidden ones.
    virtual wxWindow* Widget() const { return nullptr; }
    // The window that children of this control are placed in.
    virtual wxWindow* Container() const { return nullptr; }
    // Applies every property of the model (after creation).
    virtual void SyncAll() {}

    void ModelDestroyed() override;
    // Lets go of the model, which keeps no pointer to this peer.
    virtual void Detach();

protected:
    WxFormWindow& form_;
    TComponent* model_;
};

// A control with a widget of its own. Handles the properties every control
// has and the input every control takes (focus, mouse up, key up, double click).
class WxWidgetPeer : public WxPeer {
public:
    WxWidgetPeer(WxFormWindow& form, TControl* model) : WxPeer(form, model) {}
    ~WxWidgetPeer() override;
    wxWindow* Widget() const override { return widget_.get(); }
    void Changed(PeerProp what) override;
    void SyncAll() override;

protected:
    // Takes the widget and binds the common input.
    void Attach(wxWindow* widget);
    virtual void ApplyFont();
    virtual void ApplyColor();
    // Raises the widgets of the controls that lie above control in the model.
    static void KeepSiblingsAbove(TControl* control);
    // The background of a control whose model colour is the class default keeps the desktop's.
    virtual bool OwnColors() const { return false; }
    wxWeakRef<wxWindow> widget_;
    // Set while the widget is changed from the model, so its events are not sent back.
    bool applying_ = false;
};

// Creates the peer of a control under parent (the container window). Classes
// without a screen side (the rich edit used to print, the file list) get a
// peer without a widget.
WxPeer* CreateControlPeer(WxFormWindow& form, TControl* control, wxWindow* parent);
// The factories of each family of peers; null when the class is not theirs.
WxPeer* NewStandardPeer(WxFormWindow& form, TControl* control, wxWindow* parent);
WxPeer* NewPaintedPeer(WxFormWindow& form, TControl* control, wxWindow* parent);
WxPeer* NewGridPeer(WxFormWindow& form, TControl* control, wxWindow* parent);

// A control kept in the model only.
class WxHiddenPeer : public WxPeer {
public:
    using WxPeer::WxPeer;
    void Changed(PeerProp) override {}
};

// Keyboard filters of edits and combo boxes: a character or a pasted text
// that the model's AcceptChar refuses is dropped with a beep.
void FilterTypedChar(TWinControl* control, wxKeyEvent& event);
void FilterPaste(TWinControl* control, wxClipboardTextEvent& event);

// Controls without a window of their own (labels, shapes, bevels, images) are
// painted by the container they lie in, below the windowed controls.
class WxGraphicPeer : public WxPeer {
public:
    WxGraphicPeer(WxFormWindow& form, TControl* model, wxWindow* parent)
        : WxPeer(form, model), parent_(parent) {}
    void Changed(PeerProp what) override;
    void SyncAll() override { RefreshParent(); }
    // Paints the control in its parent's coordinates.
    virtual void Paint(wxDC& dc) = 0;
    void ModelDestroyed() override;
    wxWindow* ParentWindow() const { return parent_.get(); }

protected:
    void RefreshParent();
    wxWeakRef<wxWindow> parent_;
};

// The window of a form's client area or of a panel: paints its background,
// bevels, caption and the graphic controls inside it, and passes mouse input
// on to the graphic control under the pointer.
class WxContainerWindow : public wxPanel {
public:
    WxContainerWindow(wxWindow* parent, TWinControl* model);
    void Detach() { model_ = nullptr; }
    unsigned long Paints() const { return paints_; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    TControl* GraphicAt(const wxPoint& point) const;
    TWinControl* model_;
    unsigned long paints_ = 0;
};

wxColour EffectiveBackground(const TControl* control);

// A menu item's peer: changes go to its form's menu bar.
class WxMenuPeer : public WxPeer {
public:
    WxMenuPeer(WxFormWindow& form, TMenuItem* item) : WxPeer(form, item) {}
    void Changed(PeerProp what) override;
    void ModelDestroyed() override;
};

// A timer's peer: runs OnTimer every Interval milliseconds while enabled.
class WxTimerPeer : public WxPeer {
public:
    WxTimerPeer(WxFormWindow& form, TTimer* timer);
    void Changed(PeerProp what) override;
    void SyncAll() override { Changed(PeerProp::Structure); }

private:
    wxTimer timer_;
};

#endif
