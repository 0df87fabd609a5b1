#include "bench/Floors.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "platform/core/Files.h"

namespace floors {
namespace {

size_t ReadOne(const AnsiString& name) {
    static std::vector<char> buffer(1 << 20);  // one buffer for every file
    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    size_t total = 0;
    for (;;) {
        ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n <= 0) break;
        total += static_cast<size_t>(n);
    }
    ::close(fd);
    return total;
}

}  // namespace

size_t ReadFolder(const AnsiString& mask) { return ReadFiles(ListFiles(mask)); }

size_t ReadFiles(const std::vector<AnsiString>& names) {
    size_t total = 0;
    for (const AnsiString& name : names) total += ReadOne(name);
    benchmark::DoNotOptimize(total);
    return total;
}

void Write(const AnsiString& fileName, const std::string& bytes) { WriteWholeFile(fileName, bytes); }

}  // namespace floors

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

void SideBySide::Report() {
    if (subject_.empty()) return;
    const double us = 1e6;
    double subjectMin = *std::min_element(subject_.begin(), subject_.end());
    double floorMin = *std::min_element(floor_.begin(), floor_.end());
    double subjectMedian = Median(subject_), floorMedian = Median(floor_);
    state_.counters["min_us"] = subjectMin * us;
    state_.counters["median_us"] = subjectMedian * us;
    state_.counters["floor_min_us"] = floorMin * us;
    state_.counters["floor_median_us"] = floorMedian * us;
    state_.counters["ratio_min"] = floorMin > 0 ? subjectMin / floorMin : 0;
    state_.counters["ratio_median"] = floorMedian > 0 ? subjectMedian / floorMedian : 0;
}
