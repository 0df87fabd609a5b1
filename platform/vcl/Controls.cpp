// TControl and TWinControl: bounds, parent and z-order, fonts that follow the
// parent, focus and window handles.
#include "platform/vcl/Controls.h"

#include <algorithm>

#include "platform/vcl/Forms.h"

namespace {

TWinControl* focusedControl = nullptr;

// Cursor names of form descriptions and their values.
const std::vector<std::pair<AnsiString, int>>& CursorNames() {
    static const std::vector<std::pair<AnsiString, int>> names = {
        {"crDefault", 0},      {"crNone", -1},     {"crArrow", -2},      {"crCross", -3},    {"crIBeam", -4},
        {"crSizeNESW", -6},    {"crSizeNS", -7},   {"crSizeNWSE", -8},   {"crSizeWE", -9},   {"crUpArrow", -10},
        {"crHourGlass", -11},  {"crDrag", -12},    {"crNoDrop", -13},    {"crHSplit", -14},  {"crVSplit", -15},
        {"crMultiDrag", -16},  {"crSQLWait", -17}, {"crNo", -18},        {"crAppStart", -19}, {"crHelp", -20},
        {"crHandPoint", -21},  {"crSizeAll", -22}};
    return names;
}

FormValue CursorToFormValue(const TPersistent* o) {
    int value = static_cast<const TControl*>(o)->Cursor();
    for (const auto& [name, v] : CursorNames())
        if (v == value) return FormValue::OfIdent(name);
    return FormValue::OfInt(value);
}

void SetCursorFromFormValue(TPersistent* o, const FormValue& v, TReaderContext&) {
    auto* control = static_cast<TControl*>(o);
    if (v.kind != FormValue::Ident) {
        control->SetCursor(static_cast<int>(v.AsInt()));
        return;
    }
    for (const auto& [name, value] : CursorNames())
        if (name == v.text) {
            control->SetCursor(value);
            return;
        }
    throw EReadError("Invalid property value '" + v.text + "' for Cursor");
}

}  // namespace

const std::vector<AnsiString>& AlignmentNames() {
    static const std::vector<AnsiString> names = {"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}

bool IsLoading(const TComponent* component) {
    return component->Loading() || (component->Owner() && component->Owner()->Loading());
}

// ---------------------------------------------------------------- TControl

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i = ClassBuilder<TControl>("TControl", TComponent::StaticClassInfo())
                           .Int("Left", &TControl::Left, &TControl::SetLeft)
                           .Int("Top", &TControl::Top, &TControl::SetTop)
                           .Int("Width", &TControl::Width, &TControl::SetWidth)
                           .Int("Height", &TControl::Height, &TControl::SetHeight)
                           .Enum("Align", &TControl::Align, &TControl::SetAlign,
                                 {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"})
                           .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
                           .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
                           .Object("Font", &TControl::Font)
                           .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
                           .Color("Color", &TControl::Color, &TControl::SetColor)
                           .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
                           .String("Hint", &TControl::Hint, &TControl::SetHint)
                           .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
                           .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
                           .Event("OnClick", &TControl::OnClick)
                           .Event("OnDblClick", &TControl::OnDblClick)
                           .Event("OnMouseUp", &TControl::OnMouseUp)
                           .Event("OnMouseDown", &TControl::OnMouseDown)
                           .Event("OnResize", &TControl::OnResize)
                           .Custom("Cursor", TPropInfo::tkInteger, CursorToFormValue, SetCursorFromFormValue)
                           .Build();
        i.Create = nullptr;  // only its descendants are made from descriptions
        return i;
    }();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    font_->SetPixelsPerInch(CurrentDesktop().PixelsPerInch());
    font_->OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    if (peer_) peer_->ModelDestroyed();
    peer_ = nullptr;
    if (focusedControl == this) focusedControl = nullptr;
    if (parent_) parent_->RemoveControl(this);
    parent_ = nullptr;
    font_->OnChange = nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed(PeerProp::Bounds);
}

void TControl::SetName(const AnsiString& name) {
    const AnsiString old = Name();
    TComponent::SetName(name);
    if (!IsLoading(this) && name != old && text_ == old) SetTextValue(name);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_ || parent == this) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        // A windowed control without a tab order comes last among its new siblings.
        if (auto* self = dynamic_cast<TWinControl*>(this); self && self->TabOrder() < 0) {
            int last = -1;
            for (TControl* sibling : parent_->ControlList())
                if (auto* w = dynamic_cast<TWinControl*>(sibling); w && w != self) last = std::max(last, w->TabOrder());
            self->SetTabOrder(last + 1);
        }
        if (parentFont_) FollowParentFont();
    }
    Changed(PeerProp::Structure);
    CurrentDesktop().ControlAdded(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

bool TControl::Covered() const {
    for (const TControl* c = this; c->parent_; c = c->parent_) {
        const auto& siblings = c->parent_->ControlList();
        auto it = std::find(siblings.begin(), siblings.end(), c);
        if (it == siblings.end()) continue;
        int midX = c->left_ + c->width_ / 2, midY = c->top_ + c->height_ / 2;
        for (++it; it != siblings.end(); ++it) {
            const TControl* above = *it;
            if (!above->visible_ || !dynamic_cast<const TWinControl*>(above)) continue;
            if (midX >= above->left_ && midX < above->left_ + above->width_ && midY >= above->top_ &&
                midY < above->top_ + above->height_)
                return true;
        }
    }
    return false;
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(PeerProp::Visible);
}

bool TControl::Showing() const {
    return visible_ && (!parent_ || parent_->Showing());
}

void TControl::SetParentFont(bool v) {
    // Taking the parent's font when it is the one shown already changes nothing to show.
    bool same = v && !parentFont_ && parent_ && *font_ == *parent_->Font() &&
                font_->PixelsPerInch() == parent_->Font()->PixelsPerInch();
    parentFont_ = v;
    if (v && parent_ && !same) FollowParentFont();
}

// A change made to this control's font from code or by a description: the
// control stops following its parent; children that follow it copy it.
void TControl::FontChanged() {
    if (followingParent_) return;
    parentFont_ = false;
    ShowNewFont();
}

void TControl::FollowParentFont() {
    followingParent_ = true;
    font_->Assign(*parent_->Font());
    followingParent_ = false;
    ShowNewFont();
}

void TControl::ShowNewFont() {
    Changed(PeerProp::Font);
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->ControlList())
            if (child->parentFont_) child->FollowParentFont();
}

void TControl::BringToFront() {
    if (parent_) parent_->MoveControlToFront(this);
    Changed(PeerProp::ZOrder);
}

void TControl::SendToBack() {
    if (parent_) parent_->MoveControlToBack(this);
    Changed(PeerProp::ZOrder);
}

// ---------------------------------------------------------------- TWinControl

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i = ClassBuilder<TWinControl>("TWinControl", TControl::StaticClassInfo())
                           .Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                           .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                           .Event("OnEnter", &TWinControl::OnEnter)
                           .Event("OnExit", &TWinControl::OnExit)
                           .Event("OnKeyUp", &TWinControl::OnKeyUp)
                           .Event("OnKeyDown", &TWinControl::OnKeyDown)
                           .Build();
        i.Create = nullptr;
        return i;
    }();
    return info;
}

