#include "codetools/html_compressor_passes.h"
#include "codetools/html_compressor_stops.h"

namespace tagloom::compressor {

namespace {

// The end tag of a block at a "<" whose inside the replacing passes leave
// alone, or none. The block runs from the start tag to the end tag's "<";
// one without its end tag ends the pass, so the rest of the text is left
// alone too.
EndTag guardAfterLead(const char *s, qsizetype n, qsizetype at, bool textareaAndPre, bool scripts)
{
    const char next = lowerAscii(s[at + 1]);
    if (textareaAndPre && next == 't' && matchesAt(s, n, at, "<textarea"))
        return {"</textarea>", 11};
    if (textareaAndPre && next == 'p' && matchesAt(s, n, at, "<pre"))
        return {"</pre>", 6};
    if (scripts && next == 's' && matchesAt(s, n, at, "<script"))
        return {"</script>", 9};
    return {};
}

// Most tags are none of these: their second byte says so at once.
inline EndTag guardAt(const char *s, qsizetype n, qsizetype at, bool textareaAndPre, bool scripts)
{
    if (at + 1 >= n || !isGuardLead(s[at + 1]))
        return {};
    return guardAfterLead(s, n, at, textareaAndPre, scripts);
}

// A line break is deleted only next to mark-up or spaces, so that two words
// on either side of it do not run together.
bool mayDeleteBreak(const Rewriter &out, const char *s, qsizetype n, qsizetype at, qsizetype length)
{
    const char before = out.lastBefore(at);
    if (before == '>' || before == ' ')
        return true;
    if (at + length >= n)
        return false;
    const char after = s[at + length];
    return after == '<' || after == ' ' || after == '\r' || after == '\n';
}

// After the space between ">" and "<": the length of a following "<t",
// "</t", "<l", "</l", "<p" or "</p" (any case), or 0.
qsizetype blockTagLead(const char *s, qsizetype n, qsizetype at)
{
    if (at >= n || s[at] != '<')
        return 0;
    const qsizetype letter = at + 1 < n && s[at + 1] == '/' ? at + 2 : at + 1;
    if (letter >= n)
        return 0;
    const char c = lowerAscii(s[letter]);
    return c == 't' || c == 'l' || c == 'p' ? letter - at + 1 : 0;
}

struct TagSwap {
    const char *from;
    qsizetype fromLength;
    const char *to;
    qsizetype toLength;
};

const TagSwap kSimpleTags[] = {
    {"<strong>", 8, "<b>", 3}, {"</strong>", 9, "</b>", 4}, {"<em>", 4, "<i>", 3},
    {"</em>", 5, "</i>", 4},   {"<strike>", 8, "<s>", 3},   {"</strike>", 9, "</s>", 4},
};
const TagSwap kBlockquoteTags[] = {
    {"<blockquote>", 12, "<ul>", 4},
    {"</blockquote>", 13, "</ul>", 5},
};

// The swap whose tag stands at `at`, or nullptr.
const TagSwap *swapAt(const char *s, qsizetype n, qsizetype at, bool simpleTags, bool blockquoteToUl)
{
    const qsizetype letter = at + 1 < n && s[at + 1] == '/' ? at + 2 : at + 1;
    const char c = letter < n ? lowerAscii(s[letter]) : '\0';
    if (c != 's' && c != 'e' && c != 'b')
        return nullptr;
    if (simpleTags)
        for (const TagSwap &swap : kSimpleTags)
            if (matchesAt(s, n, at, swap.from, swap.fromLength))
                return &swap;
    if (blockquoteToUl)
        for (const TagSwap &swap : kBlockquoteTags)
            if (matchesAt(s, n, at, swap.from, swap.fromLength))
                return &swap;
    return nullptr;
}

// Where a run stops when the next stop lies at `stop` and the scan went on
// from `from`: a run given the whole text reads it all; one given part of
// it goes no closer to the end than the lookahead, unless it is past that
// already.
qsizetype stopBefore(qsizetype from, qsizetype stop, qsizetype n, bool last)
{
    return last ? n : std::max(from, std::min(stop, n - kLookahead));
}

// Whether a stop at `at` is too near the end of a piece to be decided.
bool tooNearTheEnd(qsizetype at, qsizetype n, bool last)
{
    return !last && at >= n - kLookahead;
}

// Whether a place lies inside a tag, for a pass that goes from a "<" to the
// next ">" and leaves what lies between alone: inside exactly when the last
// "<" or ">" before it is a "<" (a "<" inside a tag and a ">" outside one
// change nothing). Found by looking back to the last place asked about, so
// a pass need not stop at every tag to know. The bytes looked back over
// must still be the input: a pass writes only behind the places it has
// asked about.
class TagState {
public:
    // `inside` says the state at `from`.
    TagState(const char *s, bool inside, qsizetype from) : m_s(s), m_inside(inside), m_known(from) {}
    bool insideBefore(qsizetype at)
    {
        for (qsizetype k = at - 1; k >= m_known; --k) {
            if (m_s[k] == '<' || m_s[k] == '>') {
                m_inside = m_s[k] == '<';
                break;
            }
        }
        m_known = at;
        return m_inside;
    }
    // Outside a tag from `at` on (after a block or comment the pass skipped).
    void outsideFrom(qsizetype at)
    {
        m_known = at;
        m_inside = false;
    }

private:
    const char *m_s;
    bool m_inside;
    qsizetype m_known; // the state is known up to here
};

// Where a CR-led pass may have work: a CR, or a "<" that may open a guarded
// block or a web-bot comment. Other tags matter only as the places where a
// tag begins, which TagState finds when needed.
using CrLedStop = BreakStop<'\r', true>;

class LineBreaks : public PassBase {
public:
    LineBreaks(LineBreakPass pass, bool removeWebbots)
        : m_pass(pass),
          m_crLed(pass == LineBreakPass::CrCr || pass == LineBreakPass::CrLf || pass == LineBreakPass::Cr),
          m_guardScripts(pass != LineBreakPass::CrCr && pass != LineBreakPass::LfLf), m_webbots(removeWebbots)
    {
    }

