// Quote removal. The scan walks each tag from its "<" to its ">" deleting
// double quotes, and then goes on from the byte after the "<", so a "<"
// inside a walked tag starts another walk over bytes already walked. Such a
// walk repeats the earlier one exactly (and changes nothing) unless it
// starts inside a value the earlier walk kept quoted; only then is it run,
// and only until it falls back into step with the earlier walk. That keeps
// the pass linear however many "<" a tag holds.
#include "codetools/html_compressor_passes.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace tagloom::compressor {

namespace {

// A "value=" or "alt=" match at `from` whose quoted text holds a space: the
// walk keeps its quotes and jumps from `from` to the byte after `close`.
struct KeptValue {
    qsizetype from;
    qsizetype close;
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
            if (!matchesLive(p, "<!") && nextAt(p, '\'', m_nextApos) >= nextAt(p, '>', m_nextGt))
                visitTag(p);
            ++p;
        }
    }

    void visitTag(qsizetype lt)
    {
        if (lt < m_walkedTo) {
            while (!m_kept.empty() && m_kept.front().close < lt)
                m_kept.pop_front();
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
        qsizetype end = m_n;
        bool inStep = false;
        while (w < m_n) {
            if (w <= m_walkedTo) {
                while (earlier < m_kept.size() && m_kept[earlier].close < w)
                    ++earlier;
                if (earlier == m_kept.size() || w <= m_kept[earlier].from) {
                    inStep = true; // from here on the latest walk's work stands
                    break;
                }
            }
            const char c = m_s[w];
            if (c == '>') {
                end = w;
                break;
            }
            if (c == '"') {
                markDead(w);
                ++w;
                continue;
            }
            const char lower = char(c | 0x20);
            qsizetype open = -1;
            if ((lower == 'v' && matchesLive(w, "value=\"", &open)) || (lower == 'a' && matchesLive(w, "alt=\"", &open))) {
                const qsizetype close = nextLiveQuote(open + 1);
                if (close < 0) {
                    m_ended = true; // a value without its closing quote ends the pass
                    return;
                }
                if (std::memchr(m_s + open + 1, ' ', size_t(close - open - 1))) {
                    m_found.push_back({w, close});
                    w = close + 1;
                    continue;
                }
            }
            ++w;
        }
        recordWalk(inStep ? w : end, inStep, earlier);
    }

    // Keeps m_kept describing the latest walk over every byte ahead.
    void recordWalk(qsizetype stop, bool inStep, size_t earlier)
    {
        if (!inStep && stop >= m_walkedTo) {
            m_kept.assign(m_found.begin(), m_found.end());
            m_walkedTo = stop;
            return;
        }
        m_kept.erase(m_kept.begin(), m_kept.begin() + qsizetype(earlier));
        // Stopped at a ">" inside an earlier kept value: its bytes up to
        // here now belong to this walk.
        if (!inStep && !m_kept.empty())
            m_kept.front().from = std::max(m_kept.front().from, stop);
        m_kept.insert(m_kept.begin(), m_found.begin(), m_found.end());
    }

    bool isDead(qsizetype i) const { return !m_dead.empty() && m_s[i] == '"' && m_dead[size_t(i)]; }

    void markDead(qsizetype i)
    {
        if (m_dead.empty())
            m_dead.assign(size_t(m_n), false);
        m_dead[size_t(i)] = true;
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
        ByteWriter out(outBytes);
        if (m_dead.empty()) {
            out.put(m_s, m_n);
            return out.size();
        }
        qsizetype i = 0;
        for (qsizetype q = findByte(m_s, m_n, 0, '"'); q < m_n; q = findByte(m_s, m_n, q + 1, '"')) {
            out.put(m_s + i, q - i);
            if (!m_dead[size_t(q)])
                out.put('"');
            i = q + 1;
        }
        out.put(m_s + i, m_n - i);
        return out.size();
    }

    const char *m_s;
    qsizetype m_n;
    std::vector<bool> m_dead; // deleted quotes, by input index; empty until the first
    qsizetype m_lastDead = -1;
    qsizetype m_walkedTo = -1;    // the last byte any walk has reached
    std::deque<KeptValue> m_kept; // the latest walk's kept values ahead of the scan
    std::vector<KeptValue> m_found;
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
