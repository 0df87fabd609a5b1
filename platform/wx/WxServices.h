// The desktop's services beside its windows: printing, starting programs and
// the help viewer.
#ifndef TRAILBOOK_PLATFORM_WXSERVICES_H
#define TRAILBOOK_PLATFORM_WXSERVICES_H

#include <vector>

#include "platform/vcl/Vcl.h"

// Prints on the default printer without a dialog; EPrinter when no print
// service answers, no default printer is set up, or the job fails.
void PrintTextLines(const AnsiString& title, const TFont& font, const std::vector<AnsiString>& lines);
// Asks the print service for its default printer (EPrinter when there is none).
AnsiString DefaultPrinterName();

// Starts a program without waiting for it, its output thrown away; no shell
// reads the parameters.
bool StartProgram(const AnsiString& program, const AnsiString& parameters);

// Shows an HTML file in the one help viewer window; false when it cannot be read.
bool ShowHelpViewer(const AnsiString& path);
void CloseHelpViewer();

#endif