    Progress run(const char *s, qsizetype n, char *outBytes, bool last) override
    {
        Rewriter out(s, outBytes, m_lastOut);
        Progress stopped{};
        const bool wasInBlock = bool(m_pending);
        const std::optional<qsizetype> resume = resumeAfterBlock(out, s, n, last, stopped);
        if (!resume)
            return stopped;
        if (wasInBlock)
            m_inTag = false;
        qsizetype i = *resume;
        return m_crLed ? runCrLed(out, s, n, i, last) : runLfLed(out, s, n, i, last);
    }

private:
    // The CR-led passes leave the inside of every tag alone.
    Progress runCrLed(Rewriter &out, const char *s, qsizetype n, qsizetype i, bool last)
    {
        TagState tags(s, m_inTag, i);
        MaskFinder<CrLedStop> stops(s, n);
        while (true) {
            const qsizetype from = i;
            i = stops.next(i);
            if (i == n || tooNearTheEnd(i, n, last)) {
                const qsizetype at = stopBefore(from, i, n, last);
                m_inTag = tags.insideBefore(at);
                return stopAt(out, s, at);
            }
            if (tags.insideBefore(i)) {
                ++i;
                continue;
            }
            if (s[i] == '\r') {
                i = lineBreak(out, s, n, i, last);
                if (i < 0) {
                    m_inTag = false;
                    return stopAt(out, s, -i - 1);
                }
                continue;
            }
            if (const EndTag guard = guardAt(s, n, i, true, m_guardScripts)) {
                const qsizetype end = findTag(s, n, i + 1, guard.tag, guard.length);
                if (end < 0)
                    return last ? stopAt(out, s, n) : stopInBlock(out, s, n, i + 1, guard);
                i = end + 1;
                tags.outsideFrom(i);
                continue;
            }
            if (m_webbots && matchesAt(s, n, i, "<!--webbot")) {
                const qsizetype close = findByte(s, n, i, '>');
                if (close < n) {
                    // What followed the comment is examined like any other text.
                    out.drop(i, close + 1 - i);
                    i = close + 1;
                    tags.outsideFrom(i);
                    continue;
                }
                if (!last) { // the comment may yet end
                    m_inTag = false;
                    return stopAt(out, s, i);
                }
            }
            ++i; // a tag begins: its inside is left alone, and without a ">" so is the rest
        }
    }

