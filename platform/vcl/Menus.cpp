// The main menu and its items.
#include "platform/vcl/Menus.h"

#include <algorithm>

const TClassInfo& TMenuItem::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TMenuItem>("TMenuItem", TComponent::StaticClassInfo())
                                       .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                       .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                                       .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                                       .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
                                       .Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                                       .Event("OnClick", &TMenuItem::OnClick)
                                       .Build();
    return info;
}

TMenuItem::~TMenuItem() {
    if (peer_) peer_->ModelDestroyed();
    peer_ = nullptr;
    if (parentItem_) parentItem_->Remove(this);
    for (TMenuItem* item : items_) item->parentItem_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    if (!item || item == this) return;
    if (item->parentItem_) item->parentItem_->Remove(item);
    items_.push_back(item);
    item->parentItem_ = this;
    if (peer_) peer_->Changed(PeerProp::Structure);
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parentItem_ = nullptr;
    if (peer_) peer_->Changed(PeerProp::Structure);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
    else if (auto* menu = dynamic_cast<TMainMenu*>(parent)) menu->Items()->Add(this);
}

std::vector<TComponent*> TMenuItem::ChildComponents() const { return {items_.begin(), items_.end()}; }

const TClassInfo& TMainMenu::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TMainMenu>("TMainMenu", TComponent::StaticClassInfo()).Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {}
