// Quote removal. The scan walks each tag from its "<" to its ">" deleting
// double quotes, and then goes on from the byte after the "<", so a "<"
// inside a walked tag starts another walk over bytes already walked. Such a
// walk repeats the earlier one exactly (and changes nothing) unless it
// starts inside a value the earlier walk kept quoted; only then is it run,
// and only until it falls back into step with the earlier walk. That keeps
// the pass linear however many "<" a tag holds.
#include "codetools/html_compressor_passes.h"

#include <algorithm>
#include <vector>

namespace tagloom::compressor {

namespace {

// A "value=" or "alt=" match at `from` whose quoted text holds a space: the
// walk keeps its quotes and jumps from `from` to the byte after `close`.
struct KeptValue {
    qsizetype from;
    qsizetype close;
};

// The kept values of the latest walks over the bytes ahead of the scan, in
// order; the scan drops them from the front as it passes them.
class KeptValues {
public:
    bool empty() const { return m_head == m_items.size(); }
    size_t size() const { return m_items.size() - m_head; }
    KeptValue &operator[](size_t i) { return m_items[m_head + i]; }
    KeptValue &front() { return m_items[m_head]; }
    void popFront(size_t count = 1) { m_head += count; }

    // Takes `values` instead of all there is; `values` gets the old storage.
    void replaceWith(std::vector<KeptValue> &values)
    {
        m_items.swap(values);
        m_head = 0;
    }

    void pushFront(const std::vector<KeptValue> &values)
    {
        if (values.size() <= m_head) {
            m_head -= values.size();
            std::copy(values.begin(), values.end(), m_items.begin() + qsizetype(m_head));
        } else {
            m_items.insert(m_items.begin() + qsizetype(m_head), values.begin(), values.end());
        }
    }

private:
    std::vector<KeptValue> m_items;
    size_t m_head = 0;
};

class QuoteRemover {
public:
    QuoteRemover(const char *s, qsizetype n) : m_s(s), m_n(n) {}

    qsizetype run(char *out)
    {
        scan();
        return writeLive(out);
    }

private:
    void scan()
    {
        qsizetype p = 0;
        while (!m_ended) {
            p = findByte(m_s, m_n, p, '<');
            if (p == m_n)
                break;
            // Scripts, their start tags included, keep their quotes.
            if (matchesLive(p, "<script")) {
                p = findLive(p + 1, "</script");
                if (p < 0)
                    break;
            }
            // Comments and declarations, and tags holding a single quote,
            // are left as they are.
            if (!matchesLive(p, "<!")) {
                const qsizetype apostrophe = nextAt(p, '\'', m_nextApos);
                if (apostrophe == m_n || apostrophe >= nextAt(p, '>', m_nextGt))
                    visitTag(p);
            }
            ++p;
        }
    }

    void visitTag(qsizetype lt)
    {
        if (lt < m_walkedTo) {
            while (!m_kept.empty() && m_kept.front().close < lt)
                m_kept.popFront();
            if (m_kept.empty() || lt <= m_kept.front().from)
                return; // in step with the latest walk here
            if (nextAt(lt, '>', m_nextGt) < m_kept.front().close)
                return; // stops at a ">" inside the kept value, no quote met
        }
        walk(lt + 1);
    }

    void walk(qsizetype from)
    {
        m_found.clear();
        size_t earlier = 0; // first kept value of the latest walk not yet passed
        qsizetype w = from;
        // Over bytes an earlier walk has been over: byte by byte, until in
        // step with that walk.
        while (w < m_n && w <= m_walkedTo) {
            while (earlier < m_kept.size() && m_kept[earlier].close < w)
                ++earlier;
            if (earlier == m_kept.size() || w <= m_kept[earlier].from) {
                recordWalk(w, true, earlier);
                return;
            }
            const char c = m_s[w];
            if (c == '>') {
                recordWalk(w, false, earlier);
                return;
            }
            if (c == '"') {
                markDead(w);
                ++w;
                continue;
            }
            qsizetype open = -1;
            const char lower = char(c | 0x20);
            if ((lower == 'v' && matchesLive(w, "value=\"", &open)) ||
                (lower == 'a' && matchesLive(w, "alt=\"", &open))) {
                const qsizetype keyword = w;
                if (!keepValue(keyword, open, w))
                    return;
                if (w != keyword)
                    continue;
            }
            ++w;
        }
        // New ground: only ">" and quotes matter, and a quote opens a value
        // when the walk has just passed "value=" or "alt=".
        qsizetype passed = w; // the walk has looked at every byte from here
        while (true) {
            w = findAnyOf<'>', '"'>(m_s, m_n, w);
            if (w == m_n || m_s[w] == '>') {
                recordWalk(w, false, earlier);
                return;
            }
            const qsizetype keyword = keywordBefore(w, passed);
            if (keyword >= 0) {
                const qsizetype before = w;
                if (!keepValue(keyword, w, w))
                    return;
                if (w != before) {
                    passed = w;
                    continue;
                }
            }
            markDead(w);
            ++w;
        }
    }