TWinControl::~TWinControl() {
    // Children this control owns go with it; the others stay, without a parent.
    for (;;) {
        auto owned = std::find_if(controls_.rbegin(), controls_.rend(),
                                  [this](TControl* c) { return c->Owner() == this; });
        if (owned == controls_.rend()) break;
        delete *owned;  // removes itself from controls_
    }
    for (TControl* child : controls_) child->parent_ = nullptr;
    controls_.clear();
    if (focusedControl == this) focusedControl = nullptr;
    if (handle_) {
        ReleaseWindowHandle(handle_);
        handle_ = nullptr;
    }
}

std::vector<TComponent*> TWinControl::ChildComponents() const {
    return {controls_.begin(), controls_.end()};
}

HWND TWinControl::Handle() {
    if (!handle_) {
        WNDPROC proc = dynamic_cast<TForm*>(this) ? &TForm::DefaultWndProc : &DefWindowProc;
        handle_ = AllocateWindowHandle(this, proc);
    }
    return handle_;
}

// Focus moves from code as by hand: the control that had it gets OnExit,
// then this one OnEnter. A disabled control does not take the focus.
void TWinControl::SetFocus() {
    if (!Enabled() || focusedControl == this) return;
    TWinControl* previous = focusedControl;
    focusedControl = this;
    if (previous) previous->DoExit();
    Changed(PeerProp::Focus);
    if (focusedControl == this) DoEnter();
}

bool TWinControl::Focused() const { return focusedControl == this; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c->Parent(); c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return !Covered();
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
    std::vector<TWinControl*> ordered;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) ordered.push_back(w);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    return ordered;
}

namespace {

// The tab stops inside parent, in tab order, searched into the controls that
// hold others (panels).
void CollectTabStops(const TWinControl* parent, std::vector<TWinControl*>& stops) {
    for (TWinControl* c : parent->TabOrderList()) {
        if (c->TabStop())
            stops.push_back(c);
        else if (c->ControlCount() > 0)
            CollectTabStops(c, stops);
    }
}

}  // namespace

TWinControl* TWinControl::FindNextControl(const TWinControl* current, bool forward) const {
    std::vector<TWinControl*> stops;
    CollectTabStops(this, stops);
    const int count = static_cast<int>(stops.size());
    if (count == 0) return nullptr;
    int at = static_cast<int>(std::find(stops.begin(), stops.end(), current) - stops.begin());
    if (at == count) at = forward ? -1 : count;  // from outside: the first, or the last
    for (int step = 1; step <= count; ++step) {
        int i = ((at + (forward ? step : -step)) % count + count) % count;
        if (stops[static_cast<size_t>(i)] != current && stops[static_cast<size_t>(i)]->CanFocus())
            return stops[static_cast<size_t>(i)];
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) controls_.push_back(control);
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::MoveControlToFront(TControl* control) {
    RemoveControl(control);
    controls_.push_back(control);
}

void TWinControl::MoveControlToBack(TControl* control) {
    RemoveControl(control);
    controls_.insert(controls_.begin(), control);
}

TWinControl* FocusedControl() { return focusedControl; }
void SetFocusedControl(TWinControl* control) { focusedControl = control; }
