// The reading rules that every report applies to the lines of a scout file:
// trimming, the element value of a report, and the walk through a section.
#ifndef TRAILBOOK_REPORTS_REPORTLINES_H
#define TRAILBOOK_REPORTS_REPORTLINES_H

#include <string>
#include <string_view>
#include <vector>

using AnsiString = std::string;

// The line without the blanks and control characters at both ends (every
// character of code 32 or less), as Trim does, without a copy.
std::string_view TrimmedLine(std::string_view line);

// The element value of a report. When the trimmed line begins with openTag
// ("<Troop>"), the line holds that element and the result is true: of the
// text after the tag (at most 99 characters, trimmed) value takes the part
// before the first "<", or "" when there is none; an empty element (the text
// begins with "<") leaves value as it was. False, value untouched, otherwise.
bool TakeElementValue(std::string_view trimmed, std::string_view openTag, AnsiString& value);

// The name of a merit badge or other award from its trimmed open tag line
// ("<Mb First Aid>"): the text after the tag word and its blank (at most 99
// characters, trimmed) without its last character, the ">".
AnsiString AwardNameOf(std::string_view trimmed, std::string_view tagWord);

// True when the trimmed line begins with prefix.
inline bool LineStartsWith(std::string_view trimmed, std::string_view prefix) {
    return trimmed.substr(0, prefix.size()) == prefix;
}

// Walks the section whose open line is lines[open]: calls each(line) for
// every following line up to the first one for which isEnd(line) is true,
// and returns that end line's index. A section that the file ends inside
// stops at the last line: the result is then lines.size().
template <class IsEnd, class Each>
size_t WalkSection(const std::vector<std::string_view>& lines, size_t open, IsEnd&& isEnd, Each&& each) {
    size_t j = open + 1;
    for (; j < lines.size(); ++j) {
        if (isEnd(lines[j])) break;
        each(lines[j]);
    }
    return j;
}

#endif
