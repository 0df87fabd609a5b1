// Panels, shapes, bevels, images and the timer.
#ifndef TRAILBOOK_PLATFORM_EXTCTRLS_H
#define TRAILBOOK_PLATFORM_EXTCTRLS_H

#include "platform/vcl/Controls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TPanel(TComponent* owner);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v) { bevelInner_ = v; Changed(PeerProp::Structure); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v) { bevelOuter_ = v; Changed(PeerProp::Structure); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { bevelWidth_ = v; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { borderWidth_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }

private:
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TControl {
    TB_DECLARE_CLASS()
public:
    explicit TShape(TComponent* owner);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType v) { shape_ = v; Changed(PeerProp::Shape); }
    TBrush* Brush() const { return brush_.get(); }

private:
    TShapeType shape_ = stRectangle;
    std::unique_ptr<TBrush> brush_;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
    TB_DECLARE_CLASS()
public:
    explicit TBevel(TComponent* owner);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape v) { shape_ = v; Changed(PeerProp::Shape); }
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle v) { style_ = v; Changed(PeerProp::Shape); }

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

class TImage : public TControl {
    TB_DECLARE_CLASS()
public:
    explicit TImage(TComponent* owner);
    TPicture* Picture() const { return picture_.get(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { stretch_ = v; ShowingChanged(); }
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v) { proportional_ = v; ShowingChanged(); }
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; Changed(PeerProp::Picture); }
    // Where the picture lands inside the control (stretched with its
    // proportions kept when Stretch and Proportional are set).
    TRect PictureRect() const;
    void SetBounds(int left, int top, int width, int height) override;

private:
    // The size a picture of width x height is shown at.
    TPoint ShownSize(int width, int height) const;
    // The shown size may have changed: a reduced picture may need more pixels.
    void ShowingChanged();

    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool proportional_ = false;
    bool center_ = false;
};

// A timer; its OnTimer runs every Interval milliseconds while Enabled.
class TTimer : public TComponent {
    TB_DECLARE_CLASS()
public:
    explicit TTimer(TComponent* owner) : TComponent(owner) {}
    int Interval() const { return interval_; }
    void SetInterval(int v) { interval_ = v; if (peer_) peer_->Changed(PeerProp::Structure); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; if (peer_) peer_->Changed(PeerProp::Enabled); }
    TNotifyEvent OnTimer;

private:
    int interval_ = 1000;
    bool enabled_ = true;
};

#endif
