#pragma once
// The byte passes behind THTMLCompressor. Each pass reads `n` bytes at `in`,
// writes its result to `out` (room for `n` bytes: no pass makes the text
// longer) and returns the number of bytes written. Every pass is one
// left-to-right scan, so the whole run stays linear even on one long line.

#include <QtGlobal>

#include <cstring>

namespace tagloom::compressor {

// Double quotes dropped from tags; "value" and "alt" values holding a space
// keep theirs, tags holding a single quote keep all, scripts are left alone.
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

// The index of the next `c` at or after `from`, or `n`.
inline qsizetype findByte(const char *s, qsizetype n, qsizetype from, char c)
{
    if (from >= n)
        return n;
    const void *hit = std::memchr(s + from, c, size_t(n - from));
    return hit ? static_cast<const char *>(hit) - s : n;
}

// The index of the next `literal` (which starts with "<") at or after
// `from`, or -1.
inline qsizetype findTag(const char *s, qsizetype n, qsizetype from, const char *literal, qsizetype length)
{
    for (qsizetype i = findByte(s, n, from, '<'); i < n; i = findByte(s, n, i + 1, '<'))
        if (matchesAt(s, n, i, literal, length))
            return i;
    return -1;
}

template <size_t N>
inline qsizetype findTag(const char *s, qsizetype n, qsizetype from, const char (&literal)[N])
{
    return findTag(s, n, from, literal, qsizetype(N - 1));
}

// Sequential output into a buffer that is known to be large enough.
class ByteWriter {
public:
    explicit ByteWriter(char *out) : m_begin(out), m_at(out) {}
    void put(char c) { *m_at++ = c; }
    void put(const char *bytes, qsizetype count)
    {
        if (count > 0) {
            std::memcpy(m_at, bytes, size_t(count));
            m_at += count;
        }
    }
    bool empty() const { return m_at == m_begin; }
    char last() const { return m_at[-1]; }
    qsizetype size() const { return m_at - m_begin; }

private:
    char *m_begin;
    char *m_at;
};

} // namespace tagloom::compressor
