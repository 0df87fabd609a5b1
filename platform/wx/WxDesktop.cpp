// The real desktop on wxWidgets: the application object, the message loop,
// forms shown and run modally, message and input boxes, and the screen.
#include "platform/wx/WxDesktop.h"

#include "platform/wx/WxForm.h"
#include "platform/wx/WxGtk.h"
#include "platform/wx/WxServices.h"
#include "platform/wx/WxSupport.h"

#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/log.h>
#include <wx/textdlg.h>

#include <algorithm>
#include <clocale>
#include <map>
#include <vector>

namespace {

// The wx application: no command-line parsing of its own, and nothing that
// escapes an event handler ends the program.
class TrailbookApp : public wxApp {
public:
    bool OnInit() override { return true; }
    bool OnExceptionInMainLoop() override {
        if (Application) Application->HandleException(Application);
        return true;
    }
};

}  // namespace

class WxDesktopImpl {
public:
    std::map<const TForm*, std::unique_ptr<WxFormWindow>> windows;
    std::vector<WxFormWindow*> modal;  // innermost last
    std::vector<std::unique_ptr<WxFormWindow>> disposed;
    TForm* lastActive = nullptr;
    bool terminated = false;
    wxWeakRef<wxWindow> locked;
    TForm* lockedForm = nullptr;  // the form of the locked window
    int pixelsPerInch = 0;

    WxFormWindow* Find(const TForm* form) const {
        auto it = windows.find(form);
        return it == windows.end() || !it->second->Alive() ? nullptr : it->second.get();
    }

    // The form's window of the kind wanted, made anew when it has the other kind.
    WxFormWindow& Open(TForm* form, bool asModal) {
        auto it = windows.find(form);
        if (it != windows.end() && (!it->second->Alive() || it->second->IsModalWindow() != asModal)) {
            it->second->Dispose();
            windows.erase(it);
            it = windows.end();
        }
        if (it == windows.end()) it = windows.emplace(form, std::make_unique<WxFormWindow>(form, asModal)).first;
        return *it->second;
    }

    wxWindow* DialogParent() const {
        if (!modal.empty() && modal.back()->Top()) return modal.back()->Top();
        if (lastActive)
            if (WxFormWindow* w = Find(lastActive)) return w->Top();
        return nullptr;
    }
};

static WxDesktopImpl* current = nullptr;

WxFormWindow* FormWindowOf(const TForm* form) { return current ? current->Find(form) : nullptr; }

// The form in front keeps the focus on a control that can take it.
static void CheckFocusInFront() {
    if (!current) return;
    WxFormWindow* front = !current->modal.empty() ? current->modal.back() : nullptr;
    if (!front && current->lastActive) front = current->Find(current->lastActive);
    if (front) front->ScheduleFocusCheck();
}

void AfterUserInput() {
    if (current && !current->modal.empty()) current->modal.back()->EndModalIfDone();
    CheckFocusInFront();
}

void FormActivated(TForm* form) {
    if (!current || !form || current->lastActive == form) return;
    current->lastActive = form;
    form->Activate();  // runs OnActivate inside the application's guard
    AfterUserInput();
}

// ---------------------------------------------------------------- start and end

WxDesktop::WxDesktop(int& argc, char** argv) : impl_(std::make_unique<WxDesktopImpl>()) {
    // Problems that wxWidgets logs (a missing locale, say) go to the error
    // output instead of blocking message boxes.
    wxLog::SetActiveTarget(new wxLogStderr);
    wxApp::SetInstance(new TrailbookApp);
    if (!wxEntryStart(argc, argv)) throw Exception("The desktop cannot be opened: no display is available.");
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxTheApp->CallOnInit();
    wxTheApp->SetExitOnFrameDelete(false);
    InstallCompactStyle();
    // Numbers in files and form descriptions are read with a '.' whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    current = impl_.get();
}

WxDesktop::~WxDesktop() {
    for (auto& [form, window] : impl_->windows) window->Dispose();
    impl_->windows.clear();
    CloseHelpViewer();
    current = nullptr;
    if (wxTheApp) wxTheApp->OnExit();
    wxEntryCleanup();
}

// ---------------------------------------------------------------- messages

void WxDesktop::ShowMessage(const AnsiString& caption, const AnsiString& text) {
    wxMessageBox(ToWx(text), ToWx(caption), wxOK | wxCENTRE, impl_->DialogParent());
    CheckFocusInFront();
}

bool WxDesktop::InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) {
    wxTextEntryDialog dialog(impl_->DialogParent(), ToWx(prompt), ToWx(caption), ToWx(value));
    bool answered = dialog.ShowModal() == wxID_OK;
    if (answered) value = FromWx(dialog.GetValue());
    CheckFocusInFront();
    return answered;
}

bool WxDesktop::AskYesNo(const AnsiString& caption, const AnsiString& question) {
    return wxMessageBox(ToWx(question), ToWx(caption), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION | wxCENTRE,
                        impl_->DialogParent()) == wxYES;
}

void WxDesktop::Beep() { wxBell(); }

// ---------------------------------------------------------------- forms

void WxDesktop::ShowForm(TForm* form) {
    if (impl_->terminated) return;
    impl_->Open(form, false).ShowWindow();
}

