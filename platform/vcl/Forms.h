// Forms, the application object, the screen, message boxes and input boxes.
#ifndef TRAILBOOK_PLATFORM_FORMS_H
#define TRAILBOOK_PLATFORM_FORMS_H

#include <functional>

#include "platform/vcl/Controls.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// A form. Each form class reads its form description at the end of its
// constructor (InitForm): the controls are created and stored in the form's
// published fields, their events bound to its published methods, Loaded runs
// on every component, then OnCreate.
class TForm : public TWinControl {
    TB_DECLARE_CLASS()
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Outer size = client size + frame (4 pixels each side, a 30-pixel
    // caption, and 20 pixels more with a main menu), as the platform's
    // default window frame.
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    int FrameWidth() const;
    int FrameHeight() const;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v) { borderStyle_ = v; Changed(PeerProp::Structure); }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState v) { windowState_ = v; Changed(PeerProp::Structure); }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    TMainMenu* Menu() const { return menu_; }
    // While the description is read the client size is kept, else the outer size.
    void SetMenu(TMainMenu* v);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int v) { textHeight_ = v; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    bool OldCreateOrder() const { return false; }
    void SetOldCreateOrder(bool) {}

    void Show();
    void Hide();
    // Visible from code shows or hides the form on the desktop.
    void SetVisible(bool v) override;
    // The components written inside the form's description: the
    // non-visual ones (menu, timer) first, then the controls.
    std::vector<TComponent*> ChildComponents() const override;
    // Runs the form modally; returns the modal result that closed it.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    bool Modal() const { return modal_; }
    void SetModal(bool v) { modal_ = v; }
    // Runs OnClose; unless it answers caNone, a modal form ends with
    // mrCancel, the main form ends the program, another form hides.
    void Close();

    // The window's procedure of last resort: WM_SIZE raises OnResize.
    static LRESULT DefaultWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;
    // Raised by the desktop when the form becomes the active window.
    void Activate();

protected:
    // Reads description (a form description text) into this form, then runs
    // OnCreate through the application's exception guard.
    void InitForm(const char* description);

private:
    // Enlarges the form just read for a screen denser than 96 pixels per inch (while Scaled).
    void ScaleToScreen();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDesigned;
    TMainMenu* menu_ = nullptr;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool scaled_ = true;
    bool keyPreview_ = false;
    int modalResult_ = mrNone;
    bool modal_ = false;
};

constexpr int HELP_CONTEXT = 1, HELP_QUIT = 2, HELP_CONTENTS = 3, HELP_FINDER = 11;

class TApplication : public TComponent {
    TB_DECLARE_CLASS()
public:
    explicit TApplication(TComponent* owner) : TComponent(owner) {}
    ~TApplication() override;
    void Initialize() {}
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& v) { title_ = v; }
    const AnsiString& HelpFile() const { return helpFile_; }
    void SetHelpFile(const AnsiString& v) { helpFile_ = v; }

    // Creates a form owned by the application; the first becomes the main form.
    template <class F>
    void CreateForm(F*& reference) {
        reference = new F(this);
        if (!mainForm_) mainForm_ = reference;
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ProcessMessages();

    // HELP_CONTENTS shows the help file: HelpFile relative to the data
    // folder, else the installed copy; a missing file gives a message naming
    // the path looked for. Returns whether the help was shown.
    bool HelpCommand(int command, long data);

    // Shows an exception's message in a message box.
    void ShowException(const Exception& e);
    // Shows the exception being handled (call inside a catch block).
    void HandleException(TObject* sender);
    // Runs an event handler: an exception it does not catch is shown and the
    // program goes on.
    void Guard(const std::function<void()>& handler);

private:
    AnsiString title_;
    AnsiString helpFile_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

class TScreen : public TComponent {
    TB_DECLARE_CLASS()
public:
    explicit TScreen(TComponent* owner) : TComponent(owner) {}
    int Width() const;
    int Height() const;
    int PixelsPerInch() const;
    TRect WorkAreaRect() const;
    TForm* ActiveForm() const { return activeForm_; }
    void SetActiveForm(TForm* form) { activeForm_ = form; }

private:
    TForm* activeForm_ = nullptr;
};

extern TApplication* Application;
extern TScreen* Screen;
// Creates Application and Screen (once).
void InitApplication();
// Frees them (tests, end of program).
void DoneApplication();

// Window answers from a form's model, for desktops without real windows.
RECT FormWindowRect(const TForm* form);
// Sets the form's bounds; a new size sends WM_SIZE to its window, if it has one.
void MoveFormWindow(TForm* form, int x, int y, int width, int height);

// Message and input boxes; the application's title is their caption.
void ShowMessage(const AnsiString& text);
// A cancel returns the default.
AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& defaultValue);
// Returns false on a cancel, leaving value as it was.
bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value);
// Asks a question with Yes and No, No the default; true for Yes.
bool AskYesNo(const AnsiString& question);

// Input as a user gives it: each call changes the model as the control would
// and raises its events inside the application's exception guard. The
// desktops' peers and the tests use these.
namespace UserInput {
void Click(TControl* control);
void DblClick(TControl* control);
void ClickMenu(TMenuItem* item);
// Typing: replaces the text of an edit, memo or combo box; raises OnChange.
void Type(TControl* control, const AnsiString& text);
// Picking an item of a list box or combo box with the mouse: selects it (a
// combo box takes its text), then raises OnClick (a combo box then OnChange).
void Pick(TControl* control, int index);
void MouseUp(TControl* control, TMouseButton button, TShiftState shift, int x, int y);
void KeyUp(TWinControl* control, unsigned short key, TShiftState shift);
// Moves the keyboard focus, raising OnExit on the control that had it and OnEnter on the new one.
void Focus(TWinControl* control);
void CheckRadio(TRadioButton* button);
// A cell of a string grid edited in place; the characters the grid's
// AcceptChar refuses are dropped (with a beep).
void EditCell(TControl* grid, int col, int row, const AnsiString& text);
// The window's close box.
void CloseBox(TForm* form);
}  // namespace UserInput

#endif
