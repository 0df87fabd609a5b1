// The entry point: the desktop, the application object and its three forms,
// then the message loop until the main window closes.
#include <cstdio>

#include "dialogs/DatePick.h"
#include "dialogs/addnew.h"
#include "platform/wx/WxDesktop.h"
#include "records/Main.h"

int main(int argc, char** argv) {
    try {
        WxDesktop desktop(argc, argv);
        SetDesktop(&desktop);
        InitShortDateFormatFromLocale();
        InitApplication();
        try {
            Application->Initialize();
            Application->SetTitle("Trailbook");
            Application->SetHelpFile(".\\Trailbook\\TRAILBOOK.HLP");
            Application->CreateForm(Form1);
            Application->CreateForm(AddDlg);
            Application->CreateForm(DateDlg);
            Application->Run();
        } catch (const Exception& e) {
            Application->ShowException(e);
        } catch (...) {
            Application->ShowException(Exception(""));
        }
        DoneApplication();
        SetDesktop(nullptr);
    } catch (const Exception& e) {
        // No desktop to show it on (no display).
        std::fprintf(stderr, "trailbook: %s\n", e.what());
        return 1;
    }
    return 0;
}
