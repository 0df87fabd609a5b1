// The reading rules that every report applies to the lines of a scout file:
// trimming, the element value of a report, and the walk through a section.
#ifndef TRAILBOOK_REPORTS_REPORTLINES_H
#define TRAILBOOK_REPORTS_REPORTLINES_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Strings.h"
#include "records/LineReader.h"
#include "records/Main.h"

using AnsiString = std::string;

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

// A trimmed line that begins with a tag whose name begins with a capital
// letter ("<Scout>", "</Mb Camping>"): every line a list report looks at,
// except the entries of the positions list.
inline bool IsCapitalTagLine(std::string_view trimmed) {
    size_t letter = trimmed.size() > 1 && trimmed[1] == '/' ? 2 : 1;
    return trimmed.size() > letter && trimmed[0] == '<' && trimmed[letter] >= 'A' && trimmed[letter] <= 'Z';
}

// Calls each(trimmed) for every kept line of a scout file's bytes (the line
// reader's rule) whose trimmed text passes IsCapitalTagLine, in order. Most
// lines of a scout file are requirement blocks, whose tags are in small
// letters: only the lines that hold "<" or "/" before a capital letter are
// read, so a report reads a file at about the speed of the read itself.
template <class Each>
void ForEachCapitalTagLine(std::string_view bytes, Each&& each) {
    auto beforeCapital = [](unsigned char b, unsigned char next) {
        return ((b == '<') | (b == '/')) & (static_cast<unsigned char>(next - 'A') < 26);
    };
    for (size_t at = FindPair(bytes, 0, beforeCapital); at < bytes.size();) {
        const size_t start = LineStart(bytes, at), end = LineEnd(bytes, at);
        std::string_view trimmed = TrimView(KeptText(bytes.substr(start, end - start), LineKind::Scout));
        if (IsCapitalTagLine(trimmed)) each(trimmed);
        at = end < bytes.size() ? FindPair(bytes, NextLineStart(bytes, end), beforeCapital) : bytes.size();
    }
}

// The six ranks that count as a scout's rank, level 1 (Tenderfoot) to 6
// (Eagle): the open line of the rank's section, the start of its end line,
// and the rank's name. The palms never count.
struct ReportRank {
    std::string_view openLine, endMark;
    const char* name;
};
inline constexpr ReportRank ReportRanks[] = {
    {"<Tenderfoot>", "</Te", "Tenderfoot"}, {"<Secondclass>", "</Se", "Second Class"},
    {"<Firstclass>", "</Fi", "First Class"}, {"<Star>", "</St", "Star"},
    {"<Life>", "</Li", "Life"},              {"<Eagle>", "</Ea", "Eagle"},
};

// A trimmed <Completed> line that holds a date: the text after the tag does
// not begin with "<" (an empty element is "<Completed></Completed>").
bool HoldsCompletedDate(std::string_view trimmed);

// True when the trimmed line begins with prefix.
inline bool LineStartsWith(std::string_view trimmed, std::string_view prefix) {
    return trimmed.substr(0, prefix.size()) == prefix;
}

// Walks the section whose open line is lines[open]: calls each(line) for
// every following line up to the first one for which isEnd(line) is true,
// and returns the index of the section's last line, its end line. A section
// without its end line ends before the next line that opens a section
// (TForm1::IsSectionOpenTag), or at the file's last line.
template <class IsEnd, class Each>
size_t WalkSection(const std::vector<std::string_view>& lines, size_t open, IsEnd&& isEnd, Each&& each) {
    for (size_t j = open + 1; j < lines.size(); ++j) {
        if (isEnd(lines[j])) return j;
        if (TForm1::IsSectionOpenTag(lines[j])) return j - 1;
        each(lines[j]);
    }
    return lines.size() - 1;
}

#endif
