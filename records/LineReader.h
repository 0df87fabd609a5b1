// The line reader shared by the scout file and the requirement catalogs.
// A file is read as bytes, line by line: a line feed, a carriage return and
// the pair of both each end a line. A line keeps at most MaxLineChars
// characters (the rest of a longer line is dropped and the reading goes on
// with the next line), its text ends at the first byte that the file's kind
// does not allow, and lines that are empty after that cut are skipped.
#ifndef TRAILBOOK_RECORDS_LINEREADER_H
#define TRAILBOOK_RECORDS_LINEREADER_H

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Bit k tells whether bytes[from + k] (k below 64, within bytes) may end a
// line or its text: a byte below 32 (line feed, control bytes, TAB, code
// 30), from 128 up, or "|". Sixteen bytes at a time where the processor
// allows it.
inline uint64_t SpecialByteMask(std::string_view bytes, size_t from) {
    const char* data = bytes.data() + from;
    const size_t count = std::min<size_t>(64, bytes.size() - from);
    uint64_t mask = 0;
    size_t k = 0;
#if defined(__SSE2__)
    // As signed bytes, every byte below 32 and every byte from 128 up is
    // below 32; "|" is looked for on its own.
    const __m128i below = _mm_set1_epi8(32);
    const __m128i bar = _mm_set1_epi8('|');
    for (; k + 16 <= count; k += 16) {
        __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + k));
        __m128i special = _mm_or_si128(_mm_cmplt_epi8(chunk, below), _mm_cmpeq_epi8(chunk, bar));
        mask |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(special))) << k;
    }
#endif
    for (; k < count; ++k) {
        unsigned char b = static_cast<unsigned char>(data[k]);
        if (b < 32 || b >= 128 || b == '|') mask |= uint64_t{1} << k;
    }
    return mask;
}

// Calls each(std::string_view) for every kept line of bytes, in order, by
// the rule above; the views point into bytes. Readers that only look at the
// lines use it to avoid a copy of every line. Only the bytes that may end a
// line or its text are looked at one by one. When firstLostLine is given, it
// receives the number (from 1; a carriage return and the line feed after it
// end one line) of the first line whose content the rule cut off: a byte the
// kind does not allow, with or without text after it, or characters beyond
// MaxLineChars; 0 when every line was kept whole. An each that returns bool
// stops the walk by returning false: no line after it is handed over.
template <class Each>
void ForEachKeptLine(std::string_view bytes, LineKind kind, Each&& each, int* firstLostLine = nullptr) {
    const size_t size = bytes.size();
    size_t start = 0;                        // where the present line begins
    size_t cut = std::string_view::npos;     // where its text ends, when it ends before the line end
    int lineNumber = 0;
    if (firstLostLine) *firstLostLine = 0;
    bool stopped = false;
    auto lineEnds = [&](size_t end) {
        ++lineNumber;
        size_t limit = std::min({end, cut, start + MaxLineChars});
        if (limit > start) {
            if constexpr (std::is_same_v<std::invoke_result_t<Each&, std::string_view>, bool>)
                stopped = !each(bytes.substr(start, limit - start));
            else
                each(bytes.substr(start, limit - start));
        }
        if (limit < end && firstLostLine && *firstLostLine == 0) *firstLostLine = lineNumber;
        start = end + 1;
        cut = std::string_view::npos;
    };
    for (size_t block = 0; block < size; block += 64) {
        for (uint64_t mask = SpecialByteMask(bytes, block); mask != 0; mask &= mask - 1) {
            if (stopped) return;
            size_t i = block + static_cast<size_t>(std::countr_zero(mask));
            unsigned char b = static_cast<unsigned char>(bytes[i]);
            if (b == '\r') {
                lineEnds(i);
            } else if (b == '\n') {
                if (i > 0 && bytes[i - 1] == '\r' && start == i)
                    start = i + 1;  // the line feed of a pair: that line has ended already
                else
                    lineEnds(i);
            } else if (cut == std::string_view::npos && EndsLineText(b, kind)) {
                cut = i;
            }
        }
    }
    if (!stopped && start < size) lineEnds(size);
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
