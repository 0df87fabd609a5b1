// The real desktop: every form shown becomes a wxWidgets window, every
// control a peer widget kept in step with its model object.
#ifndef TRAILBOOK_PLATFORM_WXDESKTOP_H
#define TRAILBOOK_PLATFORM_WXDESKTOP_H

#include <memory>

#include "platform/vcl/Desktop.h"

class WxDesktopImpl;

class WxDesktop : public Desktop {
public:
    // Starts wxWidgets (without its locale warnings); throws Exception when
    // no display can be opened.
    WxDesktop(int& argc, char** argv);
    ~WxDesktop() override;
    WxDesktop(const WxDesktop&) = delete;
    WxDesktop& operator=(const WxDesktop&) = delete;

    void ShowMessage(const AnsiString& caption, const AnsiString& text) override;
    bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) override;
    bool AskYesNo(const AnsiString& caption, const AnsiString& question) override;
    void Beep() override;

    void ShowForm(TForm* form) override;
    void HideForm(TForm* form) override;
    int ShowModal(TForm* form) override;
    void ControlAdded(TControl* control) override;
    void FormDestroyed(TForm* form) override;
    void RunMessageLoop(TForm* mainForm) override;
    void Terminate() override;
    void ProcessMessages() override;

    void PrintLines(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines) override;
    bool ShellExecute(const AnsiString& program, const AnsiString& parameters) override;
    bool ShowHelpFile(const AnsiString& path) override;

    RECT ScreenRect() override;
    RECT WorkArea() override;
    int PixelsPerInch() override;
    AnsiString LocaleAbbrevLanguage() override;

    bool IsIconic(TForm* form) override;
    bool IsZoomed(TForm* form) override;
    RECT WindowRect(TForm* form) override;
    void MoveWindow(TForm* form, int x, int y, int width, int height) override;
    void LockWindowUpdate(TForm* form) override;

    // How often the form's client area has been painted while shown (for the window benchmark).
    unsigned long ClientPaintCount(TForm* form);

private:
    std::unique_ptr<WxDesktopImpl> impl_;
};

#endif
