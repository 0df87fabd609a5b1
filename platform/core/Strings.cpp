// String helpers: trimming, case folding, integer conversion and searching.
#include "platform/core/Strings.h"

#include <climits>

#include "platform/core/Exceptions.h"

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = UpperCaseChar(c);
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

char UpperCaseChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

AnsiString TrimLeft(const AnsiString& s) {
    size_t first = 0;
    while (first < s.size() && IsBlankOrControl(s[first])) ++first;
    return s.substr(first);
}

AnsiString TrimRight(const AnsiString& s) {
    size_t end = s.size();
    while (end > 0 && IsBlankOrControl(s[end - 1])) --end;
    return s.substr(0, end);
}

std::string_view TrimView(std::string_view s) {
    size_t first = 0, end = s.size();
    while (end > 0 && IsBlankOrControl(s[end - 1])) --end;
    while (first < end && IsBlankOrControl(s[first])) ++first;
    return s.substr(first, end - first);
}

AnsiString Trim(const AnsiString& s) { return AnsiString(TrimView(s)); }

AnsiString UpperCase(const AnsiString& s) {
    AnsiString result = s;
    for (char& c : result) c = UpperCaseChar(c);
    return result;
}

AnsiString LowerCase(const AnsiString& s) {
    AnsiString result = s;
    for (char& c : result) c = LowerAscii(c);
    return result;
}

AnsiString IntToStr(long long value) { return std::to_string(value); }

bool TryStrToInt(const AnsiString& s, int& value) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size()) return false;
    // Accumulate as a magnitude and check the range of int as we go.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < s.size(); ++i) {
        int digit = HexDigitValue(s[i]);
        if (digit < 0 || digit >= base) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

int StrToInt(const AnsiString& s) {
    int value = 0;
    if (!TryStrToInt(s, value)) throw EConvertError("'" + s + "' is not a valid integer value");
    return value;
}

int StrToIntDef(const AnsiString& s, int fallback) {
    int value = 0;
    return TryStrToInt(s, value) ? value : fallback;
}

int Pos(const AnsiString& sub, const AnsiString& s) {
    if (sub.empty()) return 0;
    size_t at = s.find(sub);
    return at == AnsiString::npos ? 0 : static_cast<int>(at) + 1;
}

AnsiString SubString(const AnsiString& s, int index, int count) {
    if (count <= 0) return AnsiString();
    // Clip a start before the first character, shortening the count to match.
    long long start = static_cast<long long>(index) - 1;
    long long length = count;
    if (start < 0) {
        length += start;
        start = 0;
    }
    if (length <= 0 || start >= static_cast<long long>(s.size())) return AnsiString();
    return s.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

int CompareText(const AnsiString& a, const AnsiString& b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(UpperCaseChar(a[i]));
        auto cb = static_cast<unsigned char>(UpperCaseChar(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(const AnsiString& a, const AnsiString& b) { return CompareText(a, b) == 0; }

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::vector<AnsiString> SplitString(const AnsiString& s, char separator) {
    std::vector<AnsiString> pieces;
    size_t start = 0;
    for (;;) {
        size_t end = s.find(separator, start);
        pieces.push_back(s.substr(start, end == AnsiString::npos ? AnsiString::npos : end - start));
        if (end == AnsiString::npos) return pieces;
        start = end + 1;
    }
}