    // The LF-led passes are not held back by tags.
    Progress runLfLed(Rewriter &out, const char *s, qsizetype n, qsizetype i, bool last)
    {
        MaskFinder<BreakStop<'\n', false>> stops(s, n);
        while (true) {
            const qsizetype from = i;
            i = stops.next(i);
            if (i == n || tooNearTheEnd(i, n, last))
                return stopAt(out, s, stopBefore(from, i, n, last));
            if (s[i] != '<') {
                i = lineBreak(out, s, n, i, last);
                if (i < 0)
                    return stopAt(out, s, -i - 1);
                continue;
            }
            if (const EndTag guard = guardAt(s, n, i, true, m_guardScripts)) {
                const qsizetype end = findTag(s, n, i + 1, guard.tag, guard.length);
                if (end < 0)
                    return last ? stopAt(out, s, n) : stopInBlock(out, s, n, i + 1, guard);
                i = end + 1;
                continue;
            }
            ++i;
        }
    }

    // The line break at `i`, kept or deleted; where the scan goes on, or
    // -1 - i when the run of breaks may go on past the end of the bytes.
    qsizetype lineBreak(Rewriter &out, const char *s, qsizetype n, qsizetype i, bool last)
    {
        qsizetype dropped = 0; // line breaks deleted at i
        qsizetype kept = 1;    // and kept after them
        switch (m_pass) {
        case LineBreakPass::CrCr:
        case LineBreakPass::LfLf:
            // Dropping the first of two leaves a run that shrinks to one.
            while (i + dropped + 1 < n && s[i + dropped + 1] == s[i])
                ++dropped;
            if (!last && i + dropped + 1 == n)
                return -1 - i;
            break;
        case LineBreakPass::CrLf:
            if (i + 1 < n && s[i + 1] == '\n' && mayDeleteBreak(out, s, n, i, 2)) {
                dropped = 2;
                kept = 0;
            }
            break;
        case LineBreakPass::Cr:
        case LineBreakPass::Lf:
            if (mayDeleteBreak(out, s, n, i, 1)) {
                dropped = 1;
                kept = 0;
            }
            break;
        }
        if (dropped > 0)
            out.drop(i, dropped);
        return i + dropped + kept;
    }

    const LineBreakPass m_pass;
    const bool m_crLed;
    const bool m_guardScripts;
    const bool m_webbots;
    bool m_inTag = false; // an earlier run of a CR-led pass ended inside a tag
};

class Spaces : public PassBase {
public:
    Progress run(const char *s, qsizetype n, char *outBytes, bool last) override
    {
        Rewriter out(s, outBytes, m_lastOut);
        Progress stopped{};
        const std::optional<qsizetype> resume = resumeAfterBlock(out, s, n, last, stopped);
        if (!resume)
            return stopped;
        qsizetype i = *resume;
        MaskFinder<SpaceStop> stops(s, n);
        while (true) {
            const qsizetype from = i;
            i = i > 0 ? stops.next(i) : spaceStopAtStart(s, n, m_lastIn) ? 0 : stops.next(1);
            if (i == n || tooNearTheEnd(i, n, last))
                return stopAt(out, s, stopBefore(from, i, n, last));
            if (s[i] != ' ') {
                const EndTag guard = guardAt(s, n, i, true, true);
                if (!guard) {
                    ++i;
                    continue;
                }
                const qsizetype end = findTag(s, n, i + 1, guard.tag, guard.length);
                if (end < 0)
                    return last ? stopAt(out, s, n) : stopInBlock(out, s, n, i + 1, guard);
                i = end + 1;
                continue;
            }
            qsizetype end = i + 1;
            while (end < n && s[end] == ' ')
                ++end;
            if (tooNearTheEnd(end, n, last)) // the run, or what follows it, may go on
                return stopAt(out, s, i);
            if (end < n && s[end] == '>') {
                out.drop(i, end - i);
                i = end;
                continue;
            }
            const qsizetype lead = out.lastBefore(i) == '>' ? blockTagLead(s, n, end) : 0;
            if (lead == 0) {
                if (end - i > 1)
                    out.drop(i + 1, end - i - 1);
                i = end;
                continue;
            }
            // "> <td": the space goes and the tag's lead is written in lower
            // case; a <textarea> or <pre> may still start here. (Look before
            // writing: the output may overlay these bytes.)
            const EndTag guard = guardAt(s, n, end, true, true);
            char lower[3];
            for (qsizetype k = 0; k < lead; ++k)
                lower[k] = lowerAscii(s[end + k]);
            out.replace(i, end + lead - i, lower, lead);
            i = end + lead;
            if (!guard)
                continue;
            const qsizetype close = findTag(s, n, end + 1, guard.tag, guard.length);
            if (close < 0)
                return last ? stopAt(out, s, n) : stopInBlock(out, s, n, i, guard);
            i = close + 1;
        }
    }
};

class TagNames : public PassBase {
public:
    TagNames(bool simpleTags, bool blockquoteToUl) : m_simpleTags(simpleTags), m_blockquoteToUl(blockquoteToUl) {}

