// Panels and the form's client area (containers), and the controls that are
// painted by their container: labels, shapes, bevels and images.
#include "platform/wx/WxForm.h"
#include "platform/wx/WxPeers.h"

#include <wx/dcbuffer.h>

#include <algorithm>

namespace {

wxRect RectOf(const TControl* c) { return wxRect(c->Left(), c->Top(), c->Width(), c->Height()); }

bool IsDefaultLabelColor(const TControl* c) { return c->ParentColor() || c->Color() == clBtnFace; }

wxColour Shadow() { return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW); }
wxColour Highlight() { return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT); }

// A one-pixel 3D frame: top-left in one colour, bottom-right in the other.
void DrawFrame(wxDC& dc, const wxRect& r, const wxColour& topLeft, const wxColour& bottomRight) {
    if (r.width <= 0 || r.height <= 0) return;
    dc.SetPen(wxPen(topLeft));
    dc.DrawLine(r.GetLeft(), r.GetBottom(), r.GetLeft(), r.GetTop());
    dc.DrawLine(r.GetLeft(), r.GetTop(), r.GetRight(), r.GetTop());
    dc.SetPen(wxPen(bottomRight));
    dc.DrawLine(r.GetRight(), r.GetTop(), r.GetRight(), r.GetBottom());
    dc.DrawLine(r.GetRight(), r.GetBottom(), r.GetLeft() - 1, r.GetBottom());
}

void DrawBevelCut(wxDC& dc, wxRect& r, TBevelCut cut, int width) {
    if (cut == bvNone) return;
    for (int i = 0; i < width; ++i) {
        if (cut == bvRaised) DrawFrame(dc, r, Highlight(), Shadow());
        if (cut == bvLowered) DrawFrame(dc, r, Shadow(), Highlight());
        r.Deflate(1);
    }
}

