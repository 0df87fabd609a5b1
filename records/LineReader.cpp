#include "records/LineReader.h"

#include <algorithm>

#include "platform/core/Files.h"

bool EndsLineText(unsigned char b, LineKind kind) {
    if (b < 32) return !(b == 30 || (b == 9 && kind == LineKind::Scout));
    if (b >= 128) return true;
    return b == '|' && kind == LineKind::Scout;
}

std::vector<AnsiString> SplitKeptLines(const std::string& bytes, LineKind kind) {
    std::vector<AnsiString> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        size_t limit = std::min(end, start + MaxLineChars);
        size_t cut = start;
        while (cut < limit && !EndsLineText(static_cast<unsigned char>(bytes[cut]), kind)) ++cut;
        if (cut > start) lines.emplace_back(bytes, start, cut - start);
        start = end + 1;
    }
    return lines;
}

bool ReadKeptLines(const AnsiString& fileName, LineKind kind, std::vector<AnsiString>& lines) {
    std::string bytes;
    lines.clear();
    if (!ReadWholeFile(fileName, bytes)) return false;
    lines = SplitKeptLines(bytes, kind);
    return true;
}

std::vector<AnsiString> ReadKeptLines(const AnsiString& fileName, LineKind kind) {
    std::vector<AnsiString> lines;
    ReadKeptLines(fileName, kind, lines);
    return lines;
}
