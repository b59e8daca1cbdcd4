#pragma once
// The byte passes behind THTMLCompressor. No pass makes the text longer and
// each writes only behind where it reads, so a pass may rewrite its text in
// place. Every pass is one left-to-right scan, so the whole run stays linear
// even on one long line.
//
// A pass can also go over its text piece by piece, so that a page need not
// be held whole: each run is given what the previous run left over followed
// by the next bytes, and stops where the bytes still to come could change
// what it does (the end of a tag, a run of spaces, a paragraph's "</p>").
// A construct that long bytes later decide (a <pre> left open, a tag that
// never ends) passes through unchanged as it is read, where the whole-text
// pass leaves it so too.

#include "codetools/byte_search.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tagloom::compressor {

// Where a run of a pass stopped.
struct Progress {
    qsizetype read;    // input bytes done; the rest comes again ahead of the next bytes
    qsizetype written; // output bytes written for them
};

class Pass {
public:
    virtual ~Pass() = default;
    // Reads the `n` bytes at `in` and writes the result to `out`, which may
    // be `in`. With `last` the bytes are all the text has left and all are
    // read; without, the run may stop early and will be given the rest again.
    virtual Progress run(const char *in, qsizetype n, char *out, bool last) = 0;
};

// Double quotes dropped from tags where the bare value reads the same to a
// browser; tags holding a single quote keep all, scripts are left alone.
std::unique_ptr<Pass> quotePass();

enum class LineBreakPass {
    CrCr, // runs of CR to one
    LfLf, // runs of LF to one
    CrLf, // CR LF deleted where next to mark-up or spaces
    Cr,   // CR deleted likewise
    Lf,   // LF deleted likewise
};
// `removeWebbots` acts only in the CR-led passes (CrCr, CrLf, Cr).
std::unique_ptr<Pass> lineBreakPass(LineBreakPass pass, bool removeWebbots);

// Runs of spaces to one, spaces before ">" dropped, and the space between
// ">" and a table, list or paragraph tag dropped.
std::unique_ptr<Pass> spacePass();

// strong/em/strike to b/i/s and blockquote to ul, outside scripts.
std::unique_ptr<Pass> tagPass(bool simpleTags, bool blockquoteToUl);

// A paragraph opened by `opening` (lower case, a literal that outlives the
// pass) becomes a <center> block.
std::unique_ptr<Pass> centrePass(const char *opening);

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

using tagloom::findByte;

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
    // `previous` is the byte written just before `out`, or 0 when there is
    // none (the start of the text).
    Rewriter(const char *in, char *out, char previous = '\0')
        : m_in(in), m_begin(out), m_at(out), m_previous(previous)
    {
    }

    // Replaces the `length` bytes at `at`, which lies at or after the end of
    // the previous replacement.
    void replace(qsizetype at, qsizetype length, const char *with, qsizetype withLength)
    {
        put(m_in + m_copied, at - m_copied);
        put(with, withLength);
        m_copied = at + length;
    }
    void drop(qsizetype at, qsizetype length) { replace(at, length, nullptr, 0); }

    // The output byte just before input index `at`, or `previous` at the start.
    char lastBefore(qsizetype at) const
    {
        if (at > m_copied)
            return m_in[at - 1];
        return lastOut();
    }
    // The last byte written, or the one before the output.
    char lastOut() const { return m_at > m_begin ? m_at[-1] : m_previous; }

    // Copies what is left of the input before `n`; returns the output size.
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
        if (count > 0 && m_at != bytes) { // in place and nothing dropped yet: already there
            // The output never gets ahead of the input, so a forward copy is
            // safe; most stretches between two changes are short, where a
            // library call costs more than the copy.
            if (count <= 32)
                for (qsizetype k = 0; k < count; ++k)
                    m_at[k] = bytes[k];
            else
                std::memmove(m_at, bytes, size_t(count));
        }
        m_at += count;
    }

    const char *m_in;
    char *m_begin;
    char *m_at;
    char m_previous;
    qsizetype m_copied = 0; // input before this index is in the output
};

// The most bytes a pass looks ahead of a stop it meets to decide what to
// do there (a tag name, a break and its neighbour); a run given only part of
// the text stops short of this many bytes from its end.
constexpr qsizetype kLookahead = 32;

// The end tag of a guarded block (<textarea>, <pre>, <script>) a pass is
// skipping to; its bytes pass unchanged until then, or to the end.
struct EndTag {
    const char *tag = nullptr;
    qsizetype length = 0;
    explicit operator bool() const { return tag != nullptr; }
};

// What every pass keeps between runs, and how a run ends.
class PassBase : public Pass {
protected:
    // Ends the run with the input before `at` done.
    Progress stopAt(Rewriter &out, const char *in, qsizetype at)
    {
        const qsizetype written = out.finish(at);
        m_lastOut = out.lastOut();
        if (at > 0)
            m_lastIn = in[at - 1];
        return {at, written};
    }
    // Ends the run inside a guarded block, having looked for its end tag
    // from `from` up to the end of the bytes: all but the bytes where the
    // end tag may yet begin are done.
    Progress stopInBlock(Rewriter &out, const char *in, qsizetype n, qsizetype from, EndTag endTag)
    {
        m_pending = endTag;
        return stopAt(out, in, std::max(from, n - endTag.length + 1));
    }

    // At the start of a run that an earlier one ended inside a guarded
    // block: the position just past the block's end tag, or nothing when the
    // block goes on past these bytes (`progress` then ends the run).
    std::optional<qsizetype> resumeAfterBlock(Rewriter &out, const char *in, qsizetype n, bool last,
                                              Progress &progress)
    {
        if (!m_pending)
            return 0;
        const qsizetype end = findTag(in, n, 0, m_pending.tag, m_pending.length);
        if (end < 0) {
            progress = last ? stopAt(out, in, n) : stopInBlock(out, in, n, 0, m_pending);
            return std::nullopt;
        }
        m_pending = {};
        return end + 1;
    }

    char m_lastOut = '\0'; // the last byte written by earlier runs, 0 before any
    char m_lastIn = '\0';  // the last byte read by earlier runs, 0 before any
    EndTag m_pending;      // the end tag of a block an earlier run was inside
};

} // namespace tagloom::compressor
