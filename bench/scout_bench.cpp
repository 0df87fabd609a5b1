// Speed of the scout model against its floors (Floors.h), each measured side
// by side with what it bounds: the scout-list rebuild over a generated troop,
// the load and the save of a scout of about 2,000 lines, a section's
// extraction and store on that scout, and paging its requirement sheet.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/BenchWindow.h"
#include "bench/Floors.h"
#include "bench/GeneratedTroop.h"

namespace {

// The rebuild over a troop of state.range(0) generated scouts, against
// listing the folder and reading each scout file.
void BM_ScoutListRebuild(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    generated::WriteTroop(static_cast<int>(state.range(0)));
    SideBySide side(state);
    for (auto _ : state) side.Round([&] { f->RefreshScoutList(0); }, [] { floors::ReadFolder("*.scout"); });
    state.counters["listed"] = f->cboSCTs->Items()->Count();
}
BENCHMARK(BM_ScoutListRebuild)->Arg(300)->Arg(3000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Picking a scout of about 2,000 lines in the scout list (the whole handler,
// with no scout loaded before), against reading its scout and notes files.
void BM_LoadLargeScout(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    const AnsiString name = generated::WriteLargeScout();
    SideBySide side(state);
    for (auto _ : state) {
        f->ClearScoutForm();
        side.Round(
            [&] {
                f->cboSCTs->SetText(name);
                f->cboSCTsClick(f->cboSCTs);
            },
            [&] { floors::ReadFiles({name + ".scout", name + ".nts"}); });
    }
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
}
BENCHMARK(BM_LoadLargeScout)->UseManualTime()->Unit(benchmark::kMicrosecond);

// File > Save of that scout, against the safe write of the same two files' bytes.
void BM_SaveLargeScout(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    const AnsiString name = generated::WriteLargeScout();
    f->cboSCTs->SetText(name);
    f->cboSCTsClick(f->cboSCTs);
    f->Save1Click(nullptr);
    std::string scoutBytes, notesBytes;
    ReadWholeFile(name + ".scout", scoutBytes);
    ReadWholeFile(name + ".nts", notesBytes);
    SideBySide side(state);
    int round = 0;
    for (auto _ : state) {
        // A save of an unchanged scout writes nothing: change both files each round.
        TStrings* notes = f->memoNotes->Lines();
        if (++round % 2) {
            f->editPatrol->SetText("Owls");
            notes->Add("one more line");
        } else {
            f->editPatrol->SetText("Foxes");
            notes->Delete(notes->Count() - 1);
        }
        side.Round([&] { f->Save1Click(nullptr); },
                   [&] {
                       floors::Write("floor.scout", scoutBytes);
                       floors::Write("floor.nts", notesBytes);
                   });
    }
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
}
BENCHMARK(BM_SaveLargeScout)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_ExtractSection(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    const AnsiString name = generated::WriteLargeScout();
    f->cboSCTs->SetText(name);
    f->cboSCTsClick(f->cboSCTs);
    const AnsiString section = "Mb " + generated::MeritBadgeNames()[10];
    for (auto _ : state) {
        f->ExtractSection(section);
        benchmark::DoNotOptimize(f->slavelist->Items()->Count());
    }
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
}
BENCHMARK(BM_ExtractSection)->Unit(benchmark::kMicrosecond);

void BM_StoreSection(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    const AnsiString name = generated::WriteLargeScout();
    f->cboSCTs->SetText(name);
    f->cboSCTsClick(f->cboSCTs);
    const AnsiString badge = generated::MeritBadgeNames()[10];
    f->ExtractSection("Mb " + badge);
    for (auto _ : state) f->StoreSection(badge + "*Mb");
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
}
BENCHMARK(BM_StoreSection)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// Paging through the Eagle sheet of a large scout with a catalog of 150
// requirements: one click down and one up per round. The counter rows_filled
// is how many row date fields took a new text per click.
void BM_PageSheet(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    const AnsiString name = generated::WriteLargeScout();
    std::string catalog = "01/01/2020\n";
    for (int i = 1; i <= 150; ++i)
        catalog += std::to_string(i) + "\x1e" + "short " + std::to_string(i) + "\x1e" + "full " + std::to_string(i) + "\n";
    WriteWholeFile("Eagle.Rank", catalog);
    f->cboSCTs->SetText(name);
    f->cboSCTsClick(f->cboSCTs);
    f->Label9Click(nullptr);
    for (int i = 1; i <= 150; ++i) std::snprintf(f->ReqDate[i], sizeof f->ReqDate[i], "%d", i);  // each row changes
    long filled = 0;
    for (int r = 0; r < 11; ++r) f->RowDateEdit[r]->OnChange = [&filled](TObject*) { ++filled; };
    long clicks = 0;
    for (auto _ : state) {
        f->bbDownClick(nullptr);
        f->bbUpClick(nullptr);
        clicks += 2;
    }
    state.counters["rows_filled_per_click"] = static_cast<double>(filled) / static_cast<double>(clicks);
}
BENCHMARK(BM_PageSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