    // Where "value=" or "alt=" begins just before the quote at `quote`, if
    // the walk has looked at it (from `passed` on), else -1.
    qsizetype keywordBefore(qsizetype quote, qsizetype passed) const
    {
        if (quote - 6 >= passed && matchesAt(m_s, m_n, quote - 6, "value="))
            return quote - 6;
        if (quote - 4 >= passed && matchesAt(m_s, m_n, quote - 4, "alt="))
            return quote - 4;
        return -1;
    }

    // A value opened by the quote at `open` for the match at `keyword` keeps
    // its quotes when it holds a space: then `w` moves past it. False when
    // the value never closes, which ends the pass.
    bool keepValue(qsizetype keyword, qsizetype open, qsizetype &w)
    {
        const qsizetype close = nextLiveQuote(open + 1);
        if (close < 0) {
            m_ended = true;
            return false;
        }
        if (std::memchr(m_s + open + 1, ' ', size_t(close - open - 1))) {
            m_found.push_back({keyword, close});
            w = close + 1;
        }
        return true;
    }

    // Keeps m_kept describing the latest walk over every byte ahead.
    void recordWalk(qsizetype stop, bool inStep, size_t earlier)
    {
        if (!inStep && stop >= m_walkedTo) {
            m_kept.replaceWith(m_found);
            m_walkedTo = stop;
            return;
        }
        m_kept.popFront(earlier);
        // Stopped at a ">" inside an earlier kept value: its bytes up to
        // here now belong to this walk.
        if (!inStep && !m_kept.empty())
            m_kept.front().from = std::max(m_kept.front().from, stop);
        m_kept.pushFront(m_found);
    }

    bool isDead(qsizetype i) const
    {
        return !m_dead.empty() && m_s[i] == '"' && (m_dead[size_t(i) / 64] >> (i % 64) & 1);
    }

    void markDead(qsizetype i)
    {
        if (m_dead.empty())
            m_dead.assign(size_t(m_n) / 64 + 1, 0);
        m_dead[size_t(i) / 64] |= quint64(1) << (i % 64);
        m_lastDead = std::max(m_lastDead, i);
    }

    // A literal match over the bytes still present (deleted quotes skipped);
    // `last` receives the index of the last byte matched.
    template <size_t N>
    bool matchesLive(qsizetype at, const char (&literal)[N], qsizetype *last = nullptr) const
    {
        if (at > m_lastDead) {
            if (!matchesAt(m_s, m_n, at, literal))
                return false;
            if (last)
                *last = at + qsizetype(N) - 2;
            return true;
        }
        qsizetype i = at;
        for (size_t k = 0; k + 1 < N; ++k, ++i) {
            while (i < m_n && isDead(i))
                ++i;
            if (i >= m_n || lowerAscii(m_s[i]) != literal[k])
                return false;
        }
        if (last)
            *last = i - 1;
        return true;
    }

    template <size_t N>
    qsizetype findLive(qsizetype from, const char (&literal)[N]) const
    {
        for (qsizetype i = findByte(m_s, m_n, from, '<'); i < m_n; i = findByte(m_s, m_n, i + 1, '<'))
            if (matchesLive(i, literal))
                return i;
        return -1;
    }

    qsizetype nextLiveQuote(qsizetype from) const
    {
        for (qsizetype i = findByte(m_s, m_n, from, '"'); i < m_n; i = findByte(m_s, m_n, i + 1, '"'))
            if (!isDead(i))
                return i;
        return -1;
    }

    // The next `c` at or after the scan position `p`, through a cache: the
    // scan only moves forward and ">" and "'" are never deleted.
    qsizetype nextAt(qsizetype p, char c, qsizetype &cache) const
    {
        if (cache < p)
            cache = findByte(m_s, m_n, p, c);
        return cache;
    }

    qsizetype writeLive(char *outBytes) const
    {
        Rewriter out(m_s, outBytes);
        for (size_t word = 0; word < m_dead.size(); ++word)
            for (quint64 bits = m_dead[word]; bits != 0; bits &= bits - 1)
                out.drop(qsizetype(word * 64 + size_t(__builtin_ctzll(bits))), 1);
        return out.finish(m_n);
    }

    const char *m_s;
    qsizetype m_n;
    std::vector<quint64> m_dead; // deleted quotes, a bit per input byte; empty until the first
    qsizetype m_lastDead = -1;
    qsizetype m_walkedTo = -1; // the furthest byte any walk has reached
    KeptValues m_kept;
    std::vector<KeptValue> m_found; // kept values of the walk under way
    qsizetype m_nextGt = -1;
    qsizetype m_nextApos = -1;
    bool m_ended = false;
};

} // namespace

qsizetype removeQuotes(const char *in, qsizetype n, char *out)
{
    return QuoteRemover(in, n).run(out);
}

} // namespace tagloom::compressor
