#include "reports/ReportLines.h"

namespace {
constexpr size_t MaxValueChars = 99;
}

std::string_view TrimmedLine(std::string_view line) {
    size_t first = 0;
    while (first < line.size() && static_cast<unsigned char>(line[first]) <= 32) ++first;
    size_t last = line.size();
    while (last > first && static_cast<unsigned char>(line[last - 1]) <= 32) --last;
    return line.substr(first, last - first);
}

bool TakeElementValue(std::string_view trimmed, std::string_view openTag, AnsiString& value) {
    if (!LineStartsWith(trimmed, openTag)) return false;
    std::string_view text = TrimmedLine(trimmed.substr(openTag.size(), MaxValueChars));
    if (!text.empty() && text.front() == '<') return true;  // an empty element
    size_t end = text.find('<');
    value = end == std::string_view::npos ? AnsiString() : AnsiString(text.substr(0, end));
    return true;
}

AnsiString AwardNameOf(std::string_view trimmed, std::string_view tagWord) {
    size_t from = tagWord.size() + 1;  // the tag word and its blank
    if (trimmed.size() <= from) return "";
    std::string_view name = TrimmedLine(trimmed.substr(from, MaxValueChars));
    if (!name.empty()) name.remove_suffix(1);
    return AnsiString(name);
}
