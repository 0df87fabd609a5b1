// The scout list and its age-group filters. Each scout file is read once per
// rebuild: one pass gives its birth date, nickname and patrol.
#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TRAILBOOK_AVX2_SCAN 1
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "records/Main.h"

namespace {

constexpr size_t MaxTagLineChars = 499;

// The values of the element lines the scout list looks at; each from the last
// line that carries it, as a reader that went through the file for each would.
struct ListTags {
    AnsiString birthdate, nickname, patrol;
};

bool Printable(unsigned char c) { return c >= 33 && c <= 126; }

bool OneOf(char c, const char* chars) {
    for (; *chars; ++chars)
        if (c == *chars) return true;
    return false;
}

// A line feed, a carriage return or both end a line (an empty line between
// the two carries no tag).
bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// The lines of bytes as the two tag readers see them: [start, end) of each,
// end at its line break or at the end of the bytes.
struct LineSpan {
    size_t start, end;
};
LineSpan LineAround(const char* data, size_t size, size_t at) {
    size_t start = at;
    while (start > 0 && !IsLineBreak(data[start - 1])) --start;
    const void* newline = std::memchr(data + at, '\n', size - at);
    size_t end = newline ? static_cast<size_t>(static_cast<const char*>(newline) - data) : size;
    for (size_t k = at; k < end; ++k)
        if (IsLineBreak(data[k])) return {start, k};
    return {start, end};
}

// The tag start test of NextTagStart, thirty-two bytes at a time, for
// processors that have AVX2 (asked once, at the first call). Returns the
// first hit, or the place from which fewer than 33 bytes are left.
#if defined(TRAILBOOK_AVX2_SCAN)
struct TagPatternAvx2 {
    __m256i open, first0, first1, first2, flip, below, above;
};

// 0xFF where a byte is "<" and the byte after it is a first or a dropped byte.
__attribute__((target("avx2"), always_inline)) inline __m256i TagHitsAvx2(const char* at, const TagPatternAvx2& p) {
    __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 1));
    // Bytes compared as unsigned: flipping the top bit makes the signed comparisons fit.
    __m256i flipped = _mm256_xor_si256(next, p.flip);
    __m256i dropped = _mm256_or_si256(_mm256_cmpgt_epi8(p.below, flipped), _mm256_cmpgt_epi8(flipped, p.above));
    __m256i wanted = _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(next, p.first0), _mm256_cmpeq_epi8(next, p.first1)),
                                     _mm256_or_si256(_mm256_cmpeq_epi8(next, p.first2), dropped));
    return _mm256_and_si256(_mm256_cmpeq_epi8(here, p.open), wanted);
}

__attribute__((target("avx2"))) size_t NextTagStartAvx2(const char* data, size_t size, size_t at, char f0, char f1,
                                                         char f2) {
    const TagPatternAvx2 pattern{_mm256_set1_epi8('<'),      _mm256_set1_epi8(f0),
                                 _mm256_set1_epi8(f1),       _mm256_set1_epi8(f2),
                                 _mm256_set1_epi8(static_cast<char>(0x80)), _mm256_set1_epi8(33 - 128),
                                 _mm256_set1_epi8(126 - 128)};
    for (; at + 33 <= size; at += 32) {
        unsigned found = static_cast<unsigned>(_mm256_movemask_epi8(TagHitsAvx2(data + at, pattern)));
        if (found != 0) return at + static_cast<size_t>(__builtin_ctz(found));
    }
    return at;
}
#endif

