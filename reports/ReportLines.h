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

// Bit k tells whether bytes[from + k] (k below 64, within bytes) is a "<"
// followed by a capital letter, or by "/" and a capital letter.
uint64_t CapitalTagMask(std::string_view bytes, size_t from);

// From a place in a scout file's line: where the line ends (its line feed
// or carriage return, or the end of bytes) and where its text ends by the line reader's rule
// (end, or an earlier byte that ends the text).
inline void FindLineEnd(std::string_view bytes, size_t from, size_t& end, size_t& cut) {
    end = cut = bytes.size();
    for (size_t block = from; block < bytes.size(); block += 64) {
        for (uint64_t mask = SpecialByteMask(bytes, block); mask != 0; mask &= mask - 1) {
            size_t i = block + static_cast<size_t>(std::countr_zero(mask));
            unsigned char b = static_cast<unsigned char>(bytes[i]);
            if (b == '\n' || b == '\r') {
                end = i;
                cut = std::min(cut, i);
                return;
            }
            if (cut == bytes.size() && EndsLineText(b, LineKind::Scout)) cut = i;
        }
    }
}

// Calls each(trimmed) for every kept line of a scout file's bytes (the line
// reader's rule) whose trimmed text passes IsCapitalTagLine, in order. Most
// lines of a scout file are requirement blocks, whose tags are in small
// letters: only the places where a capital tag begins are looked at, so a
// report reads a file at about the speed of the read itself.
template <class Each>
void ForEachCapitalTagLine(std::string_view bytes, Each&& each) {
    const size_t size = bytes.size();
    size_t lineEnd = 0;  // the end of the last line given; later tags on it are not at a line's start
    for (size_t block = 0; block < size; block += 64) {
        for (uint64_t mask = CapitalTagMask(bytes, block); mask != 0; mask &= mask - 1) {
            size_t tag = block + static_cast<size_t>(std::countr_zero(mask));
            if (tag < lineEnd) continue;
            // Only blanks, TABs and code 30 (kept, then trimmed) may stand before it on its line.
            size_t start = tag;
            while (start > 0 && (bytes[start - 1] == ' ' || bytes[start - 1] == '\t' || bytes[start - 1] == 30)) --start;
            if ((start > 0 && bytes[start - 1] != '\n' && bytes[start - 1] != '\r') || tag - start >= static_cast<size_t>(MaxLineChars)) continue;
            size_t end = size, cut = size;
            FindLineEnd(bytes, tag, end, cut);
            cut = std::min(cut, start + MaxLineChars);
            while (cut > tag && static_cast<unsigned char>(bytes[cut - 1]) <= 32) --cut;
            std::string_view line = bytes.substr(tag, cut - tag);
            if (IsCapitalTagLine(line)) each(line);
            lineEnd = end;
        }
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
