#include "bench/BenchWindow.h"

#include <stdlib.h>

#include "dialogs/DatePick.h"
#include "dialogs/addnew.h"

BenchWindow::BenchWindow(bool openNow) {
    char pattern[] = "/tmp/trailbook-bench-XXXXXX";
    folder_ = mkdtemp(pattern);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    SetDesktop(&desktop_);
    InitApplication();
    SetShortDateFormat("MM/dd/yyyy");
    if (openNow) Open();
}

void BenchWindow::Open() {
    if (open_) return;
    open_ = true;
    // The three forms of the program, in its order.
    Application->CreateForm(Form1);
    Application->CreateForm(AddDlg);
    Application->CreateForm(DateDlg);
}

BenchWindow::~BenchWindow() {
    DoneApplication();
    SetDesktop(nullptr);
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
}
