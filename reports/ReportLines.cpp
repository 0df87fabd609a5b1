#include "reports/ReportLines.h"

namespace {
constexpr size_t MaxValueChars = 99;
}  // namespace

bool TakeElementValue(std::string_view trimmed, std::string_view openTag, AnsiString& value) {
    if (!LineStartsWith(trimmed, openTag)) return false;
    std::string_view text = TrimView(trimmed.substr(openTag.size(), MaxValueChars));
    if (!text.empty() && text.front() == '<') return true;  // an empty element
    size_t end = text.find('<');
    value = end == std::string_view::npos ? AnsiString() : AnsiString(text.substr(0, end));
    return true;
}

AnsiString AwardNameOf(std::string_view trimmed, std::string_view tagWord) {
    size_t from = tagWord.size() + 1;  // the tag word and its blank
    if (trimmed.size() <= from) return "";
    std::string_view name = TrimView(trimmed.substr(from, MaxValueChars));
    if (!name.empty()) name.remove_suffix(1);
    return AnsiString(name);
}

bool HoldsCompletedDate(std::string_view trimmed) {
    constexpr std::string_view tag = "<Completed>";
    if (!LineStartsWith(trimmed, tag)) return false;
    std::string_view text = TrimView(trimmed.substr(tag.size(), MaxValueChars));
    return text.empty() || text.front() != '<';
}