// The first place from `from` on where "<" is followed by a character of
// firsts (at most three) or by a byte that the reduction drops: every line
// whose reduced text begins with "<" and a character of firsts has one.
// Where the processor offers it, 32 or 16 bytes are looked at together; npos
// when there is none.
size_t NextTagStart(const char* data, size_t size, size_t from, const char* firsts) {
    const char f0 = firsts[0], f1 = firsts[0] && firsts[1] ? firsts[1] : f0,
               f2 = firsts[0] && firsts[1] && firsts[2] ? firsts[2] : f1;
    size_t at = from;
#if defined(TRAILBOOK_AVX2_SCAN)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) at = NextTagStartAvx2(data, size, at, f0, f1, f2);
#endif
#if defined(TRAILBOOK_AVX2_SCAN) || defined(__SSE2__)
    const __m128i open = _mm_set1_epi8('<'), first0 = _mm_set1_epi8(f0), first1 = _mm_set1_epi8(f1),
                  first2 = _mm_set1_epi8(f2), flip = _mm_set1_epi8(static_cast<char>(0x80)),
                  below = _mm_set1_epi8(33 - 128), above = _mm_set1_epi8(126 - 128);
    for (; at + 17 <= size; at += 16) {
        __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + 1));
        __m128i flipped = _mm_xor_si128(next, flip);
        __m128i dropped = _mm_or_si128(_mm_cmplt_epi8(flipped, below), _mm_cmpgt_epi8(flipped, above));
        __m128i wanted = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(next, first0), _mm_cmpeq_epi8(next, first1)),
                                      _mm_or_si128(_mm_cmpeq_epi8(next, first2), dropped));
        int hits = _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, open), wanted));
        if (hits != 0) return at + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(hits)));
    }
#endif
    for (; at + 1 < size; ++at) {
        unsigned char next = static_cast<unsigned char>(data[at + 1]);
        if (data[at] == '<' && (next == f0 || next == f1 || next == f2 || !Printable(next))) return at;
    }
    return std::string::npos;
}

// Calls visit with each line of bytes reduced to its printable 7-bit
// characters (33 to 126): blanks, tabs, control bytes and bytes above 126 are
// dropped, a NUL ends the line, and a line holds at most 499 characters.
// With firsts, only lines whose reduced text begins with "<" and a character
// of firsts are reduced and visited: the others cannot carry a wanted tag.
// They are found by NextTagStart, without walking the lines between them.
template <class Visit>
void ForEachTagLine(std::string_view bytes, const char* firsts, Visit visit) {
    AnsiString reduced;
    const char* data = bytes.data();
    const size_t size = bytes.size();
    auto visitLine = [&](LineSpan line) {
        size_t limit = std::min(line.end, line.start + MaxTagLineChars);
        size_t i = line.start;
        while (i < limit && data[i] != 0 && !Printable(static_cast<unsigned char>(data[i]))) ++i;
        size_t second = i + 1;
        while (second < limit && data[second] != 0 && !Printable(static_cast<unsigned char>(data[second]))) ++second;
        bool wanted = !firsts || (i < limit && data[i] == '<' && second < limit && OneOf(data[second], firsts));
        if (!wanted) return;
        // Runs of printable characters are taken whole.
        reduced.clear();
        for (size_t k = i; k < limit && data[k] != 0;) {
            size_t run = k;
            while (run < limit && Printable(static_cast<unsigned char>(data[run]))) ++run;
            reduced.append(data + k, run - k);
            k = run;
            while (k < limit && data[k] != 0 && !Printable(static_cast<unsigned char>(data[k]))) ++k;
        }
        visit(reduced);
    };
    if (firsts && std::strlen(firsts) <= 3) {
        for (size_t at = NextTagStart(data, size, 0, firsts); at != std::string::npos;) {
            LineSpan line = LineAround(data, size, at);
            visitLine(line);
            at = line.end + 1 < size ? NextTagStart(data, size, line.end + 1, firsts) : std::string::npos;
        }
        return;
    }
    for (size_t start = 0; start < size;) {
        LineSpan line = LineAround(data, size, start);
        visitLine(line);
        start = line.end + 1;
    }
}

// Sets value from a reduced line that begins with tag: at most 99 characters
// after it, cut before the first "<".
void TakeTagValue(std::string_view line, std::string_view tag, AnsiString& value) {
    if (line.substr(0, tag.size()) != tag) return;
    std::string_view rest = line.substr(tag.size(), 99);
    value.assign(rest.substr(0, rest.find('<')));
}