void WxDesktop::HideForm(TForm* form) {
    if (WxFormWindow* w = impl_->Find(form)) w->HideWindow();
}

int WxDesktop::ShowModal(TForm* form) {
    if (impl_->terminated) return mrCancel;
    WxFormWindow& window = impl_->Open(form, true);
    TForm* before = impl_->lastActive;
    impl_->modal.push_back(&window);
    int result = mrCancel;
    try {
        result = window.RunModal();
    } catch (...) {
        impl_->modal.pop_back();
        throw;
    }
    impl_->modal.pop_back();
    // The window under the dialog becomes the active one again.
    impl_->lastActive = nullptr;
    if (before && before != form && impl_->Find(before)) FormActivated(before);
    CheckFocusInFront();
    return result;
}

void WxDesktop::ControlAdded(TControl* control) {
    TControl* top = control;
    while (top->Parent()) top = top->Parent();
    if (auto* form = dynamic_cast<TForm*>(top); form && form != control) {
        if (WxFormWindow* w = impl_->Find(form)) w->AddControl(control);
        return;
    }
    // Taken out of its form: its peer goes.
    for (auto& [f, window] : impl_->windows) window->RemovePeer(control);
}

void WxDesktop::FormDestroyed(TForm* form) {
    auto it = impl_->windows.find(form);
    if (it == impl_->windows.end()) return;
    it->second->Dispose();
    // A window whose modal run is still on the stack is kept until the end.
    bool running = std::find(impl_->modal.begin(), impl_->modal.end(), it->second.get()) != impl_->modal.end();
    if (running) impl_->disposed.push_back(std::move(it->second));
    impl_->windows.erase(it);
    if (impl_->lastActive == form) impl_->lastActive = nullptr;
}

void WxDesktop::RunMessageLoop(TForm* mainForm) {
    (void)mainForm;
    if (!impl_->terminated) wxTheApp->MainLoop();
    for (auto& [form, window] : impl_->windows)
        if (window->Top()) window->Top()->Hide();
}

void WxDesktop::Terminate() {
    impl_->terminated = true;
    for (auto it = impl_->modal.rbegin(); it != impl_->modal.rend(); ++it) (*it)->HideWindow();
    if (wxEventLoopBase* loop = wxTheApp->GetMainLoop(); loop && loop->IsRunning()) loop->Exit();
}

void WxDesktop::ProcessMessages() { wxTheApp->Yield(true); }

// ---------------------------------------------------------------- services

void WxDesktop::PrintLines(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines) {
    PrintTextLines(title, font, lines);
}

bool WxDesktop::ShellExecute(const AnsiString& program, const AnsiString& parameters) {
    return StartProgram(program, parameters);
}

bool WxDesktop::ShowHelpFile(const AnsiString& path) { return ShowHelpViewer(path); }

// ---------------------------------------------------------------- screen

static RECT ToRect(const wxRect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

RECT WxDesktop::ScreenRect() { return ToRect(wxDisplay(0u).GetGeometry()); }

RECT WxDesktop::WorkArea() { return ToRect(wxDisplay(0u).GetClientArea()); }

int WxDesktop::PixelsPerInch() {
    if (impl_->pixelsPerInch == 0) impl_->pixelsPerInch = ScreenPixelsPerInch(QueryScreenResolution());
    return impl_->pixelsPerInch;
}

AnsiString WxDesktop::LocaleAbbrevLanguage() { return LanguageAbbreviation(UserLocaleName()); }

bool WxDesktop::IsIconic(TForm* form) {
    WxFormWindow* w = impl_->Find(form);
    return w ? w->Top()->IsIconized() : form->WindowState() == wsMinimized;
}

bool WxDesktop::IsZoomed(TForm* form) {
    WxFormWindow* w = impl_->Find(form);
    return w ? w->Top()->IsMaximized() : form->WindowState() == wsMaximized;
}

RECT WxDesktop::WindowRect(TForm* form) {
    WxFormWindow* w = impl_->Find(form);
    return w ? w->WindowRect() : FormWindowRect(form);
}

void WxDesktop::MoveWindow(TForm* form, int x, int y, int width, int height) {
    if (WxFormWindow* w = impl_->Find(form))
        w->MoveWindow(x, y, width, height);
    else
        MoveFormWindow(form, x, y, width, height);
}

void WxDesktop::LockWindowUpdate(TForm* form) {
    if (wxWindow* locked = impl_->locked.get()) {
        if (impl_->lockedForm)
            if (WxFormWindow* w = impl_->Find(impl_->lockedForm)) w->ResumeUpdates();
        if (locked->IsFrozen()) locked->Thaw();
        impl_->locked = nullptr;
    }
    impl_->lockedForm = nullptr;
    if (!form) return;
    if (WxFormWindow* w = impl_->Find(form)) {
        w->Top()->Freeze();
        w->SuspendUpdates();
        impl_->locked = w->Top();
        impl_->lockedForm = form;
    }
}

unsigned long WxDesktop::ClientPaintCount(TForm* form) {
    WxFormWindow* w = impl_->Find(form);
    return w ? w->ClientPaints() : 0;
}
