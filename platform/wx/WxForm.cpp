// The window of a shown form: placement, size messages, menus, the keys of
// dialogs (Enter for the default button, Escape for the cancel button) and the
// peers of the form's controls.
#include "platform/wx/WxForm.h"

#include "platform/wx/WxGtk.h"

#include <wx/grid.h>

#include <algorithm>

namespace {

constexpr int FirstMenuId = wxID_HIGHEST + 1000;

bool InsideGrid(wxWindow* w) {
    for (; w; w = w->GetParent())
        if (dynamic_cast<wxGrid*>(w)) return true;
    return false;
}

bool IsMultiLineText(wxWindow* w) {
    auto* text = dynamic_cast<wxTextCtrl*>(w);
    return text && text->IsMultiLine();
}

long TopStyle(const TForm* form) {
    switch (form->BorderStyle()) {
        case bsNone: return wxBORDER_NONE;
        case bsSingle: return wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX);
        case bsDialog: return wxDEFAULT_DIALOG_STYLE;
        case bsToolWindow: return wxCAPTION | wxCLOSE_BOX | wxFRAME_TOOL_WINDOW;
        case bsSizeToolWin: return wxCAPTION | wxCLOSE_BOX | wxRESIZE_BORDER | wxFRAME_TOOL_WINDOW;
        case bsSizeable: break;
    }
    return wxDEFAULT_FRAME_STYLE;
}

}  // namespace

WxFormWindow::WxFormWindow(TForm* form, bool modal) : form_(form), modal_(modal) {
    CreateTop();
}

WxFormWindow::~WxFormWindow() { Dispose(); }

void WxFormWindow::CreateTop() {
    wxWindow* owner = nullptr;
    if (modal_ && Application && Application->MainForm() && Application->MainForm() != form_)
        if (WxFormWindow* main = FormWindowOf(Application->MainForm())) owner = main->Top();
    wxPoint place(form_->Left(), form_->Top());
    wxTopLevelWindow* top;
    if (modal_)
        top = new wxDialog(owner, wxID_ANY, ToWx(form_->Caption()), place, wxDefaultSize, TopStyle(form_));
    else
        top = new wxFrame(nullptr, wxID_ANY, ToWx(form_->Caption()), place, wxDefaultSize, TopStyle(form_));
    top_ = top;
    client_ = new WxContainerWindow(top, form_);
    MarkCompact(client_);
    form_->SetPeer(this);
    BuildMenuBar();
    top->SetClientSize(form_->ClientWidth(), form_->ClientHeight());
    client_->SetSize(top->GetClientSize());
    CreatePeers(form_, client_);
    CreateTimers();

    top->Bind(wxEVT_SIZE, &WxFormWindow::OnSize, this);
    top->Bind(wxEVT_MOVE, &WxFormWindow::OnMove, this);
    top->Bind(wxEVT_CLOSE_WINDOW, &WxFormWindow::OnClose, this);
    top->Bind(wxEVT_ACTIVATE, &WxFormWindow::OnActivate, this);
    top->Bind(wxEVT_CHAR_HOOK, &WxFormWindow::OnCharHook, this);
    top->Bind(wxEVT_MENU, &WxFormWindow::OnMenu, this);
}

// ---------------------------------------------------------------- peers

void WxFormWindow::CreatePeers(TWinControl* parent, wxWindow* container) {
    for (TControl* control : parent->ControlList()) CreatePeerTree(control, container);
    SortTabOrder(parent);
}

void WxFormWindow::CreatePeerTree(TControl* control, wxWindow* container) {
    WxPeer* peer = CreateControlPeer(*this, control, container);
    peers_[control].reset(peer);
    peer->SyncAll();
    if (auto* inner = dynamic_cast<TWinControl*>(control))
        if (wxWindow* innerWindow = peer->Container()) CreatePeers(inner, innerWindow);
}

void WxFormWindow::CreateTimers() {
    for (int i = 0; i < form_->ComponentCount(); ++i)
        if (auto* timer = dynamic_cast<TTimer*>(form_->Components(i))) {
            auto peer = std::make_unique<WxTimerPeer>(*this, timer);
            peer->SyncAll();
            peers_[timer] = std::move(peer);
        }
}