// Lines of text broken at blanks so that each fits the width.
wxArrayString WrapText(wxDC& dc, const wxString& text, int width) {
    wxArrayString lines;
    for (const wxString& paragraph : wxSplit(text, '\n', '\0')) {
        wxString line;
        for (const wxString& word : wxSplit(paragraph, ' ', '\0')) {
            wxString candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
                lines.Add(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.Add(line);
    }
    return lines;
}

int AlignmentFlag(TAlignment a) {
    return a == taCenter ? wxALIGN_CENTRE_HORIZONTAL : a == taRightJustify ? wxALIGN_RIGHT : wxALIGN_LEFT;
}

// ---------------------------------------------------------------- painted controls

// The width a label at r may take before the nearest visible control that
// starts to its right on its line, less a small gap.
int RoomBeside(const TControl* label, const wxRect& r) {
    constexpr int gap = 3;
    int room = r.width;
    if (!label->Parent()) return room;
    for (const TControl* other : label->Parent()->ControlList()) {
        if (other == label || !other->Visible()) continue;
        wxRect o = RectOf(other);
        if (o.x > r.x && o.x < r.x + room + gap && o.y < r.GetBottom() && o.GetBottom() > r.y)
            room = std::max(0, o.x - gap - r.x);
    }
    return room;
}

class LabelPeer : public WxGraphicPeer {
public:
    using WxGraphicPeer::WxGraphicPeer;
    void Paint(wxDC& dc) override {
        auto* label = static_cast<TLabel*>(model_);
        wxString text = wxControl::RemoveMnemonics(ToWx(label->Caption()));
        text.Replace("\r\n", "\n");
        dc.SetFont(ToWxFont(*label->Font()));
        wxRect r = RectOf(label);
        wxArrayString lines = label->WordWrap() ? WrapText(dc, text, r.width) : wxSplit(text, '\n', '\0');
        wxString shown = wxJoin(lines, '\n', '\0');
        if (label->AutoSize() && !label->WordWrap()) {
            // A label that sizes itself is as wide as its text (a caption set
            // at run time may be longer than the designed size, and the
            // desktop's font wider than the designed one), but it stops short
            // of a control beside it on its line: a text a little too wide
            // for that room is drawn a little smaller, a longer one is cut.
            // A label that does not size itself keeps to its bounds.
            wxSize extent = dc.GetMultiLineTextExtent(shown);
            r.width = std::max(r.width, extent.x);
            r.height = std::max(r.height, extent.y);
            int room = RoomBeside(label, r);
            if (extent.x > room && room > 0 && extent.x * 7 <= room * 8) {
                wxFont smaller = dc.GetFont();
                smaller.SetFractionalPointSize(smaller.GetFractionalPointSize() * room / extent.x);
                dc.SetFont(smaller);
            }
            r.width = std::min(r.width, room);
        }
        if (!label->Transparent() && !IsDefaultLabelColor(label)) {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(ToWxColour(label->Color())));
            dc.DrawRectangle(r);
        }
        dc.SetTextForeground(label->Enabled() ? ToWxColour(label->Font()->Color())
                                              : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        wxDCClipper clip(dc, r);
        dc.DrawLabel(shown, r, AlignmentFlag(label->Alignment()) | wxALIGN_TOP);
    }
};

class ShapePeer : public WxGraphicPeer {
public:
    using WxGraphicPeer::WxGraphicPeer;
    void Paint(wxDC& dc) override {
        auto* shape = static_cast<TShape*>(model_);
        wxRect r = RectOf(shape);
        TBrush* brush = shape->Brush();
        dc.SetPen(wxPen(*wxBLACK));
        dc.SetBrush(brush->Style() == bsClear ? *wxTRANSPARENT_BRUSH : wxBrush(ToWxColour(brush->Color())));
        TShapeType type = shape->Shape();
        if (type == stSquare || type == stRoundSquare || type == stCircle) {
            int side = std::min(r.width, r.height);
            r = wxRect(r.x + (r.width - side) / 2, r.y + (r.height - side) / 2, side, side);
        }
        switch (type) {
            case stRectangle:
            case stSquare: dc.DrawRectangle(r); break;
            case stRoundRect:
            case stRoundSquare: dc.DrawRoundedRectangle(r, std::min(r.width, r.height) / 4.0); break;
            case stEllipse:
            case stCircle: dc.DrawEllipse(r); break;
        }
    }
};

class BevelPeer : public WxGraphicPeer {
public:
    using WxGraphicPeer::WxGraphicPeer;
    void Paint(wxDC& dc) override {
        auto* bevel = static_cast<TBevel*>(model_);
        wxRect r = RectOf(bevel);
        bool lowered = bevel->Style() == bsLowered;
        wxColour first = lowered ? Shadow() : Highlight();
        wxColour second = lowered ? Highlight() : Shadow();
        switch (bevel->Shape()) {
            case bsBox: DrawFrame(dc, r, first, second); break;
            case bsFrame: {
                wxRect outer(r.x, r.y, r.width - 1, r.height - 1);
                wxRect inner(r.x + 1, r.y + 1, r.width - 1, r.height - 1);
                dc.SetBrush(*wxTRANSPARENT_BRUSH);
                dc.SetPen(wxPen(first));
                dc.DrawRectangle(outer);
                dc.SetPen(wxPen(second));
                dc.DrawRectangle(inner);
                break;
            }
            case bsTopLine: TwoLines(dc, r.GetLeftTop(), r.GetTopRight(), first, second, false); break;
            case bsBottomLine:
                TwoLines(dc, r.GetBottomLeft() - wxPoint(0, 1), r.GetBottomRight() - wxPoint(0, 1), first, second, false);
                break;
            case bsLeftLine: TwoLines(dc, r.GetLeftTop(), r.GetBottomLeft(), first, second, true); break;
            case bsRightLine:
                TwoLines(dc, r.GetTopRight() - wxPoint(1, 0), r.GetBottomRight() - wxPoint(1, 0), first, second, true);
                break;
            case bsSpacer: break;
        }
    }

private:
    static void TwoLines(wxDC& dc, wxPoint a, wxPoint b, const wxColour& first, const wxColour& second, bool vertical) {
        wxPoint step = vertical ? wxPoint(1, 0) : wxPoint(0, 1);
        dc.SetPen(wxPen(first));
        dc.DrawLine(a, b);
        dc.SetPen(wxPen(second));
        dc.DrawLine(a + step, b + step);
    }
};

class ImagePeer : public WxGraphicPeer {
public:
    using WxGraphicPeer::WxGraphicPeer;
    void Changed(PeerProp what) override {
        if (what == PeerProp::Picture || what == PeerProp::Bounds) cache_ = wxBitmap();
        WxGraphicPeer::Changed(what);
    }
    void Paint(wxDC& dc) override {
        auto* image = static_cast<TImage*>(model_);
        const TImageData& data = image->Picture()->Data();
        TRect place = image->PictureRect();
        int w = place.Right - place.Left, h = place.Bottom - place.Top;
        if (data.Empty() || w <= 0 || h <= 0) return;
        if (!cache_.IsOk() || cache_.GetWidth() != w || cache_.GetHeight() != h) {
            wxImage picture(data.Width, data.Height, false);
            std::copy(data.Pixels.begin(), data.Pixels.end(), picture.GetData());
            if (picture.GetWidth() != w || picture.GetHeight() != h) picture.Rescale(w, h, wxIMAGE_QUALITY_HIGH);
            cache_ = wxBitmap(picture);
        }
        wxDCClipper clip(dc, RectOf(image));
        dc.DrawBitmap(cache_, image->Left() + place.Left, image->Top() + place.Top);
    }

private:
    wxBitmap cache_;
};

// ---------------------------------------------------------------- panels

class PanelPeer : public WxWidgetPeer {
public:
    PanelPeer(WxFormWindow& form, TPanel* model, wxWindow* parent) : WxWidgetPeer(form, model) {
        panel_ = new WxContainerWindow(parent, model);
        panel_->SetSize(model->Left(), model->Top(), model->Width(), model->Height());
        Attach(panel_);
    }
    wxWindow* Container() const override { return widget_.get(); }
    void Detach() override {
        if (wxWindow* w = widget_.get()) static_cast<WxContainerWindow*>(w)->Detach();
        WxWidgetPeer::Detach();
    }
    void ModelDestroyed() override {
        if (wxWindow* w = widget_.get()) static_cast<WxContainerWindow*>(w)->Detach();
        WxWidgetPeer::ModelDestroyed();
    }
    void Changed(PeerProp what) override {
        if (!model_ || !widget_) return;
        if (what == PeerProp::Caption || what == PeerProp::Text || what == PeerProp::Structure)
            panel_->Refresh();
        else
            WxWidgetPeer::Changed(what);
    }

private:
    WxContainerWindow* panel_;
};

}  // namespace

wxColour EffectiveBackground(const TControl* control) {
    while (control && control->ParentColor() && control->Parent()) control = control->Parent();
    return control ? ToWxColour(control->Color()) : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
}

// ---------------------------------------------------------------- containers

WxContainerWindow::WxContainerWindow(wxWindow* parent, TWinControl* model)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxFULL_REPAINT_ON_RESIZE),
      model_(model) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &WxContainerWindow::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &WxContainerWindow::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &WxContainerWindow::OnMouse, this);
    Bind(wxEVT_RIGHT_UP, &WxContainerWindow::OnMouse, this);
    Bind(wxEVT_LEFT_DCLICK, &WxContainerWindow::OnMouse, this);
}