ListTags ScanListTags(std::string_view bytes) {
    ListTags tags;
    ForEachTagLine(bytes, "BNP", [&](const AnsiString& line) {
        TakeTagValue(line, "<Birthdate>", tags.birthdate);
        TakeTagValue(line, "<Nickname>", tags.nickname);
        TakeTagValue(line, "<Patrol>", tags.patrol);
    });
    return tags;
}

// 0 no birth date (or one that is not a date), 1 under 12, 2 from 12 to 13,
// 3 from 14 to 15, 4 from 16.
int AgeGroupOfBirthdate(const AnsiString& birthdate, TDateTime today) {
    TDateTime born;
    if (birthdate.empty() || !TryStrToDate(birthdate, born)) return 0;
    if (born < today - 5844) return 4;
    if (born < today - 5113) return 3;
    if (born < today - 4383) return 2;
    return 1;
}

}  // namespace

int TForm1::AgeGroupOf(const AnsiString& fileName) { return AgeGroupOfBirthdate(ReadFileTag(fileName, "<Birthdate>"), Date()); }

AnsiString TForm1::ReadFileTag(const AnsiString& fileName, const AnsiString& tag) {
    WholeFileReader file;
    AnsiString value;
    if (!file.Read(fileName)) return value;
    const std::string_view bytes = file.Bytes();
    const char firsts[] = {tag.size() > 1 ? tag[1] : '\0', '\0'};
    bool tagLike = tag.size() > 1 && tag[0] == '<' && firsts[0] != '\0';
    ForEachTagLine(bytes, tagLike ? firsts : nullptr, [&](const AnsiString& line) { TakeTagValue(line, tag, value); });
    return value;
}

void TForm1::RefreshScoutList(int mode) {
    if (!SaveAndUnload()) return;  // the save failed and was reported; the scout stays loaded
    ClearScoutForm();
    cboSCTs->Clear();
    if (flb->Mask() == "*.scout")
        flb->Update();
    else
        flb->SetMask("*.scout");

    // The names are gathered in a list of their own and handed to the scout
    // list in one step (its sorted mode sorts them as it takes them), so that
    // its screen side takes them in one call.
    TStringList names;
    const TDateTime today = Date();
    WholeFileReader file;  // one buffer for every file
    for (const AnsiString& fileName : flb->Items()->Lines()) {
        // The name is what stands before the ".scout" that ends the file name,
        // so a scout named "x.scout" (file "x.scout.scout") is listed as itself.
        // "X.SCOUT" and the like are never listed.
        const AnsiString suffix = ".scout";
        if (fileName.size() <= suffix.size() ||
            fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        size_t extension = fileName.size() - suffix.size();
        if (!file.Read(fileName)) continue;  // vanished or unreadable
        ListTags tags = ScanListTags(file.Bytes());
        int group = AgeGroupOfBirthdate(tags.birthdate, today);
        int nickname = 0;
        if (!tags.nickname.empty()) {
            if (TryStrToInt(tags.nickname, nickname)) {
                switch (nickname) {
                    case 11: group = mode == 6 ? 6 : 1; break;
                    case 12: group = mode == 6 ? 6 : 2; break;
                    case 14: group = 3; break;
                    case 16: group = 4; break;
                    default: group = nickname; break;
                }
            }
        } else if (mode == 6 && (group == 1 || group == 2)) {
            group = 6;
        }
        bool leader = tags.patrol.compare(0, 2, "L-") == 0;
        bool kept = mode == 5 ? leader : !leader && (mode == 0 || group == mode);
        if (kept) names.Add(fileName.substr(0, extension));
    }
    cboSCTs->Items()->Assign(names);
}

void TForm1::All1Click(TObject*) { RefreshScoutList(0); }
void TForm1::Blazer111Click(TObject*) { RefreshScoutList(1); }
void TForm1::Scout1Click(TObject*) { RefreshScoutList(2); }
void TForm1::Scout11131Click(TObject*) { RefreshScoutList(6); }
void TForm1::Varsity14151Click(TObject*) { RefreshScoutList(3); }
void TForm1::Venturer16171Click(TObject*) { RefreshScoutList(4); }
void TForm1::Leaders1Click(TObject*) { RefreshScoutList(5); }