// The keyboard visits the controls of a container in their tab order.
void WxFormWindow::SortTabOrder(TWinControl* parent) {
    std::vector<wxWindow*> widgets;
    for (TWinControl* c : parent->TabOrderList())
        if (WxPeer* peer = PeerOf(c); peer && peer->Widget()) widgets.push_back(peer->Widget());
    for (size_t i = 1; i < widgets.size(); ++i) widgets[i]->MoveAfterInTabOrder(widgets[i - 1]);
}

WxPeer* WxFormWindow::PeerOf(TComponent* model) const {
    auto it = peers_.find(model);
    return it == peers_.end() ? nullptr : it->second.get();
}

wxWindow* WxFormWindow::ContainerOf(TWinControl* parent) const {
    if (parent == form_) return client_;
    WxPeer* peer = PeerOf(parent);
    return peer ? peer->Container() : nullptr;
}

void WxFormWindow::AddControl(TControl* control) {
    wxWindow* container = control->Parent() ? ContainerOf(control->Parent()) : nullptr;
    if (WxPeer* existing = PeerOf(control)) {
        wxWindow* w = existing->Widget();
        auto* graphic = dynamic_cast<WxGraphicPeer*>(existing);
        wxWindow* placedIn = w ? w->GetParent() : graphic ? graphic->ParentWindow() : container;
        if (container && placedIn == container) return;
        RemovePeer(control);
    }
    if (!container) return;
    CreatePeerTree(control, container);
    if (control->Parent()) SortTabOrder(control->Parent());
}

void WxFormWindow::RemovePeer(TControl* control) {
    WxPeer* peer = PeerOf(control);
    if (!peer) return;
    if (auto* inner = dynamic_cast<TWinControl*>(control))
        for (TControl* child : inner->ControlList()) RemovePeer(child);
    peer->Detach();
    Retire(control);
}

void WxFormWindow::Retire(TComponent* model) {
    auto it = peers_.find(model);
    if (it == peers_.end()) return;
    if (wxWindow* w = it->second->Widget()) w->Hide();
    if (auto* graphic = dynamic_cast<WxGraphicPeer*>(it->second.get()))
        if (wxWindow* parent = graphic->ParentWindow()) parent->Refresh();
    if (auto* item = dynamic_cast<TMenuItem*>(model)) {
        auto id = menuItemIds_.find(item);
        if (id != menuItemIds_.end()) {
            menuIds_.erase(id->second);
            menuItemIds_.erase(id);
        }
    }
    retired_.push_back(std::move(it->second));
    peers_.erase(it);
    // The widget may be in the middle of its own event: it goes when the
    // event loop is idle again.
    if (!cleanupPending_ && top_) {
        cleanupPending_ = true;
        top_->CallAfter([this, alive = alive_] {
            if (*alive) CleanUpRetired();
        });
    }
}

void WxFormWindow::CleanUpRetired() {
    cleanupPending_ = false;
    retired_.clear();
}

// ---------------------------------------------------------------- showing

int WxFormWindow::FrameDx() const { return form_->Width() - form_->ClientWidth(); }
int WxFormWindow::FrameDy() const { return form_->Height() - form_->ClientHeight(); }

void WxFormWindow::PrepareShow() {
    wxTopLevelWindow* top = top_.get();
    if (!top) return;
    top->SetClientSize(form_->ClientWidth(), form_->ClientHeight());
    switch (form_->Position()) {
        case poScreenCenter:
        case poDesktopCenter: top->CentreOnScreen(); break;
        case poMainFormCenter:
        case poOwnerFormCenter: top->CentreOnParent(); break;
        case poDesigned: top->Move(form_->Left(), form_->Top()); break;
        default: break;
    }
    TakeWindowPosition();
    AskSizeLimits();
    if (!shownOnce_) {
        shownOnce_ = true;
        HWND handle = form_->Handle();
        RunGuarded([handle] { SendMessage(handle, WM_SHOWWINDOW, 1, 0); });
    }
}

void WxFormWindow::AfterShown() {
    if (!top_ || !form_) return;
    ReportSize();
    if (!modal_) ApplyWindowState();
    FocusFirstControl();
    FormActivated(form_);
}

void WxFormWindow::ShowWindow() {
    wxTopLevelWindow* top = top_.get();
    if (!top) return;
    if (top->IsShown()) {
        top->Raise();
        return;
    }
    PrepareShow();
    top->Show();
    AfterShown();
}

void WxFormWindow::HideWindow() {
    wxTopLevelWindow* top = top_.get();
    if (!top) return;
    if (inModalLoop_) {
        auto* dialog = static_cast<wxDialog*>(top);
        if (dialog->IsModal()) dialog->EndModal(form_->ModalResult() ? form_->ModalResult() : mrCancel);
    } else {
        top->Hide();
    }
}

