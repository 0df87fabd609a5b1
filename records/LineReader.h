// The line reader shared by the scout file and the requirement catalogs.
// A file is read as bytes, line by line up to each line feed; a line keeps at
// most MaxLineChars characters (the rest of a longer line is dropped and the
// reading goes on with the next line), its text ends at the first byte that
// the file's kind does not allow, and lines that are empty after that cut are
// skipped.
#ifndef TRAILBOOK_RECORDS_LINEREADER_H
#define TRAILBOOK_RECORDS_LINEREADER_H

#include <string>
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
bool EndsLineText(unsigned char b, LineKind kind);

// The kept lines of bytes read by the rule above.
std::vector<AnsiString> SplitKeptLines(const std::string& bytes, LineKind kind);

// The kept lines of a file; false (and no lines) when it cannot be opened or read.
bool ReadKeptLines(const AnsiString& fileName, LineKind kind, std::vector<AnsiString>& lines);
// The same; a file that cannot be opened yields nothing.
std::vector<AnsiString> ReadKeptLines(const AnsiString& fileName, LineKind kind);

#endif
