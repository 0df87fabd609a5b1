// TControl and TWinControl: the model of a control. All state lives here, as
// on the platform's controls before they have a window; while the control's
// form is shown, a peer follows every change (PeerProp) and feeds user input
// back through the model's events.
#ifndef TRAILBOOK_PLATFORM_CONTROLS_H
#define TRAILBOOK_PLATFORM_CONTROLS_H

#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Desktop.h"
#include "platform/vcl/Graphics.h"

class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// The names form descriptions give the values of TAlignment, in order.
const std::vector<AnsiString>& AlignmentNames();

class TControl : public TComponent {
    TB_DECLARE_CLASS()
public:
    // Whether a visible windowed control lying above this control, or above
    // one of its parents, in the same parent covers its middle.
    bool Covered() const;
    explicit TControl(TComponent* owner);
    ~TControl() override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    // The client area; for most controls the whole control.
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    virtual void SetClientWidth(int v) { SetWidth(v); }
    virtual void SetClientHeight(int v) { SetHeight(v); }
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }

    // Renaming a control from code also renames a caption or text that showed
    // its old name, as a form designer does.
    void SetName(const AnsiString& name) override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v) { if (v != enabled_) { enabled_ = v; Changed(PeerProp::Enabled); } }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign v) { align_ = v; }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* font) { if (font) font_->Assign(*font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v) { if (v != color_) { color_ = v; Changed(PeerProp::Color); } }
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v) { parentColor_ = v; }
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& v) { hint_ = v; Changed(PeerProp::Hint); }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v) { parentShowHint_ = v; }
    int Cursor() const { return cursor_; }
    void SetCursor(int v) { cursor_ = v; }

    // Caption and Text are one value, as on the platform; each class publishes
    // the name it uses.
    const AnsiString& Caption() const { return text_; }
    void SetCaption(const AnsiString& v) { SetTextValue(v); }
    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& v) { SetTextValue(v); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseUp;
    TMouseEvent OnMouseDown;
    TNotifyEvent OnResize;

    // Runs OnClick (directly, as code calling Click does).
    virtual void Click() { if (OnClick) OnClick(this); }
    virtual void DblClick() { if (OnDblClick) OnDblClick(this); }
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
        if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    }
    virtual void Resize() { if (OnResize) OnResize(this); }

    void BringToFront();
    void SendToBack();
    void Refresh() { Repaint(); }
    void Repaint() { Changed(PeerProp::Repaint); }
    void Update() { Changed(PeerProp::Repaint); }
    void Invalidate() { Changed(PeerProp::Repaint); }

    // Tells the peer, if any, that a property changed.
    void Changed(PeerProp what) { if (peer_) peer_->Changed(what); }

protected:
    // Sets Visible without telling the desktop (a form run modally).
    void SetVisibleFlag(bool v) { visible_ = v; }
    // Text changes go through here so that edits can raise OnChange.
    virtual void SetTextValue(const AnsiString& v) {
        if (v == text_) return;
        text_ = v;
        Changed(PeerProp::Caption);
    }
    AnsiString text_;

private:
    friend class TWinControl;
    void FontChanged();
    // Copies the parent's font (ParentFont) and passes it on to the children.
    void FollowParentFont();
    // Tells the peer and passes the font on to the children that follow this control's.
    void ShowNewFont();
    bool followingParent_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    AnsiString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    int cursor_ = 0;
};

class TWinControl : public TControl {
    TB_DECLARE_CLASS()
public:
    explicit TWinControl(TComponent* owner) : TControl(owner) {}
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // Children in the order in which they lie, the bottom one first.
    const std::vector<TControl*>& ControlList() const { return controls_; }
    std::vector<TComponent*> ChildComponents() const override;

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }

    // The window handle, made on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    // Whether the keyboard focus may come here: this control and its parents
    // up to the form are visible and enabled, and no windowed control lying
    // above any of them covers it (a panel shown over the panel it is on).
    // The form's own state is not asked.
    virtual bool CanFocus() const;
    void SetFocus();
    bool Focused() const;
    // The windowed children in their tab order.
    std::vector<TWinControl*> TabOrderList() const;
    // The control that Tab (forward) or Shift+Tab reaches from current inside
    // this control: the next tab stop in tab order, children of panels
    // included, that can take the focus; past the last it starts again at
    // the first. nullptr when no other control can take the focus.
    TWinControl* FindNextControl(const TWinControl* current, bool forward) const;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyUp;
    TKeyEvent OnKeyDown;
    virtual void DoEnter() { if (OnEnter) OnEnter(this); }
    virtual void DoExit() { if (OnExit) OnExit(this); }
    virtual void KeyUp(unsigned short& key, TShiftState shift) { if (OnKeyUp) OnKeyUp(this, key, shift); }

    // Characters a user may type or paste into this control; a refused
    // character is dropped with a beep. Empty: every character.
    std::function<bool(unsigned char)> AcceptChar;

    // Used by TControl::SetParent.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveControlToFront(TControl* control);
    void MoveControlToBack(TControl* control);

protected:
    HWND handle_ = nullptr;

private:
    std::vector<TControl*> controls_;
    int tabOrder_ = -1;
    bool tabStop_ = false;
};

// True while the component, or the form that owns it, reads its description.
bool IsLoading(const TComponent* component);

// The control that has the keyboard focus, if any.
TWinControl* FocusedControl();
void SetFocusedControl(TWinControl* control);

#endif
