// Decisions of the desktop that do not need a display: the abbreviated
// language name of a locale, the command line that starts a program or the
// text editor, and the pagination of printed lines.
#ifndef TRAILBOOK_PLATFORM_WXSUPPORT_H
#define TRAILBOOK_PLATFORM_WXSUPPORT_H

#include <functional>
#include <string>
#include <vector>

using AnsiString = std::string;

// "ENU" for "en_US.UTF-8", "DEU" for "de_DE", "JPN" for "ja" ...; "ENU" for
// anything not in the table (C, POSIX, empty).
AnsiString LanguageAbbreviation(const AnsiString& localeName);

// The locale name the user runs under: LC_ALL, else LC_MESSAGES, else LANG.
AnsiString UserLocaleName();

// Splits a parameter string into arguments at blanks; double quotes group.
std::vector<AnsiString> SplitArguments(const AnsiString& parameters);

// True for the platform's plain-text editor, "Notepad.exe" or "notepad" in any case.
bool IsNotepad(const AnsiString& program);

// What the desktop offers to start the plain-text editor.
struct EditorChoices {
    AnsiString desktopEntry;                         // xdg-mime's default for text/plain, or ""
    AnsiString visual, editor;                       // $VISUAL and $EDITOR
    std::function<bool(const AnsiString&)> onPath;   // whether a program can be found
    bool openerFailed = false;                       // xdg-open ran and could not open the file
};

// The command line that runs program with parameters, Notepad standing for the
// desktop's text editor: xdg-open with a file; without one, or when xdg-open is
// missing or failed, the text/plain application, $VISUAL/$EDITOR or a known
// editor, given the file if there is one. Empty when nothing can run it.
std::vector<AnsiString> CommandLineFor(const AnsiString& program, const AnsiString& parameters,
                                       const EditorChoices& choices);

// What the desktop says about the screen; 0 where it cannot tell.
struct ScreenResolution {
    double fontDpi = 0;   // the desktop's font resolution, in the toolkit's pixels
    int widthPixels = 0;  // the screen's width in the toolkit's pixels
    int widthMm = 0;      // and in millimetres, as the X server gives it
    int scale = 1;        // device pixels per toolkit pixel (GDK_SCALE)
};

// The screen's pixels per inch, in the toolkit's pixels. When the desktop
// scales everything (GDK_SCALE), its font resolution, which it gives in its
// scaled pixels; else a font resolution that the user set (one other than
// the default 96); else the X server's, from the screen's size in pixels and
// millimetres; else 96. An answer outside 48..480 is taken for a wrong one.
int ScreenPixelsPerInch(const ScreenResolution& screen);

// The point size at which the toolkit, drawing fonts at fontDpi (96 when
// unknown), gives a font the height of pixels.
double FontPointsForPixels(int pixels, double fontDpi);

// How many pages lines take when perPage fit on one (at least one page).
int PageCount(int lines, int perPage);

#endif
