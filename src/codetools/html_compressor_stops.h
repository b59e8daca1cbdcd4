#pragma once
// Where the compressor's passes stop: the bytes (and the few bytes after a
// "<") that may give a pass work, tested sixteen bytes at a time for
// MaskFinder. Everything else a pass copies as it is, without looking.

#include "codetools/html_compressor_passes.h"

namespace tagloom::compressor {

#ifdef __SSE2__
inline __m128i loadAt(const char *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}
inline __m128i equals(__m128i block, char c)
{
    return _mm_cmpeq_epi8(block, _mm_set1_epi8(c));
}
inline __m128i folded(__m128i block)
{
    return _mm_or_si128(block, _mm_set1_epi8(0x20));
}
#endif

inline bool isGuardLead(char c)
{
    c = char(c | 0x20);
    return c == 't' || c == 'p' || c == 's';
}

// Whether the two bytes after a "<" may begin a guarded block's start tag
// (te, pr, sc, in any case) or, with `comments`, a comment (!-). Cheap
// enough to test at every byte; guardAt says for sure.
inline bool mayOpenBlock(char first, char second, bool comments)
{
    first = char(first | 0x20);
    second = char(second | 0x20);
    return (first == 't' && second == 'e') || (first == 'p' && second == 'r') || (first == 's' && second == 'c') ||
           (comments && first == '!' && second == '-');
}

inline bool blockOpeningAt(const char *s, qsizetype n, qsizetype i, bool comments)
{
    return s[i] == '<' && i + 2 < n && mayOpenBlock(s[i + 1], s[i + 2], comments);
}

#ifdef __SSE2__
inline __m128i bothAre(__m128i first, char a, __m128i second, char b)
{
    return _mm_and_si128(equals(first, a), equals(second, b));
}

// blockOpeningAt for the 16 bytes at `p`.
inline __m128i blockOpenings(const char *p, bool comments)
{
    const __m128i first = folded(loadAt(p + 1));
    const __m128i second = folded(loadAt(p + 2));
    __m128i leads = _mm_or_si128(_mm_or_si128(bothAre(first, 't', second, 'e'), bothAre(first, 'p', second, 'r')),
                                 bothAre(first, 's', second, 'c'));
    if (comments)
        leads = _mm_or_si128(leads, bothAre(first, '!', second, '-'));
    return _mm_and_si128(equals(loadAt(p), '<'), leads);
}
#endif

// Where a line-break pass may have work: its line break, or a "<" that may
// open a guarded block (or, for the CR-led passes, a web-bot comment).
template <char Break, bool Comments>
struct BreakStop {
    static constexpr qsizetype kBefore = 0;
    static constexpr qsizetype kAfter = 2;
    static bool at(const char *s, qsizetype n, qsizetype i)
    {
        return s[i] == Break || blockOpeningAt(s, n, i, Comments);
    }
#ifdef __SSE2__
    static int block(const char *p)
    {
        return _mm_movemask_epi8(_mm_or_si128(equals(loadAt(p), Break), blockOpenings(p, Comments)));
    }
#endif
};

// Where the space pass may have work: a space in a run, before ">" or after
// ">", or a "<" that may open a guarded block. Most spaces in text are none
// of these. For the bytes after the first, which has no byte before it in
// the text it is given.
struct SpaceStop {
    static constexpr qsizetype kBefore = 1;
    static constexpr qsizetype kAfter = 2;
    static bool at(const char *s, qsizetype n, qsizetype i)
    {
        if (s[i] == ' ')
            return s[i - 1] == '>' || (i + 1 < n && (s[i + 1] == ' ' || s[i + 1] == '>'));
        return blockOpeningAt(s, n, i, false);
    }
#ifdef __SSE2__
    static int block(const char *p)
    {
        const __m128i prev = loadAt(p - 1);
        const __m128i next = loadAt(p + 1);
        const __m128i space = _mm_and_si128(
            equals(loadAt(p), ' '), _mm_or_si128(equals(prev, '>'), _mm_or_si128(equals(next, ' '), equals(next, '>'))));
        return _mm_movemask_epi8(_mm_or_si128(space, blockOpenings(p, false)));
    }
#endif
};

// The first byte of a text, `before` being the byte read ahead of it.
inline bool spaceStopAtStart(const char *s, qsizetype n, char before)
{
    if (n == 0)
        return false;
    if (s[0] == ' ')
        return before == '>' || (1 < n && (s[1] == ' ' || s[1] == '>'));
    return blockOpeningAt(s, n, 0, false);
}

// Whether two bytes after "<" or "</" may begin a tag the tag pass swaps
// (st, em, bl) or, after "<", a script (sc).
inline bool maySwap(char first, char second, bool script)
{
    first = char(first | 0x20);
    second = char(second | 0x20);
    return (first == 's' && second == 't') || (first == 'e' && second == 'm') || (first == 'b' && second == 'l') ||
           (script && first == 's' && second == 'c');
}

// Where the tag pass may have work: a tag it may swap, or a <script>.
struct SwapStop {
    static constexpr qsizetype kBefore = 0;
    static constexpr qsizetype kAfter = 3;
    static bool at(const char *s, qsizetype n, qsizetype i)
    {
        if (s[i] != '<' || i + 2 >= n)
            return false;
        if (s[i + 1] == '/')
            return i + 3 < n && maySwap(s[i + 2], s[i + 3], false);
        return maySwap(s[i + 1], s[i + 2], true);
    }
#ifdef __SSE2__
    static int block(const char *p)
    {
        const __m128i first = folded(loadAt(p + 1));
        const __m128i second = folded(loadAt(p + 2));
        const __m128i third = folded(loadAt(p + 3));
        const __m128i swapped = _mm_or_si128(_mm_or_si128(bothAre(second, 's', third, 't'), bothAre(second, 'e', third, 'm')),
                                             bothAre(second, 'b', third, 'l'));
        const __m128i closing = _mm_and_si128(equals(loadAt(p + 1), '/'), swapped);
        const __m128i opening =
            _mm_or_si128(_mm_or_si128(bothAre(first, 's', second, 't'), bothAre(first, 'e', second, 'm')),
                         _mm_or_si128(bothAre(first, 'b', second, 'l'), bothAre(first, 's', second, 'c')));
        return _mm_movemask_epi8(_mm_and_si128(equals(loadAt(p), '<'), _mm_or_si128(opening, closing)));
    }
#endif
};

} // namespace tagloom::compressor