int WxFormWindow::RunModal() {
    auto* dialog = static_cast<wxDialog*>(top_.get());
    if (!dialog) return mrCancel;
    PrepareShow();
    if (form_->ModalResult() != mrNone) return form_->ModalResult();
    inModalLoop_ = true;
    dialog->CallAfter([this, alive = alive_] {
        if (!*alive) return;
        AfterShown();
        EndModalIfDone();
    });
    int ended = dialog->ShowModal();
    inModalLoop_ = false;
    int result = form_ ? form_->ModalResult() : mrNone;
    return result != mrNone ? result : (ended > 0 && ended < 100 ? ended : mrCancel);
}

void WxFormWindow::EndModalIfDone() {
    auto* dialog = dynamic_cast<wxDialog*>(top_.get());
    if (!inModalLoop_ || !dialog || !form_ || !dialog->IsModal()) return;
    if (form_->ModalResult() != mrNone) dialog->EndModal(form_->ModalResult());
}

void WxFormWindow::FocusFirstControl() {
    if (!form_) return;
    if (TWinControl* first = form_->FindNextControl(nullptr, true)) RunInput([first] { UserInput::Focus(first); });
    ShowFocusRing(top_.get());
}

// The window's own focus widget is asked, not the desktop's focus: the
// window keeps it while a menu or a list's popup has the keyboard.
TWinControl* WxFormWindow::FocusedModelControl() const {
    void* focus = FocusWidgetOf(top_.get());
    if (!focus) return nullptr;
    TWinControl* found = nullptr;
    wxWindow* foundWidget = nullptr;
    for (const auto& [model, peer] : peers_) {
        wxWindow* w = peer->Widget();
        auto* control = dynamic_cast<TWinControl*>(model);
        // The innermost control whose widget holds the focus widget.
        if (w && control && WidgetHolds(w, focus) && (!foundWidget || foundWidget->IsDescendant(w))) {
            found = control;
            foundWidget = w;
        }
    }
    return found;
}

// Tab and Shift+Tab go the model's way: through the controls that can take
// the focus, in the form's tab order. A control that refuses the focus when
// it gets it (by disabling itself) is passed over.
void WxFormWindow::MoveFocus(bool forward) {
    ShowFocusRing(top_.get());
    TWinControl* current = FocusedModelControl();
    for (int tries = 0; tries < 8 && form_; ++tries) {
        TWinControl* next = form_->FindNextControl(current, forward);
        if (!next) return;
        RunInput([next] { UserInput::Focus(next); });
        if (!form_ || (FocusedControl() == next && next->CanFocus())) return;
        current = next;
    }
}

// After input, a question or a dialog, the focus may be left on a control
// that is hidden now, or covered, or on none: it goes to the first control
// that can take it.
void WxFormWindow::ScheduleFocusCheck() {
    if (focusCheckPending_ || !top_) return;
    focusCheckPending_ = true;
    top_->CallAfter([this, alive = alive_] {
        if (!*alive) return;
        focusCheckPending_ = false;
        wxTopLevelWindow* top = top_.get();
        if (!form_ || !top || !top->IsShown() || !top->IsActive() || PopupOpen()) return;
        if (FocusWidgetOf(top)) {
            TWinControl* control = FocusedModelControl();
            if (!control || control->CanFocus()) return;
        }
        FocusFirstControl();
    });
}

// ---------------------------------------------------------------- size and place

void WxFormWindow::AskSizeLimits() {
    wxTopLevelWindow* top = top_.get();
    if (!top) return;
    RECT screen = CurrentDesktop().ScreenRect();
    long w = screen.right - screen.left, h = screen.bottom - screen.top;
    MINMAXINFO info;
    info.ptMaxSize = {w, h};
    info.ptMaxPosition = {0, 0};
    info.ptMinTrackSize = {112, 27};
    info.ptMaxTrackSize = {w, h};
    HWND handle = form_->Handle();
    RunGuarded([&] { SendMessage(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)); });
    if (!top_ || !(TopStyle(form_) & wxRESIZE_BORDER)) return;
    int dx = FrameDx(), dy = FrameDy();
    wxSize least(std::max(1L, info.ptMinTrackSize.x - dx), std::max(1L, info.ptMinTrackSize.y - dy));
    wxSize most(std::max(static_cast<long>(least.x), info.ptMaxTrackSize.x - dx),
                std::max(static_cast<long>(least.y), info.ptMaxTrackSize.y - dy));
    top->SetMinClientSize(least);
    top->SetMaxClientSize(most);
}

