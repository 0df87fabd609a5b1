#include "reports/ReportLines.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TRAILBOOK_AVX2_TAGS 1
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr size_t MaxValueChars = 99;

#if defined(TRAILBOOK_AVX2_TAGS)
// CapitalTagMask's test on 64 bytes at once, for processors that have AVX2;
// the caller makes sure that 66 bytes can be read from p.
__attribute__((target("avx2"))) uint64_t CapitalTagMask64Avx2(const char* p) {
    const __m256i shift = _mm256_set1_epi8(static_cast<char>(128 - 'A'));
    const __m256i capitalBound = _mm256_set1_epi8(static_cast<char>(-128 + 26));
    const __m256i open = _mm256_set1_epi8('<');
    const __m256i slash = _mm256_set1_epi8('/');
    uint64_t mask = 0;
    for (int half = 0; half < 2; ++half) {
        const char* at = p + 32 * half;
        __m256i c0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        __m256i c1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 1));
        __m256i c2 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 2));
        __m256i cap1 = _mm256_cmpgt_epi8(capitalBound, _mm256_add_epi8(c1, shift));
        __m256i cap2 = _mm256_cmpgt_epi8(capitalBound, _mm256_add_epi8(c2, shift));
        __m256i next = _mm256_or_si256(cap1, _mm256_and_si256(_mm256_cmpeq_epi8(c1, slash), cap2));
        __m256i tags = _mm256_and_si256(_mm256_cmpeq_epi8(c0, open), next);
        mask |= static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(tags))) << (32 * half);
    }
    return mask;
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif
}  // namespace

bool TakeElementValue(std::string_view trimmed, std::string_view openTag, AnsiString& value) {
    if (!LineStartsWith(trimmed, openTag)) return false;
    std::string_view text = TrimView(trimmed.substr(openTag.size(), MaxValueChars));
    if (!text.empty() && text.front() == '<') return true;  // an empty element
    size_t end = text.find('<');
    value = end == std::string_view::npos ? AnsiString() : AnsiString(text.substr(0, end));
    return true;
}

AnsiString AwardNameOf(std::string_view trimmed, std::string_view tagWord) {
    size_t from = tagWord.size() + 1;  // the tag word and its blank
    if (trimmed.size() <= from) return "";
    std::string_view name = TrimView(trimmed.substr(from, MaxValueChars));
    if (!name.empty()) name.remove_suffix(1);
    return AnsiString(name);
}

uint64_t CapitalTagMask(std::string_view bytes, size_t from) {
    const char* data = bytes.data();
    const size_t size = bytes.size();
    const size_t count = std::min<size_t>(64, size - from);
    uint64_t mask = 0;
    size_t k = 0;
#if defined(TRAILBOOK_AVX2_TAGS)
    if (count == 64 && from + 66 <= size && HasAvx2()) return CapitalTagMask64Avx2(data + from);
#endif
#if defined(__SSE2__)
    // A byte is a capital letter when, moved by 128 - 'A', it is below -128 + 26 as a signed byte.
    const __m128i shift = _mm_set1_epi8(static_cast<char>(128 - 'A'));
    const __m128i capitalBound = _mm_set1_epi8(static_cast<char>(-128 + 26));
    auto capital = [&](__m128i v) { return _mm_cmplt_epi8(_mm_add_epi8(v, shift), capitalBound); };
    const __m128i open = _mm_set1_epi8('<');
    const __m128i slash = _mm_set1_epi8('/');
    for (; k + 16 <= count && from + k + 18 <= size; k += 16) {
        const char* p = data + from + k;
        __m128i c0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i c1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        __m128i c2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2));
        __m128i next = _mm_or_si128(capital(c1), _mm_and_si128(_mm_cmpeq_epi8(c1, slash), capital(c2)));
        __m128i tags = _mm_and_si128(_mm_cmpeq_epi8(c0, open), next);
        mask |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(tags))) << k;
    }
#endif
    for (; k < count; ++k) {
        size_t i = from + k;
        if (data[i] != '<') continue;
        std::string_view rest = bytes.substr(i, 3);
        if (IsCapitalTagLine(rest)) mask |= uint64_t{1} << k;
    }
    return mask;
}

bool HoldsCompletedDate(std::string_view trimmed) {
    constexpr std::string_view tag = "<Completed>";
    if (!LineStartsWith(trimmed, tag)) return false;
    std::string_view text = TrimView(trimmed.substr(tag.size(), MaxValueChars));
    return text.empty() || text.front() != '<';
}
