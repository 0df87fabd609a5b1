// The window of a shown form: a frame (or a dialog while it runs modally)
// whose client area holds the peers of the form's controls. It keeps the
// model's size and position in step with the window and sends the form's
// window procedure the size messages.
#ifndef TRAILBOOK_PLATFORM_WXFORM_H
#define TRAILBOOK_PLATFORM_WXFORM_H

#include <map>
#include <memory>
#include <vector>

#include "platform/wx/WxPeers.h"

class WxFormWindow : public ControlPeer {
public:
    WxFormWindow(TForm* form, bool modal);
    ~WxFormWindow() override;
    WxFormWindow(const WxFormWindow&) = delete;
    WxFormWindow& operator=(const WxFormWindow&) = delete;

    TForm* Model() const { return form_; }
    bool IsModalWindow() const { return modal_; }
    wxTopLevelWindow* Top() const { return top_.get(); }
    wxWindow* Client() const { return client_; }
    bool Alive() const { return top_ != nullptr; }

    // Shows the window: places it, asks the size limits, sends WM_SHOWWINDOW
    // the first time, shows it and reports its size.
    void ShowWindow();
    void HideWindow();
    // Runs the dialog modally until the model's ModalResult is set or the
    // window is hidden; returns the modal result.
    int RunModal();
    // Ends a modal run whose form has a modal result (called after input).
    void EndModalIfDone();
    bool InModalLoop() const { return inModalLoop_; }

    // The form's own peer.
    void Changed(PeerProp what) override;
    void ModelDestroyed() override;

    // Peers of controls (and their children), created under the container of the parent.
    void AddControl(TControl* control);
    void RemovePeer(TControl* control);
    WxPeer* PeerOf(TComponent* model) const;
    // A peer whose model went away: parked until the next idle time, then deleted.
    void Retire(TComponent* model);
    wxWindow* ContainerOf(TWinControl* parent) const;

    // While drawing of the window is suspended, the changes of its controls'
    // places and fonts are kept and applied together when drawing resumes,
    // so that the window is laid out and painted once.
    void SuspendUpdates() { suspended_ = true; }
    void ResumeUpdates();
    // True when the change is kept for later.
    bool Defer(TComponent* model, PeerProp what);
    // How often the client area has been painted (for the window benchmark).
    unsigned long ClientPaints() const;

    // Window questions.
    RECT WindowRect() const;
    void MoveWindow(int x, int y, int width, int height);

    // Menu bar.
    void MenuItemChanged(TMenuItem* item);
    void ScheduleMenuRebuild();

    // Keyboard focus on the first control in tab order that can take it.
    void FocusFirstControl();
    // Soon (once the toolkit is done with the focus): when this form is the
    // active window and the focus is on no control, or on one that cannot
    // take it (hidden, covered, disabled), it goes to the first control.
    void ScheduleFocusCheck();
    // Detaches every peer from its model and destroys the window.
    void Dispose();

private:
    void CreateTop();
    void PrepareShow();
    void AfterShown();
    void CreatePeers(TWinControl* parent, wxWindow* container);
    // The peer of one control, then those of the controls inside it.
    void CreatePeerTree(TControl* control, wxWindow* container);
    void CreateTimers();
    void SortTabOrder(TWinControl* parent);
    void BuildMenuBar();
    wxMenu* BuildMenu(TMenuItem* item);
    void EnsureMenuPeer(TMenuItem* item);
    void ApplyBounds();
    void ApplyWindowState();
    void AskSizeLimits();
    // The window's size changed (or was set from the model): updates the
    // model, sends WM_SIZE, then asks the size limits again.
    void ReportSize();
    // The model takes the window's position without passing it back to the window.
    void TakeWindowPosition();
    int FrameDx() const;
    int FrameDy() const;
    void OnSize(wxSizeEvent& event);
    void OnMove(wxMoveEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnCharHook(wxKeyEvent& event);
    // The model control whose widget has the focus, or nullptr.
    TWinControl* FocusedModelControl() const;
    void MoveFocus(bool forward);
    void OnMenu(wxCommandEvent& event);
    void CleanUpRetired();
    TButton* FindButton(TWinControl* parent, bool wantDefault) const;

    TForm* form_;
    bool modal_;
    wxWeakRef<wxTopLevelWindow> top_;
    WxContainerWindow* client_ = nullptr;
    std::map<TComponent*, std::unique_ptr<WxPeer>> peers_;
    std::vector<std::unique_ptr<WxPeer>> retired_;
    std::map<int, TMenuItem*> menuIds_;
    std::map<TMenuItem*, int> menuItemIds_;
    int nextMenuId_ = 0;
    bool shownOnce_ = false;
    bool syncing_ = false;          // the model is being updated from the window
    bool inModalLoop_ = false;
    bool menuRebuildPending_ = false;
    bool cleanupPending_ = false;
    bool focusCheckPending_ = false;
    // Work deferred to idle time runs only while this window object lives.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool suspended_ = false;
    std::vector<TComponent*> deferredOrder_;
    std::map<TComponent*, unsigned> deferred_;  // the kept changes of each control, one bit each
    wxSize reportedClient_{-1, -1};
    int reportedState_ = -1;
};

#endif
