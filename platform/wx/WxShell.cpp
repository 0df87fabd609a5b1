// Starting programs (Notepad standing for the desktop's text editor) and the
// help viewer.
#include "platform/wx/WxPeers.h"
#include "platform/wx/WxServices.h"
#include "platform/wx/WxSupport.h"

#include <wx/html/htmlwin.h>
#include <wx/process.h>
#include <wx/utils.h>

#include <unistd.h>

#include <cstdlib>
#include <functional>

namespace {

bool OnPath(const AnsiString& program) {
    if (program.empty()) return false;
    if (program.find('/') != AnsiString::npos) return access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    for (const AnsiString& dir : SplitString(path ? path : "/usr/bin:/bin", ':'))
        if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) return true;
    return false;
}

// The desktop's default application for plain text, as xdg-mime names it.
AnsiString DefaultTextApplication() {
    if (!OnPath("xdg-mime")) return "";
    wxArrayString output, errors;
    // wxExecute splits the command itself; no shell is involved.
    if (wxExecute("xdg-mime query default text/plain", output, errors, wxEXEC_SYNC | wxEXEC_NODISABLE) != 0 ||
        output.empty())
        return "";
    return FromWx(output[0].Trim().Trim(false));
}

wxWeakRef<wxFrame> helpViewer;

// A started program; when it ends, whenEnded gets its exit code.
class WatchedProgram : public wxProcess {
public:
    explicit WatchedProgram(std::function<void(int)> whenEnded) : whenEnded_(std::move(whenEnded)) {}
    void OnTerminate(int, int status) override {
        auto whenEnded = std::move(whenEnded_);
        delete this;
        whenEnded(status);
    }

private:
    std::function<void(int)> whenEnded_;
};

// Starts a command without waiting for it. Its output goes to /dev/null: an
// editor's messages do not belong in the program's console. A shell sets that
// up and then becomes the command, so the exit code is the command's.
bool Launch(const std::vector<AnsiString>& command, std::function<void(int)> whenEnded) {
    std::vector<const char*> argv{"sh", "-c", "exec \"$@\" >/dev/null 2>&1", "sh"};
    for (const auto& a : command) argv.push_back(a.c_str());
    argv.push_back(nullptr);
    auto* process = whenEnded ? new WatchedProgram(std::move(whenEnded)) : nullptr;
    if (wxExecute(argv.data(), wxEXEC_ASYNC, process) > 0) return true;
    delete process;
    return false;
}

EditorChoices ChoicesFor(const AnsiString& program) {
    EditorChoices choices;
    if (IsNotepad(program)) {
        choices.desktopEntry = DefaultTextApplication();
        if (const char* v = std::getenv("VISUAL")) choices.visual = v;
        if (const char* e = std::getenv("EDITOR")) choices.editor = e;
    }
    choices.onPath = OnPath;
    return choices;
}

}  // namespace

bool StartProgram(const AnsiString& program, const AnsiString& parameters) {
    EditorChoices choices = ChoicesFor(program);
    std::vector<AnsiString> command = CommandLineFor(program, parameters, choices);
    if (command.empty()) return false;
    if (!IsNotepad(program) || command.front() != "xdg-open") return Launch(command, nullptr);
    // xdg-open tells only by its exit code that it found nothing to open the
    // file with (it may run the editor itself until the editor closes); then
    // the editor is chosen as without xdg-open, and when there is none, the
    // user gets the message of a Notepad that cannot start.
    return Launch(command, [program, parameters, choices](int status) mutable {
        if (status == 0) return;
        choices.openerFailed = true;
        std::vector<AnsiString> editor = CommandLineFor(program, parameters, choices);
        if (editor.empty() || !Launch(editor, nullptr)) ShowMessage("Could not run Notepad!");
    });
}

namespace {

// The help viewer: the page, and a "Close" button below it; Escape closes it too.
wxFrame* NewHelpViewer() {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Trailbook Help", wxDefaultPosition, wxSize(720, 600));
    auto* html = new wxHtmlWindow(frame, wxID_ANY);
    html->SetRelatedFrame(frame, "%s");
    auto* close = new wxButton(frame, wxID_CLOSE, "Close");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(html, 1, wxEXPAND);
    sizer->Add(close, 0, wxALIGN_RIGHT | wxALL, 8);
    frame->SetSizer(sizer);
    close->Bind(wxEVT_BUTTON, [frame](wxCommandEvent&) { frame->Close(); });
    frame->Bind(wxEVT_CHAR_HOOK, [frame](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_ESCAPE && !e.HasAnyModifiers())
            frame->Close();
        else
            e.Skip();
    });
    return frame;
}

}  // namespace

bool ShowHelpViewer(const AnsiString& path) {
    std::string page;
    if (!ReadWholeFile(path, page)) return false;
    wxFrame* frame = helpViewer.get();
    if (!frame) {
        frame = NewHelpViewer();
        helpViewer = frame;
    }
    wxHtmlWindow* html = nullptr;
    for (wxWindow* child : frame->GetChildren())
        if (auto* found = dynamic_cast<wxHtmlWindow*>(child)) html = found;
    if (!html) return false;
    html->SetPage(ToWx(page));
    frame->Show();
    frame->Raise();
    html->SetFocus();
    return true;
}

void CloseHelpViewer() {
    if (wxFrame* frame = helpViewer.get()) frame->Destroy();
}
