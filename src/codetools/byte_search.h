#pragma once
// Searches for bytes in a buffer, sixteen at a time where the processor
// allows: the engines' scans spend most of their time finding the next byte
// that means something to them.

#include <QtGlobal>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tagloom {

// The index of the next `c` at or after `from`, or `n`. Most searches end
// within a few bytes, where a library call costs more than the search.
inline qsizetype findByte(const char *s, qsizetype n, qsizetype from, char c)
{
#ifdef __SSE2__
    const __m128i want = _mm_set1_epi8(c);
    for (int block = 0; block < 4 && from + 16 <= n; ++block, from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + from));
        if (const int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, want)))
            return from + __builtin_ctz(unsigned(mask));
    }
#endif
    if (from >= n)
        return n;
    const void *hit = std::memchr(s + from, c, size_t(n - from));
    return hit ? static_cast<const char *>(hit) - s : n;
}

// The index of the next byte at or after `from` that is one of `Cs`, or `n`.
template <char... Cs>
inline qsizetype findAnyOf(const char *s, qsizetype n, qsizetype from)
{
#ifdef __SSE2__
    for (; from + 16 <= n; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + from));
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(Cs)))), ...);
        if (const int mask = _mm_movemask_epi8(hits))
            return from + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; from < n; ++from)
        if (((s[from] == Cs) || ...))
            return from;
    return n;
}

} // namespace tagloom
