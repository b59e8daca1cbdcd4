// Quote removal. Each tag is walked once, from its "<" to the ">" that ends
// it for a browser (not one inside a quoted value), and the scan goes on
// after that ">": a "<" inside a tag is part of the tag, not another tag.
// A double-quoted value loses its quotes only where the bare value reads
// the same to a browser, so the pass never changes a page's attributes. A
// tag holding a single quote anywhere, inside a quoted value too, keeps
// every quote as written.
#include "codetools/html_compressor_passes.h"

#include <cstring>
#include <vector>

namespace tagloom::compressor {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Where the pass may have work: a quote, or a "<" that may open a script
// (<sc in any case).
// Tags without a quote are left as they are and need no stop; the tag
// around a quote is found by looking back from it.
struct QuoteStop {
    static constexpr qsizetype kBefore = 0;
    static constexpr qsizetype kAfter = 2;
    static bool at(const char *s, qsizetype n, qsizetype i)
    {
        return s[i] == '"' || s[i] == '\'' ||
               (s[i] == '<' && i + 2 < n && (s[i + 1] | 0x20) == 's' && (s[i + 2] | 0x20) == 'c');
    }
#ifdef __SSE2__
    static int block(const char *p)
    {
        const auto load = [](const char *at) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at)); };
        const auto is = [](__m128i bytes, char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
        const __m128i fold = _mm_set1_epi8(0x20);
        const __m128i here = load(p);
        const __m128i quotes = _mm_or_si128(is(here, '"'), is(here, '\''));
        const __m128i script = _mm_and_si128(_mm_and_si128(is(here, '<'), is(_mm_or_si128(load(p + 1), fold), 's')),
                                             is(_mm_or_si128(load(p + 2), fold), 'c'));
        return _mm_movemask_epi8(_mm_or_si128(quotes, script));
    }
#endif
};

class QuoteRemover : public PassBase {
public:
    Progress run(const char *s, qsizetype n, char *outBytes, bool last) override
    {
        m_s = s;
        m_n = n;
        m_last = last;
        Rewriter out(s, outBytes, m_lastOut);
        MaskFinder<QuoteStop> stops(s, n);
        MaskFinder<AnyOf<'>', '"', '\''>> insides(s, n);
        m_out = &out;
        m_stops = &stops;
        m_insides = &insides;
        const qsizetype at = scan();
        m_out = nullptr;
        return stopAt(out, s, at);
    }

private:
    // Where the run stops. Between stops the scan is outside a tag from
    // `known` on, as far as tags that hold no quote allow it to know.
    qsizetype scan()
    {
        qsizetype p = 0;
        if (m_pending) {
            p = findTag(m_s, m_n, 0, m_pending.tag, m_pending.length);
            if (p < 0)
                return m_last ? m_n : std::max<qsizetype>(0, m_n - m_pending.length + 1);
            m_pending = {};
            if (!walkTag(p))
                return p;
            ++p;
        }
        qsizetype known = p;
        while (true) {
            const qsizetype from = p;
            p = m_stops->next(p);
            if (p == m_n || (!m_last && p >= m_n - kLookahead)) {
                // A tag open where the run stops is walked whole next time;
                // one open at the end of the text holds no quote.
                if (m_last)
                    return m_n;
                const qsizetype at = std::max(from, std::min(p, m_n - kLookahead));
                const qsizetype open = openTag(known, at);
                return open >= 0 ? open : at;
            }
            if (const qsizetype open = openTag(known, p); open >= 0) {
                p = open; // a quote, or what looked like a script, inside a tag
            } else if (m_s[p] == '<' && matchesAt(m_s, m_n, p, "<script")) {
                // Scripts, their start tags included, keep their quotes.
                const qsizetype end = findTag(m_s, m_n, p + 1, "</script");
                if (end < 0) {
                    if (m_last)
                        return m_n;
                    m_pending = {"</script", 8};
                    return std::max(p + 1, m_n - m_pending.length + 1);
                }
                p = end;
            }
            // A quote in text needs nothing.
            if (m_s[p] == '<' && !walkTag(p))
                return p;
            known = ++p;
        }
    }

    // The "<" that opened the tag a stop at `at` lies in, or -1 when it lies
    // outside tags; the scan is outside a tag at `known`. A "<" opens a tag
    // unless it is inside one already or begins "<!" (comments and
    // declarations are left as they are); the first ">" ends a tag that
    // holds no quote.
    qsizetype openTag(qsizetype known, qsizetype at) const
    {
        if (at <= known)
            return -1;
        const void *close = memrchr(m_s + known, '>', size_t(at - known));
        qsizetype k = close ? static_cast<const char *>(close) - m_s + 1 : known;
        for (k = findByte(m_s, at, k, '<'); k < at; k = findByte(m_s, at, k + 1, '<'))
            if (!(k + 1 < m_n && m_s[k + 1] == '!'))
                return k;
        return -1;
    }

