// The one door between the platform layer and a real screen. WxDesktop shows
// real windows; ScriptedDesktop answers from a script and records what was
// shown, for tests without a display.
#ifndef TRAILBOOK_PLATFORM_DESKTOP_H
#define TRAILBOOK_PLATFORM_DESKTOP_H

#include <string>
#include <vector>

#include "platform/core/StringList.h"
#include "platform/vcl/Windows.h"

class TComponent;
class TControl;
class TForm;
class TFont;

// What changed on a model object, so that its peer can follow.
enum class PeerProp {
    Bounds, Visible, Enabled, Caption, Text, Font, Color, Hint, Items, ItemIndex, Checked,
    Cells, ColWidths, RowHeight, Brush, Shape, Picture, Date, Selection, ReadOnly, MaxLength,
    Menu, ZOrder, Focus, Repaint, Structure
};

// The screen side of a control, menu item or form while its form is shown.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Changed(PeerProp what) = 0;
    virtual void ItemsChanged(const TListChange& change) { (void)change; Changed(PeerProp::Items); }
    // The model object is being destroyed; the peer must let go of it.
    virtual void ModelDestroyed() = 0;
    // Index of the list item at a point of the control, or -1; peers that
    // cannot tell return -2 and the model computes it from its item height.
    virtual int ItemAtPos(int x, int y) { (void)x; (void)y; return -2; }
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Messages and input boxes. InputQuery returns false on a cancel.
    virtual void ShowMessage(const AnsiString& caption, const AnsiString& text) = 0;
    virtual bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) = 0;
    // A question with the buttons Yes and No, No the default (Enter, Escape
    // and closing the box answer No); true for Yes.
    virtual bool AskYesNo(const AnsiString& caption, const AnsiString& question) = 0;
    // The short warning sound of a refused keystroke.
    virtual void Beep() = 0;

    // Forms.
    virtual void ShowForm(TForm* form) = 0;
    virtual void HideForm(TForm* form) = 0;
    // Runs the form modally until its ModalResult is set; returns it.
    virtual int ShowModal(TForm* form) = 0;
    // A control was created, re-parented or destroyed while its form may be shown.
    virtual void ControlAdded(TControl* control) { (void)control; }
    virtual void FormDestroyed(TForm* form) { (void)form; }
    // The message loop: returns when the main form has closed.
    virtual void RunMessageLoop(TForm* mainForm) = 0;
    virtual void Terminate() = 0;
    virtual void ProcessMessages() = 0;

    // Prints lines of text in a font on the default printer, paginated, under
    // a job title. Throws EPrinter when no printer can be reached.
    virtual void PrintLines(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines) = 0;
    // Starts a program without a shell; "Notepad.exe" stands for the desktop's
    // plain-text editor. Returns false when it could not be started.
    virtual bool ShellExecute(const AnsiString& program, const AnsiString& parameters) = 0;
    // Shows an HTML help file in a viewer window; false when it cannot be shown.
    virtual bool ShowHelpFile(const AnsiString& path) = 0;

    // Screen questions.
    virtual RECT ScreenRect() = 0;
    virtual RECT WorkArea() = 0;          // the screen less the taskbar
    virtual int PixelsPerInch() = 0;
    virtual bool TaskbarAutoHide() { return false; }
    virtual DWORD Version() { return 5 | (1 << 8); }  // major 5, minor 1
    virtual AnsiString LocaleAbbrevLanguage() = 0;    // "ENU", "JPN" ...

    // Window questions about a shown form; a desktop without real windows
    // answers them from the form's model.
    virtual bool IsIconic(TForm* form);
    virtual bool IsZoomed(TForm* form);
    virtual RECT WindowRect(TForm* form);
    virtual void MoveWindow(TForm* form, int x, int y, int width, int height);
    virtual void LockWindowUpdate(TForm* form) = 0;  // nullptr unlocks
};

// The desktop in use; set once at start-up (or by a test).
Desktop& CurrentDesktop();
void SetDesktop(Desktop* desktop);

#endif
