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

// Finds, again and again, the next index at or after a given one where
// `Match` holds, 64 bytes at a time: each block of the text is compared
// once, and every later search within it costs a bit scan, where a search
// from scratch would compare the block again for each hit. `Match` gives
// `at(s, n, i)`, the test at one index, and where SSE2 is there
// `block(p)`, the tests at the 16 indexes from `p` as a bit mask, reading at
// most `kBefore` bytes before them and `kAfter` past them.
//
// The bytes ahead of the last index asked for must not change between
// searches; a pass rewriting its text in place writes only behind where it
// reads.
template <typename Match>
class MaskFinder {
public:
    MaskFinder(const char *s, qsizetype n) : m_s(s), m_n(n) {}

    qsizetype next(qsizetype from)
    {
        while (from < m_n) {
            if (from >= m_base && from < m_base + 64) {
                const quint64 bits = m_bits & (~quint64(0) << (from - m_base));
                if (bits)
                    return m_base + __builtin_ctzll(bits);
                from = m_base + 64;
                continue;
            }
            fill(from);
        }
        return m_n;
    }

private:
    void fill(qsizetype from)
    {
        m_base = from;
        m_bits = 0;
#ifdef __SSE2__
        if (from >= Match::kBefore && from + 64 + Match::kAfter <= m_n) {
            for (int k = 0; k < 64; k += 16)
                m_bits |= quint64(unsigned(Match::block(m_s + from + k))) << k;
            return;
        }
#endif
        for (qsizetype k = 0; k < 64 && from + k < m_n; ++k)
            if (Match::at(m_s, m_n, from + k))
                m_bits |= quint64(1) << k;
    }

    const char *m_s;
    qsizetype m_n;
    qsizetype m_base = -64; // the block under the bits
    quint64 m_bits = 0;     // bit k: `Match` holds at m_base + k
};

// One of the bytes `Cs`.
template <char... Cs>
struct AnyOf {
    static constexpr qsizetype kBefore = 0;
    static constexpr qsizetype kAfter = 0;
    static bool at(const char *s, qsizetype, qsizetype i) { return ((s[i] == Cs) || ...); }
#ifdef __SSE2__
    static int block(const char *p)
    {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(Cs)))), ...);
        return _mm_movemask_epi8(hits);
    }
#endif
};

} // namespace tagloom
