// The line reader shared by the scout file and the requirement catalogs.
// A file is read as bytes, line by line up to each line feed; a line keeps at
// most MaxLineChars characters (the rest of a longer line is dropped and the
// reading goes on with the next line), its text ends at the first byte that
// the file's kind does not allow, and lines that are empty after that cut are
// skipped.
#ifndef TRAILBOOK_RECORDS_LINEREADER_H
#define TRAILBOOK_RECORDS_LINEREADER_H

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

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

// Calls each(std::string_view) for every kept line of bytes, in order, by
// the rule above; the views point into bytes. Readers that only look at the
// lines use it to avoid a copy of every line.
template <class Each>
void ForEachKeptLine(std::string_view bytes, LineKind kind, Each&& each) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        size_t limit = std::min(end, start + MaxLineChars);
        size_t cut = start;
        while (cut < limit && !EndsLineText(static_cast<unsigned char>(bytes[cut]), kind)) ++cut;
        if (cut > start) each(bytes.substr(start, cut - start));
        start = end + 1;
    }
}

// The kept lines of bytes read by the rule above.
std::vector<AnsiString> SplitKeptLines(const std::string& bytes, LineKind kind);

// The kept lines of a file; false (and no lines) when it cannot be opened or read.
bool ReadKeptLines(const AnsiString& fileName, LineKind kind, std::vector<AnsiString>& lines);
// The same; a file that cannot be opened yields nothing.
std::vector<AnsiString> ReadKeptLines(const AnsiString& fileName, LineKind kind);

#endif
