// Figures of the real window (run it under a display, e.g. Xvfb), in the
// current folder as the data folder:
//   window_bench startup       - milliseconds from the start of main() until
//                                the main window is shown and the desktop idle
//   window_bench filter ROUNDS - Filter > All in the shown window, side by
//                                side in one run with the same rebuild on a
//                                window that has no screen side (headless)
//                                and with the read floor; min and median
//   window_bench rescale ROUNDS - the window resized from its designed size
//                                to 1260 x 870 and back, ROUNDS times each
//                                way: milliseconds per rescale (the size
//                                change with its rescale, then until the
//                                desktop is idle and painted), min and
//                                median, and how often the client area was
//                                painted per size change
//   window_bench repaints ROUNDS MOST
//                              - the same size changes, each followed by
//                                400 ms of the desktop's events, so that
//                                paints the toolkit spreads over later frames
//                                (an animation, a layout that settles late)
//                                are counted too: paints per size change, and
//                                exit status 1 when more than MOST
//   window_bench picture NAME [whole]
//                              - loads the scout NAME, whose picture
//                                NAME.jpg is shown, and paints the window:
//                                milliseconds and the growth of the peak
//                                memory in MB; with "whole" the picture is
//                                decoded at its own size, as before the
//                                picture was decoded only as large as its
//                                place needs (run each in a process of its own)
// The program's own start-up is followed step for step (app/main.cpp).
#include <sys/resource.h>

#include <thread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/Floors.h"
#include "dialogs/DatePick.h"
#include "dialogs/addnew.h"
#include "platform/wx/WxDesktop.h"
#include "records/Main.h"

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class Code>
double TimeMillis(Code&& code) {
    auto start = Clock::now();
    code();
    return Millis(Clock::now() - start);
}

void PrintFigures(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    size_t n = samples.size();
    double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    std::printf("%-28s min %9.3f ms   median %9.3f ms   (%zu runs)\n", what, samples.front(), median, n);
}

// The peak resident memory of the process so far, in MB.
double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Settle(Desktop& desktop) {
    for (int i = 0; i < 3; ++i) desktop.ProcessMessages();
}

// Runs the desktop's events for a while, not only those pending now.
void RunEventsFor(Desktop& desktop, std::chrono::milliseconds span) {
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        desktop.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto start = Clock::now();
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: window_bench startup | filter ROUNDS | rescale ROUNDS | repaints ROUNDS MOST | picture NAME "
                     "[whole]\n");
        return 2;
    }
    const bool startup = std::strcmp(argv[1], "startup") == 0;
    int status = 0;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    WxDesktop desktop(argc, argv);
    SetDesktop(&desktop);
    InitShortDateFormatFromLocale();
    InitApplication();
    Application->Initialize();
    Application->SetTitle("Trailbook");
    Application->SetHelpFile(".\\Trailbook\\TRAILBOOK.HLP");
    Application->CreateForm(Form1);
    Application->CreateForm(AddDlg);
    Application->CreateForm(DateDlg);
    Form1->Show();
    Settle(desktop);
    if (startup) {
        std::printf("%.3f\n", Millis(Clock::now() - start));
    } else if (std::strcmp(argv[1], "rescale") == 0 || std::strcmp(argv[1], "repaints") == 0) {
        const bool paintsOnly = std::strcmp(argv[1], "repaints") == 0;
        const double most = paintsOnly && argc > 3 ? std::atof(argv[3]) : 0;
        RECT designed;
        GetWindowRect(Form1->Handle(), &designed);
        const int x = static_cast<int>(designed.left), y = static_cast<int>(designed.top);
        const int w = static_cast<int>(designed.right - designed.left), h = static_cast<int>(designed.bottom - designed.top);
        std::vector<double> rescale, painted;
        unsigned long paints = 0;
        int changes = 0;
        for (int i = 0; i < rounds; ++i) {
            for (bool large : {true, false}) {
                const unsigned long before = desktop.ClientPaintCount(Form1);
                auto begin = Clock::now();
                MoveWindow(Form1->Handle(), x, y, large ? 1260 : w, large ? 870 : h, 1);
                rescale.push_back(Millis(Clock::now() - begin));
                if (paintsOnly)
                    RunEventsFor(desktop, std::chrono::milliseconds(400));
                else
                    Settle(desktop);
                painted.push_back(Millis(Clock::now() - begin));
                paints += desktop.ClientPaintCount(Form1) - before;
                ++changes;
            }
        }
        std::printf("window %dx%d <-> 1260x870, %d components\n", w, h, Form1->ComponentCount());
        PrintFigures("rescale (size change)", rescale);
        PrintFigures("rescale, painted and idle", painted);
        const double perChange = static_cast<double>(paints) / changes;
        std::printf("client area painted %.2f times per size change (%d changes)\n", perChange, changes);
        if (paintsOnly && perChange > most) {
            std::printf("more than %.2f paints per size change\n", most);
            status = 1;
        }
    } else if (std::strcmp(argv[1], "picture") == 0 && argc > 2) {
        if (argc > 3 && std::strcmp(argv[3], "whole") == 0) Form1->imageScout->Picture()->ShownSize = nullptr;
        const double before = PeakMegabytes();
        double millis = TimeMillis([&] {
            Form1->cboSCTs->SetText(argv[2]);
            Form1->cboSCTsClick(Form1->cboSCTs);
            Form1->Repaint();
            Settle(desktop);
        });
        const TPicture* picture = Form1->imageScout->Picture();
        std::printf("picture %dx%d decoded %dx%d: %.1f ms, peak memory grew %.1f MB\n", picture->Width(),
                    picture->Height(), picture->Data().Width, picture->Data().Height, millis,
                    PeakMegabytes() - before);
    } else {
        // A second main window that is never shown: the same rebuild without peers.
        auto* headless = new TForm1(Application);
        std::vector<double> shown, modelOnly, floor;
        for (int i = 0; i < rounds; ++i) {
            floor.push_back(TimeMillis([] { floors::ReadFolder("*.scout"); }));
            modelOnly.push_back(TimeMillis([&] { headless->All1Click(nullptr); }));
            shown.push_back(TimeMillis([&] {
                Form1->All1Click(nullptr);
                Settle(desktop);
            }));
        }
        std::printf("scouts listed: %d\n", Form1->cboSCTs->Items()->Count());
        PrintFigures("Filter > All, real window", shown);
        PrintFigures("Filter > All, headless", modelOnly);
        PrintFigures("read floor", floor);
    }
    Form1->Close();
    DoneApplication();
    SetDesktop(nullptr);
    return status;
}
