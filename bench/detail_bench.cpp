// Speed of Reports > Scout Detail on a scout of about 2,000 lines (save,
// report, reload), side by side with loading that scout.
#include <benchmark/benchmark.h>

#include "bench/BenchWindow.h"
#include "bench/Floors.h"
#include "bench/GeneratedTroop.h"

namespace {

void BM_ScoutDetailLargeScout(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    const AnsiString name = generated::WriteLargeScout();
    auto load = [&] {
        f->cboSCTs->SetText(name);
        f->cboSCTsClick(f->cboSCTs);
    };
    SideBySide side(state);
    for (auto _ : state) {
        f->ClearScoutForm();
        side.Round([&] { f->ScoutDetail1Click(nullptr); }, load);
    }
    if (f->CurrentScout != name || f->lbRpt->Items()->Count() < 30) state.SkipWithError("no report");
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
    state.counters["report_lines"] = f->lbRpt->Items()->Count();
}
BENCHMARK(BM_ScoutDetailLargeScout)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
