// Quote removal. Each tag is walked once, from its "<" to the ">" that ends
// it for a browser (not one inside a quoted value), and the scan goes on
// after that ">": a "<" inside a tag is part of the tag, not another tag.
// A double-quoted value loses its quotes only where the bare value reads
// the same to a browser, so the pass never changes a page's attributes. A
// tag holding a single quote anywhere, inside a quoted value too, keeps
// every quote as written.
#include "codetools/html_compressor_passes.h"

#include <vector>

namespace tagloom::compressor {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Bytes that end or alter a bare value, or that a browser reports in one.
struct NeedsQuotesTable {
    bool byte[256] = {};
    constexpr NeedsQuotesTable()
    {
        for (unsigned char c : {' ', '\t', '\n', '\r', '\f', '"', '\'', '=', '<', '>', '`'})
            byte[c] = true;
    }
};
constexpr NeedsQuotesTable kNeedsQuotes;

class QuoteRemover : public PassBase {
public:
    Progress run(const char *s, qsizetype n, char *outBytes, bool last) override
    {
        m_s = s;
        m_n = n;
        m_last = last;
        Rewriter out(s, outBytes, m_lastOut);
        m_out = &out;
        const qsizetype at = scan();
        m_out = nullptr;
        return stopAt(out, s, at);
    }

private:
    // Where the run stops.
    qsizetype scan()
    {
        qsizetype p = 0;
        if (m_pending) {
            p = findTag(m_s, m_n, 0, m_pending.tag, m_pending.length);
            if (p < 0)
                return m_last ? m_n : std::max<qsizetype>(0, m_n - m_pending.length + 1);
            m_pending = {};
            if (const qsizetype end = tagAt(p); end != kContinue)
                return end;
            ++p;
        }
        while (true) {
            p = findByte(m_s, m_n, p, '<');
            if (p == m_n)
                return m_n;
            if (!m_last && p >= m_n - kLookahead)
                return p;
            // Scripts, their start tags included, keep their quotes.
            if (matchesAt(m_s, m_n, p, "<script")) {
                const qsizetype end = findTag(m_s, m_n, p + 1, "</script");
                if (end < 0) {
                    if (m_last)
                        return m_n;
                    m_pending = {"</script", 8};
                    return std::max(p + 1, m_n - m_pending.length + 1);
                }
                p = end;
            }
            if (const qsizetype end = tagAt(p); end != kContinue)
                return end;
            ++p;
        }
    }

    static constexpr qsizetype kContinue = -1;

    // The tag at `p` walked, `p` moved to its ">"; kContinue, or where the
    // run stops.
    qsizetype tagAt(qsizetype &p)
    {
        // Comments and declarations are left as they are.
        if (matchesAt(m_s, m_n, p, "<!"))
            return kContinue;
        const qsizetype lt = p;
        p = walk(lt);
        if (p == kNeedMore)
            return lt;
        return p < 0 ? m_n : kContinue;
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
            w = findAnyOf<'>', '"', '\''>(m_s, m_n, w);
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
            const qsizetype close = findByte(m_s, m_n, w + 1, quote);
            if (!m_last && close + 1 >= m_n) // the value, or what follows it, is yet to come
                return kNeedMore;
            if (close == m_n) {
                w = -1;
                break;
            }
            // An apostrophe inside a double-quoted value counts as much as
            // one anywhere else in the tag.
            apostrophe = apostrophe || findByte(m_s, close, w + 1, '\'') < close;
            if (!apostrophe && !needsQuotes(w, close)) {
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

    // Whether the value quoted from `open` to `close` would read differently
    // bare: it would be empty, end early, take in what follows the closing
    // quote (a "/" too), or hold bytes a browser reports in a bare value.
    bool needsQuotes(qsizetype open, qsizetype close) const
    {
        if (close == open + 1 || close + 1 == m_n)
            return true;
        const char after = m_s[close + 1];
        if (after != '>' && !isSpace(after))
            return true;
        for (qsizetype i = open + 1; i < close; ++i)
            if (kNeedsQuotes.byte[static_cast<unsigned char>(m_s[i])])
                return true;
        return false;
    }

    const char *m_s = nullptr;
    qsizetype m_n = 0;
    bool m_last = false;
    Rewriter *m_out = nullptr;
    std::vector<qsizetype> m_drops; // quotes the tag under way loses, in order
};

} // namespace

std::unique_ptr<Pass> quotePass()
{
    return std::make_unique<QuoteRemover>();
}

} // namespace tagloom::compressor