    // Walks the tag opened at `p`, `p` moved to its ">" (or `n`, or past the
    // end when a quoted value never closes, which ends the pass). False when
    // the bytes end before the tag does and more are to come.
    bool walkTag(qsizetype &p)
    {
        const qsizetype end = walk(p);
        if (end == kNeedMore)
            return false;
        p = end < 0 ? m_n : end;
        return true;
    }

    static constexpr qsizetype kNeedMore = -2;

    // Walks the tag opened at `lt`; returns the index of its ">" (or `n`),
    // -1 when a quoted value never closes, which ends the pass, or kNeedMore
    // when the bytes end before the tag does and more are to come.
    qsizetype walk(qsizetype lt)
    {
        m_drops.clear();
        bool apostrophe = false; // then the tag keeps all its quotes
        qsizetype w = lt + 1;
        while (true) {
            w = m_insides->next(w);
            if (w == m_n && !m_last)
                return kNeedMore;
            if (w == m_n || m_s[w] == '>')
                break;
            const char quote = m_s[w];
            apostrophe = apostrophe || quote == '\'';
            if (!opensValue(lt, w)) {
                // A double quote opening no value quotes nothing; it goes.
                if (!apostrophe)
                    m_drops.push_back(w);
                ++w;
                continue;
            }
            Value value;
            const qsizetype close = quote == '"' ? closeValue(w, value) : findByte(m_s, m_n, w + 1, quote);
            if (!m_last && close + 1 >= m_n) // the value, or what follows it, is yet to come
                return kNeedMore;
            if (close == m_n) {
                w = -1;
                break;
            }
            // An apostrophe inside a double-quoted value counts as much as
            // one anywhere else in the tag.
            apostrophe = apostrophe || value.apostrophe;
            if (!apostrophe && !value.needsQuotes && !needsQuotes(w, close)) {
                m_drops.push_back(w);
                m_drops.push_back(close);
            }
            w = close + 1;
        }
        if (!apostrophe)
            for (qsizetype at : m_drops)
                m_out->drop(at, 1);
        return w;
    }

    // A quote opens a value when "=" comes before it, perhaps after spaces.
    bool opensValue(qsizetype lt, qsizetype quote) const
    {
        qsizetype i = quote - 1;
        while (i > lt && isSpace(m_s[i]))
            --i;
        return i > lt && m_s[i] == '=';
    }

    struct Value {
        bool needsQuotes = false; // it holds bytes a browser reports in a bare value
        bool apostrophe = false;
    };
    // The closing quote of the double-quoted value opened at `open`, or `n`,
    // with what the value's bytes say, found in one look at each: whether it
    // holds a byte that ends or alters a bare value, or that a browser
    // reports in one (white space, quotes, =, <, >, `).
    qsizetype closeValue(qsizetype open, Value &value) const
    {
        qsizetype i = open + 1;
        while (true) {
            i = findAnyOf<'"', ' ', '\t', '\n', '\r', '\f', '\'', '=', '<', '>', '`'>(m_s, m_n, i);
            if (i == m_n || m_s[i] == '"')
                return i;
            value.needsQuotes = true;
            if (m_s[i] == '\'') {
                value.apostrophe = true;
                return findByte(m_s, m_n, i + 1, '"');
            }
            ++i;
        }
    }

    // Whether the value quoted from `open` to `close` would read differently
    // bare for what lies around it: it would be empty, end early, or take in
    // what follows the closing quote (a "/" too). Its own bytes are
    // closeValue's.
    bool needsQuotes(qsizetype open, qsizetype close) const
    {
        if (close == open + 1 || close + 1 == m_n)
            return true;
        const char after = m_s[close + 1];
        return after != '>' && !isSpace(after);
    }

    const char *m_s = nullptr;
    qsizetype m_n = 0;
    bool m_last = false;
    Rewriter *m_out = nullptr;
    MaskFinder<QuoteStop> *m_stops = nullptr;
    MaskFinder<AnyOf<'>', '"', '\''>> *m_insides = nullptr; // what a tag's walk stops at
    std::vector<qsizetype> m_drops; // quotes the tag under way loses, in order
};

} // namespace

std::unique_ptr<Pass> quotePass()
{
    return std::make_unique<QuoteRemover>();
}

} // namespace tagloom::compressor
