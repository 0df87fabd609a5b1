// Speed of the scout model: extracting and storing a section and a whole
// save on a scout of 2,000 lines, and the scout-list rebuild over 300 scouts
// against a plain read of the same files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "dialogs/DatePick.h"
#include "dialogs/addnew.h"
#include "platform/scripted/ScriptedDesktop.h"
#include "records/Main.h"

namespace {

// A data folder of its own, the application on a scripted desktop, and the main window.
class BenchWindow {
public:
    BenchWindow() {
        char pattern[] = "/tmp/trailbook-bench-XXXXXX";
        folder_ = mkdtemp(pattern);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
        SetDesktop(&desktop_);
        InitApplication();
        SetShortDateFormat("MM/dd/yyyy");
        Application->CreateForm(Form1);
    }
    ~BenchWindow() {
        DoneApplication();
        SetDesktop(nullptr);
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }
    TForm1* Window() const { return Form1; }

private:
    ScriptedDesktop desktop_;
    std::filesystem::path folder_, previous_;
};

// A scout file of about `lines` lines: the personal section, the ranks and
// enough merit badges of 20 requirements each.
std::string ScoutText(int lines, const char* birthdate) {
    std::string text = "01/01/2025\n<Scout>\n   <Updated>01/01/2025</Updated>\n   <Patrol>Foxes</Patrol>\n"
                       "   <Nickname></Nickname>\n   <Birthdate>" + std::string(birthdate) + "</Birthdate>\n</Scout>\n";
    int count = 8;
    for (int badge = 0; count < lines; ++badge) {
        std::string tag = "Mb Badge " + std::to_string(badge);
        text += "<" + tag + ">\n   <Updated>01/01/2025</Updated>\n   <Started>01/01/2025</Started>\n";
        count += 4;
        for (int req = 1; req <= 20 && count < lines; ++req, count += 5)
            text += "   <req>\n      <reqnbr>" + std::to_string(req) +
                    "</reqnbr>\n      <reqdate>02/02/2025</reqdate>\n      <reqcs>J. Hayes</reqcs>\n   </req>\n";
        text += "</" + tag + ">\n";
    }
    return text;
}

void LoadBigScout(TForm1* f) {
    WriteWholeFile("Big.scout", ScoutText(2000, "05/05/2013"));
    f->cboSCTs->SetText("Big");
    f->cboSCTsClick(f->cboSCTs);
}

void BM_ExtractSection(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    LoadBigScout(f);
    for (auto _ : state) {
        f->ExtractSection("Mb Badge 10");
        benchmark::DoNotOptimize(f->slavelist->Items()->Count());
    }
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
}
BENCHMARK(BM_ExtractSection)->Unit(benchmark::kMicrosecond);

void BM_StoreSection(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    LoadBigScout(f);
    f->ExtractSection("Mb Badge 10");
    for (auto _ : state) f->StoreSection("Badge 10*Mb");
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
}
BENCHMARK(BM_StoreSection)->Unit(benchmark::kMicrosecond);

void BM_FullSave(benchmark::State& state) {
    BenchWindow window;
    TForm1* f = window.Window();
    LoadBigScout(f);
    for (auto _ : state) f->Save1Click(nullptr);
    state.counters["scout_lines"] = f->masterlist->Items()->Count();
}
BENCHMARK(BM_FullSave)->Unit(benchmark::kMicrosecond);

// The rebuild over 300 scouts, and in the same run a plain read of the same
// files into memory; the counter ratio is rebuild time / plain read time.
void BM_ScoutListRebuild(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    BenchWindow window;
    TForm1* f = window.Window();
    const char* births[] = {"05/05/2015", "05/05/2013", "05/05/2011", "05/05/2009"};
    for (int i = 0; i < 300; ++i)
        WriteWholeFile("Scout " + std::to_string(i) + ".scout", ScoutText(150, births[i % 4]));
    const std::vector<AnsiString> names = ListFiles("*.scout");

    auto plainRead = [&] {
        std::string bytes;
        size_t total = 0;
        for (const AnsiString& name : ListFiles("*.scout")) {
            ReadWholeFile(name, bytes);
            total += bytes.size();
        }
        benchmark::DoNotOptimize(total);
    };
    Clock::duration plain{}, rebuild{};
    long rounds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        f->RefreshScoutList(0);
        auto middle = Clock::now();
        state.PauseTiming();
        plainRead();
        plain += Clock::now() - middle;
        state.ResumeTiming();
        rebuild += middle - start;
        ++rounds;
    }
    auto micros = [&](Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count() / double(rounds); };
    state.counters["scouts"] = static_cast<double>(f->cboSCTs->Items()->Count());
    state.counters["plain_read_us"] = micros(plain);
    state.counters["rebuild_us"] = micros(rebuild);
    state.counters["ratio"] = micros(rebuild) / micros(plain);
}
BENCHMARK(BM_ScoutListRebuild)->Unit(benchmark::kMicrosecond);

}  // namespace
