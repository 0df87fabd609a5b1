// The few things the desktop asks of GTK itself, beyond what wxWidgets
// offers: the compact style of the forms' controls, the screen's resolution
// and scale, and the active row of a combo box. The GTK functions are looked
// up in the running process (wxWidgets has loaded GTK), so no GTK headers are
// needed; where one is missing, each call does nothing or answers "unknown".
#ifndef TRAILBOOK_PLATFORM_WXGTK_H
#define TRAILBOOK_PLATFORM_WXGTK_H

#include "platform/wx/WxSupport.h"

class wxWindow;

// Installs the compact style for the controls inside windows marked with
// MarkCompact (once per process).
void InstallCompactStyle();
// Marks a form's client window: the controls inside it take the compact style;
// the toolkit's own dialogs (input boxes, messages) keep the desktop's.
void MarkCompact(wxWindow* window);

// Puts a control's windows above (or below) those of the controls beside it,
// for the toolkit's input as well as its drawing. wxWindow::Raise moves only
// a window of its own, and most controls have none: their input goes to
// windows that they make inside their parent's.
void RaiseControl(wxWindow* control);
void LowerControl(wxWindow* control);

// The widget that has the focus inside a top-level window (kept while a menu
// or a popup list has the keyboard), or nullptr.
void* FocusWidgetOf(wxWindow* topLevel);
// Makes a combo box drop its list down as a menu (or, again, as a list box).
void DropDownAsMenu(wxWindow* combo, bool asMenu);
// Whether a control's widget is, or holds, a toolkit widget.
bool WidgetHolds(wxWindow* control, void* widget);
// Whether a menu or a popup list has the keyboard and the mouse now.
bool PopupOpen();

// Makes the focused control of a window show that it has the focus, even
// when the user last used the mouse.
void ShowFocusRing(wxWindow* topLevel);

// Lays the rows of a list box (a tree view) height pixels apart, as the
// platform's list box lays its items: no padding above and below the text
// (the style sheet takes away the space between rows).
void SetRowHeight(void* treeView, int height);

// A check box or radio button narrower than its caption shows the caption
// cut with an ellipsis, as GTK otherwise refuses (with a warning) to give it
// less room than the whole caption.
void EllipsizeCaption(wxWindow* button);
// The least width the toolkit lays a control out in (a check box's or radio
// button's indicator and an ellipsis); 0 when unknown.
int LeastWidth(wxWindow* control);

// What the desktop says about the screen (see WxSupport.h).
ScreenResolution QueryScreenResolution();
// The resolution at which the toolkit draws fonts, in its pixels (96 when unknown).
double ToolkitFontDpi();

// Makes no row of a combo box the active one, or row index again, without
// changing its text and without raising a selection event.
void SetComboActiveRow(wxWindow* combo, int index);

#endif
