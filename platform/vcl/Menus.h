// The main menu and its items.
#ifndef TRAILBOOK_PLATFORM_MENUS_H
#define TRAILBOOK_PLATFORM_MENUS_H

#include "platform/vcl/Classes.h"
#include "platform/vcl/Desktop.h"

class TMenuItem : public TComponent {
    TB_DECLARE_CLASS()
public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    ~TMenuItem() override;
    // "&" marks the access key; "-" is a separator.
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v) { caption_ = v; Changed(); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; Changed(); }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; Changed(); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; Changed(); }
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int v) { shortCut_ = v; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* ParentItem() const { return parentItem_; }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    void SetParentComponent(TComponent* parent) override;
    std::vector<TComponent*> ChildComponents() const override;

    TNotifyEvent OnClick;
    // Runs OnClick, unless the item is disabled.
    void Click() { if (enabled_ && OnClick) OnClick(this); }

private:
    void Changed() { if (peer_) peer_->Changed(PeerProp::Caption); }
    AnsiString caption_;
    bool enabled_ = true, checked_ = false, visible_ = true;
    int shortCut_ = 0;
    std::vector<TMenuItem*> items_;
    TMenuItem* parentItem_ = nullptr;
};

class TMainMenu : public TComponent {
    TB_DECLARE_CLASS()
public:
    explicit TMainMenu(TComponent* owner);
    // The top-level items ("File", "Edit" ...), held by an unnamed root item.
    TMenuItem* Items() const { return items_.get(); }
    std::vector<TComponent*> ChildComponents() const override { return items_->ChildComponents(); }

private:
    std::unique_ptr<TMenuItem> items_;
};

#endif
