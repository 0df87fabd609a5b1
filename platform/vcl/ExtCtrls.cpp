// Panels, shapes, bevels, images and the timer.
#include "platform/vcl/ExtCtrls.h"

namespace {
const std::vector<AnsiString> bevelCutNames = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
}

// ---------------------------------------------------------------- TPanel

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TPanel>("TPanel", TWinControl::StaticClassInfo())
            .String("Caption", &TPanel::Caption, &TPanel::SetCaption)
            .Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, bevelCutNames)
            .Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, bevelCutNames)
            .Int("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth)
            .Int("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth)
            .Enum("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, AlignmentNames())
            .Build();
    return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {}

// ---------------------------------------------------------------- TShape

const TClassInfo& TShape::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TShape>("TShape", TControl::StaticClassInfo())
            .Enum("Shape", &TShape::Shape, &TShape::SetShape,
                  {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"})
            .Object("Brush", &TShape::Brush)
            .Build();
    return info;
}

TShape::TShape(TComponent* owner) : TControl(owner), brush_(std::make_unique<TBrush>()) {
    brush_->OnChange = [this] { Changed(PeerProp::Brush); };
}

// ---------------------------------------------------------------- TBevel

const TClassInfo& TBevel::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TBevel>("TBevel", TControl::StaticClassInfo())
            .Enum("Shape", &TBevel::Shape, &TBevel::SetShape,
                  {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"})
            .Enum("Style", &TBevel::Style, &TBevel::SetStyle, {"bsLowered", "bsRaised"})
            .Build();
    return info;
}

TBevel::TBevel(TComponent* owner) : TControl(owner) {}

// ---------------------------------------------------------------- TImage

const TClassInfo& TImage::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TImage>("TImage", TControl::StaticClassInfo())
                                       .Bool("Stretch", &TImage::Stretch, &TImage::SetStretch)
                                       .Bool("Proportional", &TImage::Proportional, &TImage::SetProportional)
                                       .Bool("Center", &TImage::Center, &TImage::SetCenter)
                                       .Object("Picture", &TImage::Picture)
                                       .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TControl(owner), picture_(std::make_unique<TPicture>()) {
    picture_->OnChange = [this] { Changed(PeerProp::Picture); };
    picture_->ShownSize = [this](int width, int height) { return ShownSize(width, height); };
}

TPoint TImage::ShownSize(int w, int h) const {
    const int cw = Width(), ch = Height();
    if (w <= 0 || h <= 0) return {};
    // Stretch fills the control; with Proportional the picture is scaled to
    // fit, keeping its proportions (a picture too large for the control is
    // scaled down even without Stretch).
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_) {
            // Compare w/h with cw/ch in integers: the tighter side fills the control.
            if (static_cast<long long>(w) * ch >= static_cast<long long>(h) * cw) {
                h = static_cast<int>(static_cast<long long>(h) * cw / w);
                w = cw;
            } else {
                w = static_cast<int>(static_cast<long long>(w) * ch / h);
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    return {w, h};
}

TRect TImage::PictureRect() const {
    if (picture_->Width() <= 0 || picture_->Height() <= 0) return {};
    const TPoint shown = ShownSize(picture_->Width(), picture_->Height());
    int left = 0, top = 0;
    if (center_) {
        left = (Width() - shown.X) / 2;
        top = (Height() - shown.Y) / 2;
    }
    return {left, top, left + shown.X, top + shown.Y};
}

void TImage::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    picture_->ShownSizeChanged();
}

void TImage::ShowingChanged() {
    picture_->ShownSizeChanged();
    Changed(PeerProp::Picture);
}

// ---------------------------------------------------------------- TTimer

const TClassInfo& TTimer::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TTimer>("TTimer", TComponent::StaticClassInfo())
                                       .Int("Interval", &TTimer::Interval, &TTimer::SetInterval)
                                       .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                                       .Event("OnTimer", &TTimer::OnTimer)
                                       .Build();
    return info;
}
