#include "records/LineReader.h"

#include "platform/core/Files.h"

std::vector<AnsiString> SplitKeptLines(const std::string& bytes, LineKind kind, int* firstLostLine) {
    std::vector<AnsiString> lines;
    ForEachKeptLine(bytes, kind, [&lines](std::string_view line) { lines.emplace_back(line); }, firstLostLine);
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
