// Speed of meeting attendance over a generated troop, each side by side with
// its floor (Floors.h): opening the attendance grid against reading every
// listed scout's file, and Save and Close (every file rewritten, synced and
// renamed) against reading each file and writing the same bytes back with
// the program's safe write.
#include <benchmark/benchmark.h>

#include "bench/BenchWindow.h"
#include "bench/Floors.h"
#include "bench/GeneratedTroop.h"

namespace {

// A troop whose listed scouts all hold an <Attend> section, as after the
// first Save and Close; the window shows the attendance grid.
class AttendanceTroop {
public:
    explicit AttendanceTroop(int count) {
        generated::WriteTroop(count);
        f_->RefreshScoutList(0);
        Open();
        f_->gridAttend->SetCells(1, 1, "X");
        f_->Button10Click(nullptr);
        for (const AnsiString& name : f_->cboSCTs->Items()->Lines()) files_.push_back(name + ".scout");
    }
    void Open() {
        window_.Desktop().QueueInput(AnsiString("3"));
        f_->Attendance1Click(nullptr);
    }
    TForm1* Window() const { return f_; }
    const std::vector<AnsiString>& Files() const { return files_; }

private:
    BenchWindow window_;
    TForm1* f_ = window_.Window();
    std::vector<AnsiString> files_;
};

void BM_AttendanceOpen(benchmark::State& state) {
    AttendanceTroop troop(static_cast<int>(state.range(0)));
    TForm1* f = troop.Window();
    SideBySide side(state);
    for (auto _ : state) {
        side.Round([&] { troop.Open(); }, [&] { floors::ReadFiles(troop.Files()); });
        f->btnCloseAttendanceClick(nullptr);
    }
    state.counters["scouts"] = static_cast<double>(troop.Files().size());
}
BENCHMARK(BM_AttendanceOpen)->Arg(300)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_AttendanceSaveAndClose(benchmark::State& state) {
    AttendanceTroop troop(static_cast<int>(state.range(0)));
    TForm1* f = troop.Window();
    std::string bytes;
    auto readAndWrite = [&] {
        for (const AnsiString& file : troop.Files()) {
            ReadWholeFile(file, bytes);
            floors::Write(file, bytes);
        }
    };
    SideBySide side(state);
    for (auto _ : state) {
        troop.Open();
        side.Round([&] { f->Button10Click(nullptr); }, readAndWrite);
    }
    state.counters["scouts"] = static_cast<double>(troop.Files().size());
}
BENCHMARK(BM_AttendanceSaveAndClose)->Arg(300)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