    Progress run(const char *s, qsizetype n, char *outBytes, bool last) override
    {
        Rewriter out(s, outBytes, m_lastOut);
        Progress stopped{};
        const std::optional<qsizetype> resume = resumeAfterBlock(out, s, n, last, stopped);
        if (!resume)
            return stopped;
        qsizetype i = *resume;
        MaskFinder<SwapStop> stops(s, n);
        while (true) {
            const qsizetype from = i;
            i = stops.next(i);
            if (i == n || tooNearTheEnd(i, n, last))
                return stopAt(out, s, stopBefore(from, i, n, last));
            if (const EndTag guard = guardAt(s, n, i, false, true)) {
                const qsizetype end = findTag(s, n, i + 1, guard.tag, guard.length);
                if (end < 0)
                    return last ? stopAt(out, s, n) : stopInBlock(out, s, n, i + 1, guard);
                i = end + 1;
            } else if (const TagSwap *swap = swapAt(s, n, i, m_simpleTags, m_blockquoteToUl)) {
                out.replace(i, swap->fromLength, swap->to, swap->toLength);
                i += swap->fromLength;
            } else {
                ++i;
            }
        }
    }

private:
    const bool m_simpleTags;
    const bool m_blockquoteToUl;
};

class CentredParagraphs : public PassBase {
public:
    explicit CentredParagraphs(const char *opening)
        : m_opening(opening), m_openingLength(qsizetype(std::strlen(opening)))
    {
    }

    Progress run(const char *s, qsizetype n, char *outBytes, bool last) override
    {
        Rewriter out(s, outBytes, m_lastOut);
        qsizetype i = 0;
        while (i < n) {
            const qsizetype open = findTag(s, n, i, m_opening, m_openingLength);
            if (open < 0)
                return stopAt(out, s, last ? n : std::max(i, n - m_openingLength + 1));
            // Each opening pairs with the next "</p>", whatever lies between.
            // An opening without one stays as it is: a <center> left open
            // would centre the rest of the page.
            const qsizetype close = findTag(s, n, open + m_openingLength, "</p>");
            if (close < 0)
                return stopAt(out, s, last ? n : open);
            out.replace(open, m_openingLength, "<center>", 8);
            out.replace(close, 4, "</center>", 9);
            i = close + 4;
        }
        return stopAt(out, s, n);
    }

private:
    const char *m_opening;
    const qsizetype m_openingLength;
};

} // namespace

std::unique_ptr<Pass> lineBreakPass(LineBreakPass pass, bool removeWebbots)
{
    return std::make_unique<LineBreaks>(pass, removeWebbots);
}

std::unique_ptr<Pass> spacePass()
{
    return std::make_unique<Spaces>();
}

std::unique_ptr<Pass> tagPass(bool simpleTags, bool blockquoteToUl)
{
    return std::make_unique<TagNames>(simpleTags, blockquoteToUl);
}

std::unique_ptr<Pass> centrePass(const char *opening)
{
    return std::make_unique<CentredParagraphs>(opening);
}

} // namespace tagloom::compressor
