// A desktop without a display, for tests: input boxes and modal forms are
// answered from queues that a test fills, and everything shown (messages,
// printed jobs, shell calls, help) is recorded. The screen is a fixed virtual
// one that a test can change.
#ifndef TRAILBOOK_PLATFORM_SCRIPTEDDESKTOP_H
#define TRAILBOOK_PLATFORM_SCRIPTEDDESKTOP_H

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/vcl/Desktop.h"

class ScriptedDesktop : public Desktop {
public:
    // ---- answers a test queues
    // The next input box returns answer; std::nullopt is a cancel.
    void QueueInput(std::optional<AnsiString> answer) { inputAnswers_.push_back(std::move(answer)); }
    // The next modal form is handed to answer, which may set its controls and
    // returns the modal result (mrOk, mrCancel ...).
    void QueueModal(std::function<int(TForm*)> answer) { modalAnswers_.push_back(std::move(answer)); }
    // The next yes/no question is answered Yes (true) or No (false).
    void QueueYesNo(bool yes) { yesNoAnswers_.push_back(yes); }

    // ---- what was shown
    struct InputAsked { AnsiString caption, prompt, defaultValue; };
    struct PrintJob { AnsiString title, fontName; int fontHeight = 0; std::vector<AnsiString> lines; };
    std::vector<AnsiString> Messages;          // texts of message boxes, in order
    std::vector<AnsiString> MessageCaptions;
    std::vector<InputAsked> Inputs;
    std::vector<AnsiString> Questions;         // yes/no questions asked, in order
    std::vector<AnsiString> ModalForms;        // class names of forms run modally
    std::vector<PrintJob> PrintJobs;
    std::vector<std::pair<AnsiString, AnsiString>> ShellCalls;
    std::vector<AnsiString> HelpShown;
    int Beeps = 0;
    // Questions asked with nothing queued (answered as a cancel): a script error.
    std::vector<AnsiString> Unexpected;

    // ---- settings a test may change
    bool PrinterAvailable = true;
    bool ShellSucceeds = true;
    RECT Screen{0, 0, 1280, 1024};
    RECT Work{0, 0, 1280, 984};  // a 40-pixel taskbar at the bottom
    int Ppi = 96;
    AnsiString Language = "ENU";
    DWORD VersionWord = 5 | (1 << 8);
    bool AutoHideTaskbar = false;
    // Runs whenever the program lets pending messages through, standing for
    // what a user does meanwhile.
    std::function<void()> WhileProcessingMessages;

    // ---- Desktop
    void ShowMessage(const AnsiString& caption, const AnsiString& text) override;
    bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) override;
    bool AskYesNo(const AnsiString& caption, const AnsiString& question) override;
    void Beep() override { ++Beeps; }
    void ShowForm(TForm* form) override;
    void HideForm(TForm* form) override;
    int ShowModal(TForm* form) override;
    void RunMessageLoop(TForm* mainForm) override;
    void Terminate() override { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    void ProcessMessages() override {
        if (WhileProcessingMessages) WhileProcessingMessages();
    }
    void PrintLines(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines) override;
    bool ShellExecute(const AnsiString& program, const AnsiString& parameters) override;
    bool ShowHelpFile(const AnsiString& path) override;
    RECT ScreenRect() override { return Screen; }
    RECT WorkArea() override { return Work; }
    int PixelsPerInch() override { return Ppi; }
    bool TaskbarAutoHide() override { return AutoHideTaskbar; }
    DWORD Version() override { return VersionWord; }
    AnsiString LocaleAbbrevLanguage() override { return Language; }
    void LockWindowUpdate(TForm* form) override { locked_ = form; }
    TForm* Locked() const { return locked_; }

private:
    std::deque<std::optional<AnsiString>> inputAnswers_;
    std::deque<std::function<int(TForm*)>> modalAnswers_;
    std::deque<bool> yesNoAnswers_;
    bool terminated_ = false;
    TForm* locked_ = nullptr;
};

#endif
