// Speed of the list reports over a generated troop of 300 and 3,000 scouts,
// each built headless and measured side by side with a plain read of the
// listed scouts' files (Floors.h).
#include <benchmark/benchmark.h>

#include "bench/BenchWindow.h"
#include "bench/Floors.h"
#include "bench/GeneratedTroop.h"

namespace {

// Runs the report of the menu item over a troop of state.range(0) scouts;
// answer, when not empty, answers its sort question.
void RunReport(benchmark::State& state, TMenuItem* TForm1::*item, const char* answer) {
    BenchWindow window;
    TForm1* f = window.Window();
    generated::WriteTroop(static_cast<int>(state.range(0)));
    f->RefreshScoutList(0);
    std::vector<AnsiString> files;
    for (const AnsiString& name : f->cboSCTs->Items()->Lines()) files.push_back(name + ".scout");
    SideBySide side(state);
    for (auto _ : state) {
        side.Round(
            [&] {
                if (*answer) window.Desktop().QueueInput(AnsiString(answer));
                UserInput::ClickMenu(f->*item);
            },
            [&] { floors::ReadFiles(files); });
    }
    state.counters["scouts"] = static_cast<double>(files.size());
    state.counters["lines"] = f->lbRpt->Items()->Count();
}

void BM_TroopList(benchmark::State& state) { RunReport(state, &TForm1::TroopList1, ""); }
void BM_PatrolLists(benchmark::State& state) { RunReport(state, &TForm1::PatrolLists1, ""); }
void BM_MeritBadgesStarted(benchmark::State& state) { RunReport(state, &TForm1::MeritBadgesStarted1, "S"); }
void BM_MeritBadgesEarned(benchmark::State& state) { RunReport(state, &TForm1::AllMeritBadgesEarned2, "B"); }
void BM_RankList(benchmark::State& state) { RunReport(state, &TForm1::AllMeritBadgesEarned1, "R"); }
void BM_PositionsHeld(benchmark::State& state) { RunReport(state, &TForm1::PositionsReport1, ""); }
void BM_WaitingToAward(benchmark::State& state) { RunReport(state, &TForm1::WaitingtoAward1, ""); }

#define REPORT_BENCHMARK(name) \
    BENCHMARK(name)->Arg(300)->Arg(3000)->UseManualTime()->Unit(benchmark::kMillisecond)
REPORT_BENCHMARK(BM_TroopList);
REPORT_BENCHMARK(BM_PatrolLists);
REPORT_BENCHMARK(BM_MeritBadgesStarted);
REPORT_BENCHMARK(BM_MeritBadgesEarned);
REPORT_BENCHMARK(BM_RankList);
REPORT_BENCHMARK(BM_PositionsHeld);
REPORT_BENCHMARK(BM_WaitingToAward);

}  // namespace