void WxContainerWindow::OnPaint(wxPaintEvent&) {
    ++paints_;
    wxAutoBufferedPaintDC dc(this);
    wxSize size = GetClientSize();
    dc.SetBackground(wxBrush(model_ ? EffectiveBackground(model_) : GetBackgroundColour()));
    dc.Clear();
    if (!model_) return;
    if (auto* panel = dynamic_cast<TPanel*>(model_)) {
        wxRect r(wxPoint(0, 0), size);
        DrawBevelCut(dc, r, panel->BevelOuter(), panel->BevelWidth());
        r.Deflate(panel->BorderWidth());
        DrawBevelCut(dc, r, panel->BevelInner(), panel->BevelWidth());
        if (!panel->Caption().empty()) {
            dc.SetFont(ToWxFont(*panel->Font()));
            dc.SetTextForeground(ToWxColour(panel->Font()->Color()));
            dc.DrawLabel(wxControl::RemoveMnemonics(ToWx(panel->Caption())), r,
                         AlignmentFlag(panel->Alignment()) | wxALIGN_CENTRE_VERTICAL);
        }
    }
    for (TControl* child : model_->ControlList()) {
        auto* peer = dynamic_cast<WxGraphicPeer*>(child->Peer());
        if (peer && child->Visible() && RectOf(child).Intersects(wxRect(size))) peer->Paint(dc);
    }
}

TControl* WxContainerWindow::GraphicAt(const wxPoint& point) const {
    const auto& children = model_->ControlList();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TControl* child = *it;
        if (dynamic_cast<WxGraphicPeer*>(child->Peer()) && child->Visible() && child->Enabled() &&
            RectOf(child).Contains(point))
            return child;
    }
    return model_;
}

// Clicks land on the topmost painted control under the pointer, else on the
// container itself: a click is a press and release on the same control.
void WxContainerWindow::OnMouse(wxMouseEvent& event) {
    event.Skip();
    if (!model_) return;
    static TControl* pressed = nullptr;
    TControl* target = GraphicAt(event.GetPosition());
    wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN) {
        pressed = target;
        return;
    }
    wxPoint local = event.GetPosition() - (target == model_ ? wxPoint() : wxPoint(target->Left(), target->Top()));
    TMouseButton button = ButtonOf(event);
    TShiftState shift = ShiftOf(event);
    if (type == wxEVT_LEFT_DCLICK) {
        pressed = nullptr;
        RunInput([target] { UserInput::DblClick(target); });
        return;
    }
    bool clicked = type == wxEVT_LEFT_UP && pressed == target;
    pressed = nullptr;
    RunInput([=] {
        if (clicked) UserInput::Click(target);
        UserInput::MouseUp(target, button, shift, local.x, local.y);
    });
}

WxPeer* NewPaintedPeer(WxFormWindow& form, TControl* control, wxWindow* parent) {
    if (auto* x = dynamic_cast<TPanel*>(control)) return new PanelPeer(form, x, parent);
    if (dynamic_cast<TLabel*>(control)) return new LabelPeer(form, control, parent);
    if (dynamic_cast<TShape*>(control)) return new ShapePeer(form, control, parent);
    if (dynamic_cast<TBevel*>(control)) return new BevelPeer(form, control, parent);
    if (dynamic_cast<TImage*>(control)) return new ImagePeer(form, control, parent);
    return nullptr;
}
