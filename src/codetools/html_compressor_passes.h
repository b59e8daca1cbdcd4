#pragma once
// The byte passes behind THTMLCompressor. Each pass reads `n` bytes at `in`,
// writes its result to `out` and returns the number of bytes written. No
// pass makes the text longer and each writes only behind where it reads, so
// `out` may be `in`. Every pass is one left-to-right scan, so the whole run
// stays linear even on one long line.

#include "codetools/byte_search.h"

#include <QtGlobal>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tagloom::compressor {

// Double quotes dropped from tags where the bare value reads the same to a
// browser; tags holding a single quote keep all, scripts are left alone.
qsizetype removeQuotes(const char *in, qsizetype n, char *out);

enum class LineBreakPass {
    CrCr, // runs of CR to one
    LfLf, // runs of LF to one
    CrLf, // CR LF deleted where next to mark-up or spaces
    Cr,   // CR deleted likewise
    Lf,   // LF deleted likewise
};
// `removeWebbots` acts only in the CR-led passes (CrCr, CrLf, Cr).
qsizetype removeLineBreaks(const char *in, qsizetype n, char *out, LineBreakPass pass, bool removeWebbots);

// Runs of spaces to one, spaces before ">" dropped, and the space between
// ">" and a table, list or paragraph tag dropped.
qsizetype squeezeSpaces(const char *in, qsizetype n, char *out);

// strong/em/strike to b/i/s and blockquote to ul, outside scripts.
qsizetype shortenTags(const char *in, qsizetype n, char *out, bool simpleTags, bool blockquoteToUl);

// A paragraph opened by `opening` (lower case) becomes a <center> block.
qsizetype centreParagraphs(const char *in, qsizetype n, char *out, const char *opening);

// Helpers shared by the passes.

inline char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// Whether the bytes at `at` equal `literal` (written in lower case) once
// lower-cased; there must be enough bytes left.
inline bool matchesAt(const char *s, qsizetype n, qsizetype at, const char *literal, qsizetype length)
{
    if (n - at < length)
        return false;
    for (qsizetype k = 0; k < length; ++k)
        if (lowerAscii(s[at + k]) != literal[k])
            return false;
    return true;
}

template <size_t N>
inline bool matchesAt(const char *s, qsizetype n, qsizetype at, const char (&literal)[N])
{
    return matchesAt(s, n, at, literal, qsizetype(N - 1));
}

using tagloom::findAnyOf;
using tagloom::findByte;

// The next index at or after `from` that holds the byte `Single` (unless it
// is -1) or a "<" followed by a byte that, with 0x20 set, is one of `Next`;
// or `n`. A "<" as the last byte is no stop.
template <int Single, char... Next>
inline qsizetype findStop(const char *s, qsizetype n, qsizetype from)
{
#ifdef __SSE2__
    const __m128i fold = _mm_set1_epi8(0x20);
    for (; from + 17 <= n; from += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + from));
        const __m128i next = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(s + from + 1)), fold);
        __m128i follows = _mm_setzero_si128();
        ((follows = _mm_or_si128(follows, _mm_cmpeq_epi8(next, _mm_set1_epi8(Next)))), ...);
        __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(here, _mm_set1_epi8('<')), follows);
        if constexpr (Single >= 0)
            hits = _mm_or_si128(hits, _mm_cmpeq_epi8(here, _mm_set1_epi8(char(Single))));
        if (const int mask = _mm_movemask_epi8(hits))
            return from + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; from < n; ++from) {
        if (Single >= 0 && s[from] == char(Single))
            return from;
        if (s[from] == '<' && from + 1 < n) {
            const char c = char(s[from + 1] | 0x20);
            if (((c == Next) || ...))
                return from;
        }
    }
    return n;
}

// The index of the next "<" at or after `from` followed by `second` and
// `third`, compared with 0x20 set (so letters in any case), or `n`. Callers
// check the match, as 0x20 is set in other bytes too.
inline qsizetype findTriple(const char *s, qsizetype n, qsizetype from, char second, char third)
{
    second = char(second | 0x20);
    third = char(third | 0x20);
#ifdef __SSE2__
    const __m128i fold = _mm_set1_epi8(0x20);
    for (; from + 18 <= n; from += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + from));
        const __m128i next = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(s + from + 1)), fold);
        const __m128i after = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(s + from + 2)), fold);
        const __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(here, _mm_set1_epi8('<')),
                                           _mm_and_si128(_mm_cmpeq_epi8(next, _mm_set1_epi8(second)),
                                                         _mm_cmpeq_epi8(after, _mm_set1_epi8(third))));
        if (const int mask = _mm_movemask_epi8(hits))
            return from + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; from + 2 < n; ++from)
        if (s[from] == '<' && char(s[from + 1] | 0x20) == second && char(s[from + 2] | 0x20) == third)
            return from;
    return n;
}

// The index of the next `literal` (which starts with "<" and has at least
// three bytes) at or after `from`, or -1.
inline qsizetype findTag(const char *s, qsizetype n, qsizetype from, const char *literal, qsizetype length)
{
    for (qsizetype i = findTriple(s, n, from, literal[1], literal[2]); i < n;
         i = findTriple(s, n, i + 1, literal[1], literal[2]))
        if (matchesAt(s, n, i, literal, length))
            return i;
    return -1;
}

template <size_t N>
inline qsizetype findTag(const char *s, qsizetype n, qsizetype from, const char (&literal)[N])
{
    return findTag(s, n, from, literal, qsizetype(N - 1));
}

// The output of a pass: the input with some spans replaced, in order. The
// unchanged bytes between two replacements are moved in one piece. The
// output may overlay the input: it never gets ahead of what has been read.
class Rewriter {
public:
    Rewriter(const char *in, char *out) : m_in(in), m_begin(out), m_at(out) {}

    // Replaces the `length` bytes at `at`, which lies at or after the end of
    // the previous replacement.
    void replace(qsizetype at, qsizetype length, const char *with, qsizetype withLength)
    {
        put(m_in + m_copied, at - m_copied);
        put(with, withLength);
        m_copied = at + length;
    }
    void drop(qsizetype at, qsizetype length) { replace(at, length, nullptr, 0); }

    // The output byte just before input index `at`, or 0 at the very start.
    char lastBefore(qsizetype at) const
    {
        if (at > m_copied)
            return m_in[at - 1];
        return m_at > m_begin ? m_at[-1] : '\0';
    }

    // Copies what is left of the `n` input bytes; returns the output size.
    qsizetype finish(qsizetype n)
    {
        put(m_in + m_copied, n - m_copied);
        m_copied = n;
        return m_at - m_begin;
    }

private:
    void put(const char *bytes, qsizetype count)
    {
        Q_ASSERT(count >= 0);
        if (count > 0 && m_at != bytes) // in place and nothing dropped yet: already there
            std::memmove(m_at, bytes, size_t(count));
        m_at += count;
    }

    const char *m_in;
    char *m_begin;
    char *m_at;
    qsizetype m_copied = 0; // input before this index is in the output
};

} // namespace tagloom::compressor
