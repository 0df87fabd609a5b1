// The desktop in use. Until one is set, a built-in desktop without a screen
// answers: the screen questions as a plain 1280 x 1024 screen, messages on
// stderr, every question cancelled.
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
    bool IsIconic(TForm* form) override { return form->WindowState() == wsMinimized; }
    bool IsZoomed(TForm* form) override { return form->WindowState() == wsMaximized; }
    RECT WindowRect(TForm* form) override { return FormWindowRect(form); }
    void MoveWindow(TForm* form, int x, int y, int width, int height) override {
        MoveFormWindow(form, x, y, width, height);
    }
    void LockWindowUpdate(TForm*) override {}
};

Desktop* currentDesktop = nullptr;

}  // namespace

Desktop& CurrentDesktop() {
    if (currentDesktop) return *currentDesktop;
    static NoScreenDesktop noScreen;
    return noScreen;
}

void SetDesktop(Desktop* desktop) { currentDesktop = desktop; }
