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

class QuoteRemover {
public:
    QuoteRemover(const char *s, qsizetype n, char *out) : m_s(s), m_n(n), m_out(s, out) {}

    qsizetype run()
    {
        scan();
        return m_out.finish(m_n);
    }

private:
    void scan()
    {
        qsizetype p = 0;
        while (true) {
            p = findByte(m_s, m_n, p, '<');
            if (p == m_n)
                return;
            // Scripts, their start tags included, keep their quotes.
            if (matchesAt(m_s, m_n, p, "<script")) {
                p = findTag(m_s, m_n, p + 1, "</script");
                if (p < 0)
                    return;
            }
            // Comments and declarations are left as they are.
            if (!matchesAt(m_s, m_n, p, "<!")) {
                p = walk(p);
                if (p < 0)
                    return;
            }
            ++p;
        }
    }

    // Walks the tag opened at `lt`; returns the index of its ">" (or `n`),
    // or -1 when a quoted value never closes, which ends the pass.
    qsizetype walk(qsizetype lt)
    {
        m_drops.clear();
        bool apostrophe = false; // then the tag keeps all its quotes
        qsizetype w = lt + 1;
        while (true) {
            w = findAnyOf<'>', '"', '\''>(m_s, m_n, w);
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
                m_out.drop(at, 1);
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

    const char *m_s;
    qsizetype m_n;
    Rewriter m_out;
    std::vector<qsizetype> m_drops; // quotes the tag under way loses, in order
};

} // namespace

qsizetype removeQuotes(const char *in, qsizetype n, char *out)
{
    return QuoteRemover(in, n, out).run();
}

} // namespace tagloom::compressor
