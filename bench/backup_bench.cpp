// Speed of File > Backup on a generated troop of 300 scouts with their notes,
// the catalogs, the counselor list and the general notes, side by side with
// cp of the same files into an empty folder.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/wait.h>

#include <filesystem>

#include "bench/BenchWindow.h"
#include "bench/Floors.h"
#include "bench/GeneratedTroop.h"

extern char** environ;

namespace {

// Runs a program with its arguments and waits for it; true when it exits with 0.
bool Run(const std::vector<AnsiString>& command) {
    std::vector<char*> argv;
    for (const AnsiString& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_BackupTroop(benchmark::State& state) {
    namespace fs = std::filesystem;
    BenchWindow window;
    TForm1* f = window.Window();
    generated::WriteTroop(static_cast<int>(state.range(0)));
    generated::WriteCatalogs();
    WriteWholeFile("Counselors.txt", "Camping|Hayes|John|12 Elm St|Springfield|555-0100|555-0101|j@x.org|\r\n");
    WriteWholeFile("GeneralNotes.txt", "General Notes");
    WriteWholeFile("Ben Carter.jpg", std::string(20000, 'j'));  // pictures are not copied

    // The files a backup copies, as the first backup leaves them, for cp.
    f->Backup1Click(nullptr);
    std::vector<AnsiString> cp{"cp"};
    for (const AnsiString& name : ListEntries("TBKP")) cp.push_back(name);
    const size_t files = cp.size() - 1;
    cp.push_back("cpcopy");

    SideBySide side(state);
    bool backupFirst = false;
    for (auto _ : state) {
        fs::remove_all("TBKP");
        fs::remove_all("cpcopy");
        fs::create_directory("cpcopy");
        ::sync();
        // Each side starts with nothing left to write back from the other,
        // and each goes first in every other round.
        side.Round([&] { f->Backup1Click(nullptr); },
                   [&] {
                       if (!Run(cp)) state.SkipWithError("cp failed");
                   },
                   [] { ::sync(); }, backupFirst = !backupFirst);
    }
    if (window.Desktop().Messages.back() != "Backed Up!") state.SkipWithError("the backup failed");
    state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_BackupTroop)->Arg(300)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
