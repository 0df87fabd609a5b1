// The setting of a benchmark that drives the main window: a fresh temporary
// data folder as the current directory, the application on a scripted
// desktop, the short date format MM/dd/yyyy, and the program's three forms
// created as the program creates them (the main window's creation handler
// fills the scout list).
// Fill the folder (see GeneratedTroop.h) before Open() to measure a start-up
// on it, or after it and rebuild the list.
#ifndef TRAILBOOK_BENCH_BENCHWINDOW_H
#define TRAILBOOK_BENCH_BENCHWINDOW_H

#include <filesystem>

#include "platform/scripted/ScriptedDesktop.h"
#include "records/Main.h"

class BenchWindow {
public:
    // Makes the folder current and starts the application; the window is
    // created at once unless openNow is false (then call Open()).
    explicit BenchWindow(bool openNow = true);
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    // Creates the main window, then the pick and date dialogs (once).
    void Open();
    TForm1* Window() const { return Form1; }
    ScriptedDesktop& Desktop() { return desktop_; }
    const std::filesystem::path& Folder() const { return folder_; }

private:
    ScriptedDesktop desktop_;
    std::filesystem::path folder_, previous_;
    bool open_ = false;
};

#endif
