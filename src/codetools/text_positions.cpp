#include "codetools/text_positions.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tagloom {

namespace {

// Line ends in `p[from..to)`: every carriage return, and every line feed
// that does not follow one. `lastEnd` becomes the index of the last byte of
// either kind, or -1.
qint64 countLineEnds(const char *p, qsizetype from, qsizetype to, bool &afterCr, qsizetype &lastEnd)
{
    qint64 count = 0;
    lastEnd = -1;
    qsizetype i = from;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    unsigned carry = afterCr ? 1 : 0;
    for (; i + 16 <= to; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        const unsigned crs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, cr)));
        const unsigned lfs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)));
        if (crs | lfs) {
            count += __builtin_popcount(crs) + __builtin_popcount(lfs & ~((crs << 1) | carry));
            lastEnd = i + 31 - __builtin_clz(crs | lfs);
        }
        carry = (crs >> 15) & 1;
    }
    afterCr = carry != 0;
#endif
    for (; i < to; ++i) {
        if (p[i] == '\r') {
            ++count;
            lastEnd = i;
            afterCr = true;
            continue;
        }
        if (p[i] == '\n') {
            count += afterCr ? 0 : 1;
            lastEnd = i;
        }
        afterCr = false;
    }
    return count;
}

} // namespace

qint64 countCharacters(const char *p, qsizetype n, bool afterHigh)
{
    qint64 characters = 0;
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i top = _mm_set1_epi8(char(0xC0));
    const __m128i continuation = _mm_set1_epi8(char(0x80));
    unsigned carry = afterHigh ? 1 : 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        const unsigned high = unsigned(_mm_movemask_epi8(bytes));
        if (!(high | carry)) {
            characters += 16;
            continue;
        }
        const unsigned continuing =
            unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(bytes, top), continuation)));
        characters += 16 - __builtin_popcount(continuing & ((high << 1) | carry));
        carry = (high >> 15) & 1;
    }
    afterHigh = carry != 0;
#endif
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if ((c & 0xC0) != 0x80 || !afterHigh)
            ++characters;
        afterHigh = c >= 0x80;
    }
    return characters;
}

void TextPositions::startBlock(QByteArrayView block)
{
    m_p = block.data();
    m_n = block.size();
}

TextPosition TextPositions::at(qint64 offset)
{
    const qsizetype to = qsizetype(offset - m_base);
    qsizetype lastEnd = -1;
    m_line += countLineEnds(m_p, qsizetype(m_counted - m_base), to, m_afterCr, lastEnd);
    m_counted = offset;
    if (lastEnd >= 0) {
        m_columnAt = m_base + lastEnd + 1;
        m_characters = 0;
        m_afterHigh = false;
    }
    const qsizetype from = qsizetype(m_columnAt - m_base);
    if (to > from) {
        m_characters += countCharacters(m_p + from, to - from, m_afterHigh);
        m_afterHigh = static_cast<unsigned char>(m_p[to - 1]) >= 0x80;
    }
    m_columnAt = offset;
    return {m_line, m_characters + 1};
}

void TextPositions::endBlock()
{
    at(m_base + m_n);
    m_base += m_n;
    m_p = nullptr;
    m_n = 0;
}

} // namespace tagloom