void WxFormWindow::ReportSize() {
    wxTopLevelWindow* top = top_.get();
    if (!top || !form_) return;
    WPARAM state = top->IsIconized() ? SIZE_MINIMIZED : top->IsMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
    wxSize client = top->GetClientSize();
    if (client_) client_->SetSize(client);
    if (client == reportedClient_ && static_cast<int>(state) == reportedState_) return;
    reportedClient_ = client;
    reportedState_ = static_cast<int>(state);
    if (state != SIZE_MINIMIZED) {
        syncing_ = true;
        form_->SetClientWidth(client.x);
        form_->SetClientHeight(client.y);
        syncing_ = false;
    }
    LPARAM size = state == SIZE_MINIMIZED ? 0 : MAKELPARAM(static_cast<unsigned>(client.x), static_cast<unsigned>(client.y));
    HWND handle = form_->Handle();
    RunGuarded([=] { SendMessage(handle, WM_SIZE, state, size); });
    AskSizeLimits();
}

void WxFormWindow::OnSize(wxSizeEvent& event) {
    event.Skip();
    wxTopLevelWindow* top = top_.get();
    if (!top || !form_ || !top->IsShown() || syncing_) return;
    wxSize client = top->GetClientSize();
    bool byUser = !top->IsIconized() && !top->IsMaximized() &&
                  (client.x != form_->ClientWidth() || client.y != form_->ClientHeight());
    if (byUser) {
        // The new window rectangle goes to the window procedure, which may change it.
        RECT asked = WindowRect();
        RECT answer = asked;
        HWND handle = form_->Handle();
        RunGuarded([&] { SendMessage(handle, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&answer)); });
        if (answer.left != asked.left || answer.top != asked.top || answer.right != asked.right ||
            answer.bottom != asked.bottom) {
            top->SetSize(answer.left, answer.top, wxDefaultCoord, wxDefaultCoord);
            top->SetClientSize(std::max(1L, answer.right - answer.left - FrameDx()),
                               std::max(1L, answer.bottom - answer.top - FrameDy()));
        }
    }
    ReportSize();
}

void WxFormWindow::OnMove(wxMoveEvent& event) {
    event.Skip();
    wxTopLevelWindow* top = top_.get();
    if (!top || !form_ || top->IsIconized() || syncing_) return;
    TakeWindowPosition();
}

void WxFormWindow::TakeWindowPosition() {
    wxPoint p = top_->GetPosition();
    syncing_ = true;
    form_->SetBounds(p.x, p.y, form_->Width(), form_->Height());
    syncing_ = false;
}

void WxFormWindow::ApplyBounds() {
    wxTopLevelWindow* top = top_.get();
    if (!top) return;
    syncing_ = true;
    top->Move(form_->Left(), form_->Top());
    top->SetClientSize(form_->ClientWidth(), form_->ClientHeight());
    syncing_ = false;
    if (top->IsShown()) ReportSize();
}

void WxFormWindow::ApplyWindowState() {
    wxTopLevelWindow* top = top_.get();
    if (!top) return;
    switch (form_->WindowState()) {
        case wsMaximized:
            if (!top->IsMaximized()) top->Maximize(true);
            break;
        case wsMinimized:
            if (!top->IsIconized()) top->Iconize(true);
            break;
        case wsNormal:
            if (top->IsIconized()) top->Iconize(false);
            if (top->IsMaximized()) top->Maximize(false);
            break;
    }
}

RECT WxFormWindow::WindowRect() const {
    wxTopLevelWindow* top = top_.get();
    if (!top) return FormWindowRect(form_);
    wxPoint p = top->GetPosition();
    wxSize client = top->GetClientSize();
    return {p.x, p.y, p.x + client.x + FrameDx(), p.y + client.y + FrameDy()};
}

void WxFormWindow::MoveWindow(int x, int y, int width, int height) {
    wxTopLevelWindow* top = top_.get();
    if (!top) return;
    int dx = FrameDx(), dy = FrameDy();
    syncing_ = true;
    top->Move(x, y);
    top->SetClientSize(std::max(1, width - dx), std::max(1, height - dy));
    form_->SetBounds(x, y, form_->Width(), form_->Height());
    syncing_ = false;
    if (top->IsShown()) ReportSize();
}

