// The floors the benchmarks measure against, and the timing of a subject side
// by side with its floor in one run.
//
// Read floor: list the folder once with the platform's enumeration, then for
// each file open it, read() it into one reused buffer and close it; nothing
// else. No reader of the program can do less for the same files.
// Write floor: the program's own safe write of the same bytes (temporary file,
// write, fsync, rename, folder fsync).
#ifndef TRAILBOOK_BENCH_FLOORS_H
#define TRAILBOOK_BENCH_FLOORS_H

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

using AnsiString = std::string;

namespace floors {

// Lists the data folder's files matching mask once, then reads each; returns
// the bytes read.
size_t ReadFolder(const AnsiString& mask);
// Reads the named files, without listing; returns the bytes read.
size_t ReadFiles(const std::vector<AnsiString>& names);
// The program's safe write of bytes to fileName.
void Write(const AnsiString& fileName, const std::string& bytes);

}  // namespace floors

// Times a subject and its floor alternately, once each per benchmark
// iteration, and reports as counters the minimum and the median of each (in
// microseconds) and the ratios min/min and median/median. The benchmark's own
// time is the subject's (register it with ->UseManualTime()).
class SideBySide {
public:
    explicit SideBySide(benchmark::State& state) : state_(state) {}
    ~SideBySide() { Report(); }
    SideBySide(const SideBySide&) = delete;
    SideBySide& operator=(const SideBySide&) = delete;

    template <class Subject, class Floor>
    void Round(Subject&& subject, Floor&& floor) {
        Round(subject, floor, [] {});
    }
    // The same, with between() run untimed between the two (to let the second
    // start from the state the first started from), and the subject first
    // when subjectFirst is true (alternating it shares what the first leaves
    // behind for the second, such as the file system's bookkeeping).
    template <class Subject, class Floor, class Between>
    void Round(Subject&& subject, Floor&& floor, Between&& between, bool subjectFirst = false) {
        double seconds = 0;
        if (subjectFirst) {
            seconds = Time(subject);
            between();
            floor_.push_back(Time(floor));
        } else {
            floor_.push_back(Time(floor));
            between();
            seconds = Time(subject);
        }
        subject_.push_back(seconds);
        state_.SetIterationTime(seconds);
    }

private:
    template <class Code>
    static double Time(Code& code) {
        auto start = std::chrono::steady_clock::now();
        code();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    void Report();

    benchmark::State& state_;
    std::vector<double> subject_, floor_;
};

#endif
