// One way to scan the bytes of a data file, shared by the line reader, the
// scout list and the reports. A line feed, a carriage return, or a carriage
// return and the line feed after it end a line. Each reader keeps its own
// rule of what it looks at in a line; these functions only find places.
//
// A single byte (a line feed, a letter) is found with std::string_view::find,
// that is the C library's memchr. A place that a class of bytes or a pair of
// bytes marks (a byte that cuts a line's text, a tag) is found a block at a
// time: a loop over a block of fixed size without an early exit, which the
// compiler turns into vector instructions, tells whether the block holds one,
// and only such a block is searched place by place. Tests written with | and
// & (rather than || and &&) keep that loop free of branches.
#ifndef TRAILBOOK_RECORDS_BYTESCAN_H
#define TRAILBOOK_RECORDS_BYTESCAN_H

#include <algorithm>
#include <cstddef>
#include <string_view>

constexpr size_t ScanBlock = 16;

// The first place from `from` on whose byte test(unsigned char) accepts, or
// bytes.size() when there is none.
template <class Test>
size_t FindByte(std::string_view bytes, size_t from, Test test) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t size = bytes.size();
    for (; from + ScanBlock <= size; from += ScanBlock) {
        unsigned char found = 0;
        for (size_t k = 0; k < ScanBlock; ++k) found |= test(data[from + k]);
        if (found) break;
    }
    for (; from < size; ++from)
        if (test(data[from])) return from;
    return size;
}

// The first place from `from` on whose byte and the byte after it
// test(unsigned char, unsigned char) accepts, or bytes.size() when there is
// none (the last byte has no byte after it and is never such a place).
template <class Test>
size_t FindPair(std::string_view bytes, size_t from, Test test) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t size = bytes.size();
    for (; from + ScanBlock < size; from += ScanBlock) {
        unsigned char found = 0;
        for (size_t k = 0; k < ScanBlock; ++k) found |= test(data[from + k], data[from + k + 1]);
        if (found) break;
    }
    for (; from + 1 < size; ++from)
        if (test(data[from], data[from + 1])) return from;
    return size;
}

inline bool IsLineBreak(unsigned char b) { return (b == '\n') | (b == '\r'); }

// Where the line that goes on at `from` ends: its line feed or carriage
// return, or bytes.size().
inline size_t LineEnd(std::string_view bytes, size_t from) {
    const size_t lineFeed = std::min(bytes.find('\n', from), bytes.size());
    return std::min(bytes.substr(0, lineFeed).find('\r', from), lineFeed);
}

// Where the line that holds the place `at` begins.
inline size_t LineStart(std::string_view bytes, size_t at) {
    while (at > 0 && !IsLineBreak(static_cast<unsigned char>(bytes[at - 1]))) --at;
    return at;
}

// Where the line after the one that ends at `end` begins: a carriage return
// and the line feed after it end one line.
inline size_t NextLineStart(std::string_view bytes, size_t end) {
    const bool pair = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
    return end + (pair ? 2 : 1);
}

#endif