// ---------------------------------------------------------------- suspended drawing

namespace {
// Fonts first: a control placed with its new size already has the font it is measured by.
constexpr PeerProp DeferredProps[] = {PeerProp::Font, PeerProp::Bounds, PeerProp::Repaint};
unsigned Bit(PeerProp what) { return 1u << static_cast<unsigned>(what); }
}  // namespace

bool WxFormWindow::Defer(TComponent* model, PeerProp what) {
    if (!suspended_ || std::find(std::begin(DeferredProps), std::end(DeferredProps), what) == std::end(DeferredProps))
        return false;
    auto [it, added] = deferred_.try_emplace(model, 0u);
    if (added) deferredOrder_.push_back(model);
    it->second |= Bit(what);
    return true;
}

void WxFormWindow::ResumeUpdates() {
    suspended_ = false;
    std::vector<TComponent*> order = std::move(deferredOrder_);
    std::map<TComponent*, unsigned> changes = std::move(deferred_);
    deferredOrder_.clear();
    deferred_.clear();
    for (TComponent* model : order) {
        // A control freed meanwhile has no peer any more.
        WxPeer* peer = PeerOf(model);
        if (!peer) continue;
        for (PeerProp what : DeferredProps)
            if (changes[model] & Bit(what)) peer->Changed(what);
    }
}

unsigned long WxFormWindow::ClientPaints() const { return client_ ? client_->Paints() : 0; }

// ---------------------------------------------------------------- the form's own peer

void WxFormWindow::Changed(PeerProp what) {
    wxTopLevelWindow* top = top_.get();
    if (!top || !form_) return;
    switch (what) {
        case PeerProp::Bounds:
            if (!syncing_) ApplyBounds();
            break;
        case PeerProp::Caption:
        case PeerProp::Text: top->SetTitle(ToWx(form_->Caption())); break;
        case PeerProp::Color:
        case PeerProp::Font:
        case PeerProp::Repaint:
            if (client_) client_->Refresh();
            break;
        case PeerProp::Menu: ScheduleMenuRebuild(); break;
        case PeerProp::Structure:
            if (!syncing_ && top->IsShown()) ApplyWindowState();
            break;
        case PeerProp::Enabled: top->Enable(form_->Enabled()); break;
        default: break;
    }
}

void WxFormWindow::ModelDestroyed() {
    form_ = nullptr;
    Dispose();
}

void WxFormWindow::Dispose() {
    *alive_ = false;
    for (auto& [model, peer] : peers_) peer->Detach();
    if (client_) client_->Detach();
    if (form_ && form_->Peer() == this) form_->SetPeer(nullptr);
    if (wxTopLevelWindow* top = top_.get()) {
        if (inModalLoop_) {
            if (auto* dialog = dynamic_cast<wxDialog*>(top); dialog && dialog->IsModal()) dialog->EndModal(mrCancel);
        }
        top->Hide();
        top->Destroy();
    }
    top_ = nullptr;
    client_ = nullptr;
    peers_.clear();
    retired_.clear();
}

// ---------------------------------------------------------------- input

void WxFormWindow::OnClose(wxCloseEvent& event) {
    TForm* form = form_;
    if (!form) {
        event.Skip();
        return;
    }
    if (event.CanVeto()) event.Veto();
    RunInput([form] { UserInput::CloseBox(form); });
}

void WxFormWindow::OnActivate(wxActivateEvent& event) {
    event.Skip();
    if (event.GetActive() && form_) FormActivated(form_);
}

TButton* WxFormWindow::FindButton(TWinControl* parent, bool wantDefault) const {
    for (TControl* c : parent->ControlList()) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (auto* b = dynamic_cast<TButton*>(c))
            if (wantDefault ? b->Default() : b->Cancel()) return b;
        if (auto* inner = dynamic_cast<TWinControl*>(c))
            if (TButton* found = FindButton(inner, wantDefault)) return found;
    }
    return nullptr;
}

