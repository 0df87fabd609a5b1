// The desktop in use, and the window answers taken from a form's model. Until
// a desktop is set, a built-in one without a screen answers: the screen
// questions as a plain 1280 x 1024 screen, messages on stderr, every question
// cancelled.
#include "platform/vcl/Desktop.h"

#include <iostream>

#include "platform/vcl/Forms.h"

namespace {

class NoScreenDesktop : public Desktop {
public:
    void ShowMessage(const AnsiString& caption, const AnsiString& text) override {
        std::cerr << (caption.empty() ? AnsiString() : caption + ": ") << text << '\n';
    }
    bool InputQuery(const AnsiString&, const AnsiString&, AnsiString&) override { return false; }
    bool AskYesNo(const AnsiString&, const AnsiString&) override { return false; }
    void Beep() override {}
    void ShowForm(TForm*) override {}
    void HideForm(TForm*) override {}
    int ShowModal(TForm*) override { return mrCancel; }
    void RunMessageLoop(TForm*) override {}
    void Terminate() override {}
    void ProcessMessages() override {}
    void PrintLines(const AnsiString&, const TFont&, const std::vector<AnsiString>&) override {
        throw EPrinter("There is no default printer");
    }
    bool ShellExecute(const AnsiString&, const AnsiString&) override { return false; }
    bool ShowHelpFile(const AnsiString&) override { return false; }
    RECT ScreenRect() override { return {0, 0, 1280, 1024}; }
    RECT WorkArea() override { return {0, 0, 1280, 984}; }
    int PixelsPerInch() override { return 96; }
    AnsiString LocaleAbbrevLanguage() override { return "ENU"; }
    void LockWindowUpdate(TForm*) override {}
};

Desktop* currentDesktop = nullptr;

}  // namespace

bool Desktop::IsIconic(TForm* form) { return form->WindowState() == wsMinimized; }
bool Desktop::IsZoomed(TForm* form) { return form->WindowState() == wsMaximized; }
RECT Desktop::WindowRect(TForm* form) { return FormWindowRect(form); }

void Desktop::MoveWindow(TForm* form, int x, int y, int width, int height) {
    MoveFormWindow(form, x, y, width, height);
}

Desktop& CurrentDesktop() {
    if (currentDesktop) return *currentDesktop;
    static NoScreenDesktop noScreen;
    return noScreen;
}

void SetDesktop(Desktop* desktop) { currentDesktop = desktop; }
