// The line reader shared by the scout file and the requirement catalogs.
// A file is read as bytes, line by line: a line feed, a carriage return and
// the pair of both each end a line. A line keeps at most MaxLineChars
// characters (the rest of a longer line is dropped and the reading goes on
// with the next line), its text ends at the first byte that the file's kind
// does not allow, and lines that are empty after that cut are skipped.
#ifndef TRAILBOOK_RECORDS_LINEREADER_H
#define TRAILBOOK_RECORDS_LINEREADER_H

#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "records/ByteScan.h"

using AnsiString = std::string;

constexpr int MaxLineChars = 3998;

enum class LineKind {
    Scout,    // a scout file: "|" ends a line's text, TAB is kept
    Catalog,  // a requirement catalog: TAB ends a line's text, "|" is kept
};

// True when byte b ends the text of a line of that kind: 0-8, 10-29, 31,
// 128-255, and "|" (scout) or TAB (catalog). Code 30, the catalog field
// separator, is kept in both.
inline bool EndsLineText(unsigned char b, LineKind kind) {
    if (b < 32) return !(b == 30 || (b == 9 && kind == LineKind::Scout));
    if (b >= 128) return true;
    return b == '|' && kind == LineKind::Scout;
}

// The bytes other than a line feed that end the text of a line of that kind
// (a carriage return also ends the line), written without branches for FindByte.
inline auto CutsLineText(LineKind kind) {
    const bool scout = kind == LineKind::Scout;
    return [scout](unsigned char b) {
        return ((b < 32) & (b != '\n') & (b != 30) & ((b != '\t') | !scout)) | (b >= 128) | ((b == '|') & scout);
    };
}

// The text that the rule keeps of one line (its bytes without its line end).
inline std::string_view KeptText(std::string_view line, LineKind kind) {
    line = line.substr(0, MaxLineChars);
    return line.substr(0, FindByte(line, 0, CutsLineText(kind)));
}

// Calls each(std::string_view) for every kept line of bytes, in order, by
// the rule above; the views point into bytes. Readers that only look at the
// lines use it to avoid a copy of every line. When firstLostLine is given, it
// receives the number (from 1; a carriage return and the line feed after it
// end one line) of the first line whose content the rule cut off: a byte the
// kind does not allow, with or without text after it, or characters beyond
// MaxLineChars; 0 when every line was kept whole. An each that returns bool
// stops the walk by returning false: no line after it is handed over.
template <class Each>
void ForEachKeptLine(std::string_view bytes, LineKind kind, Each&& each, int* firstLostLine = nullptr) {
    const auto cutsText = CutsLineText(kind);
    const size_t size = bytes.size();
    // The next byte that cuts a line's text: most files have none, so it is
    // looked for once through the whole file, and again only once passed.
    size_t nextCut = FindByte(bytes, 0, cutsText);
    int lineNumber = 0;
    if (firstLostLine) *firstLostLine = 0;
    for (size_t start = 0; start < size;) {
        ++lineNumber;
        if (nextCut < start) nextCut = FindByte(bytes, start, cutsText);
        size_t end = std::min(bytes.find('\n', start), size);
        size_t cut = end;
        if (nextCut < end) {
            cut = nextCut;
            end = LineEnd(bytes.substr(0, end), cut);  // a carriage return ends the line
        }
        const size_t kept = std::min(cut, start + MaxLineChars);
        if (kept < end && firstLostLine && *firstLostLine == 0) *firstLostLine = lineNumber;
        if (kept > start) {
            if constexpr (std::is_same_v<std::invoke_result_t<Each&, std::string_view>, bool>) {
                if (!each(bytes.substr(start, kept - start))) return;
            } else {
                each(bytes.substr(start, kept - start));
            }
        }
        start = NextLineStart(bytes, end);
    }
}

// The kept lines of bytes read by the rule above. When firstLostLine is
// given, it receives the number (from 1) of the first line of the bytes
// whose content was cut off by the rule (a byte the kind does not allow with
// or without text after it, or characters beyond MaxLineChars), 0 when
// every line was kept whole. Empty lines count as lines but lose nothing.
std::vector<AnsiString> SplitKeptLines(const std::string& bytes, LineKind kind, int* firstLostLine = nullptr);

// The kept lines of a file; false (and no lines) when it cannot be opened or read.
bool ReadKeptLines(const AnsiString& fileName, LineKind kind, std::vector<AnsiString>& lines);
// The same; a file that cannot be opened yields nothing.
std::vector<AnsiString> ReadKeptLines(const AnsiString& fileName, LineKind kind);

#endif