void WxFormWindow::OnCharHook(wxKeyEvent& event) {
    int key = event.GetKeyCode();
    wxWindow* focus = wxWindow::FindFocus();
    // Tab moves between the controls; inside a grid it moves between cells,
    // and Ctrl+Tab leaves the grid.
    if (form_ && key == WXK_TAB && !event.AltDown() && !event.MetaDown() &&
        (event.RawControlDown() || !InsideGrid(focus))) {
        MoveFocus(!event.ShiftDown());
        return;
    }
    bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
    if (!form_ || (!enter && key != WXK_ESCAPE) || event.HasAnyModifiers() || InsideGrid(focus)) {
        event.Skip();
        return;
    }
    if (enter && (dynamic_cast<wxButton*>(focus) || IsMultiLineText(focus))) {
        event.Skip();  // a focused button takes Enter itself; a memo starts a new line
        return;
    }
    if (TButton* button = FindButton(form_, enter)) {
        RunInput([button] { UserInput::Click(button); });
        return;
    }
    // A dialog without a cancel button is not closed behind the model's back.
    if (!(modal_ && key == WXK_ESCAPE)) event.Skip();
}

// ---------------------------------------------------------------- menus

void WxFormWindow::OnMenu(wxCommandEvent& event) {
    auto it = menuIds_.find(event.GetId());
    if (it == menuIds_.end()) {
        event.Skip();
        return;
    }
    TMenuItem* item = it->second;
    RunInput([item] { UserInput::ClickMenu(item); });
}

void WxFormWindow::BuildMenuBar() {
    auto* frame = dynamic_cast<wxFrame*>(top_.get());
    if (!frame) return;
    menuIds_.clear();
    menuItemIds_.clear();
    nextMenuId_ = FirstMenuId;
    TMainMenu* menu = form_->Menu();
    wxMenuBar* bar = nullptr;
    if (menu) {
        bar = new wxMenuBar;
        TMenuItem* root = menu->Items();
        for (int i = 0; i < root->Count(); ++i) {
            TMenuItem* item = root->Items(i);
            EnsureMenuPeer(item);
            if (!item->Visible()) continue;
            bar->Append(BuildMenu(item), ToWx(item->Caption()));
            if (!item->Enabled()) bar->EnableTop(bar->GetMenuCount() - 1, false);
        }
    }
    bool hadBar = frame->GetMenuBar() != nullptr;
    wxMenuBar* old = frame->GetMenuBar();
    frame->SetMenuBar(bar);
    delete old;
    // The model's client size stays what it was with or without a menu bar.
    if (hadBar != (bar != nullptr)) {
        syncing_ = true;
        frame->SetClientSize(form_->ClientWidth(), form_->ClientHeight());
        syncing_ = false;
    }
}

wxMenu* WxFormWindow::BuildMenu(TMenuItem* parent) {
    auto* menu = new wxMenu;
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        EnsureMenuPeer(item);
        if (!item->Visible()) continue;
        if (item->Caption() == "-") {
            menu->AppendSeparator();
        } else if (item->Count() > 0) {
            wxMenuItem* sub = menu->AppendSubMenu(BuildMenu(item), ToWx(item->Caption()));
            sub->Enable(item->Enabled());
        } else {
            int id = nextMenuId_++;
            wxMenuItem* entry =
                menu->Append(id, ToWx(item->Caption()), wxString(), item->Checked() ? wxITEM_CHECK : wxITEM_NORMAL);
            if (item->Checked()) entry->Check(true);
            entry->Enable(item->Enabled());
            menuIds_[id] = item;
            menuItemIds_[item] = id;
        }
    }
    return menu;
}

void WxFormWindow::EnsureMenuPeer(TMenuItem* item) {
    if (!PeerOf(item)) peers_[item] = std::make_unique<WxMenuPeer>(*this, item);
}

void WxFormWindow::MenuItemChanged(TMenuItem* item) {
    auto* frame = dynamic_cast<wxFrame*>(top_.get());
    wxMenuBar* bar = frame ? frame->GetMenuBar() : nullptr;
    auto id = menuItemIds_.find(item);
    wxMenuItem* entry = bar && id != menuItemIds_.end() ? bar->FindItem(id->second) : nullptr;
    if (!entry || !item->Visible() || (item->Checked() && !entry->IsCheckable())) {
        ScheduleMenuRebuild();  // shown, hidden, a new kind of item, or a top-level menu
        return;
    }
    entry->SetItemLabel(ToWx(item->Caption()));
    entry->Enable(item->Enabled());
    if (entry->IsCheckable()) entry->Check(item->Checked());
}

void WxFormWindow::ScheduleMenuRebuild() {
    if (menuRebuildPending_ || !top_) return;
    menuRebuildPending_ = true;
    top_->CallAfter([this, alive = alive_] {
        if (!*alive) return;
        menuRebuildPending_ = false;
        if (form_) BuildMenuBar();
    });
}
