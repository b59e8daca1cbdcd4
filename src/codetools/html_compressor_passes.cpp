#include "codetools/html_compressor_passes.h"

namespace tagloom::compressor {

namespace {

#ifdef __SSE2__
__m128i loadAt(const char *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}
__m128i equals(__m128i block, char c)
{
    return _mm_cmpeq_epi8(block, _mm_set1_epi8(c));
}
__m128i folded(__m128i block)
{
    return _mm_or_si128(block, _mm_set1_epi8(0x20));
}
#endif

bool isGuardLead(char c)
{
    c = char(c | 0x20);
    return c == 't' || c == 'p' || c == 's';
}

// Where the space pass may have work: a space in a run, before ">" or after
// ">", or a "<" that may open a guarded block. Most spaces in text are none
// of these.
qsizetype nextSpaceStop(const char *s, qsizetype n, qsizetype from)
{
    const auto isStop = [s, n](qsizetype i) {
        if (s[i] == ' ')
            return (i > 0 && s[i - 1] == '>') || (i + 1 < n && (s[i + 1] == ' ' || s[i + 1] == '>'));
        return s[i] == '<' && i + 1 < n && isGuardLead(s[i + 1]);
    };
    if (from == 0 && n > 0) {
        if (isStop(0))
            return 0;
        from = 1;
    }
#ifdef __SSE2__
    for (; from + 17 <= n; from += 16) {
        const __m128i prev = loadAt(s + from - 1);
        const __m128i here = loadAt(s + from);
        const __m128i next = loadAt(s + from + 1);
        const __m128i nextFolded = folded(next);
        const __m128i space = _mm_and_si128(
            equals(here, ' '), _mm_or_si128(equals(prev, '>'), _mm_or_si128(equals(next, ' '), equals(next, '>'))));
        const __m128i guard = _mm_and_si128(
            equals(here, '<'),
            _mm_or_si128(equals(nextFolded, 't'), _mm_or_si128(equals(nextFolded, 'p'), equals(nextFolded, 's'))));
        if (const int mask = _mm_movemask_epi8(_mm_or_si128(space, guard)))
            return from + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; from < n; ++from)
        if (isStop(from))
            return from;
    return n;
}

bool isSwapLead(char c)
{
    c = char(c | 0x20);
    return c == 's' || c == 'e' || c == 'b';
}

// Where the tag pass may have work: "<" or "</" followed by s, e or b (any
// case), which covers the swapped tags and <script>.
qsizetype nextSwapStop(const char *s, qsizetype n, qsizetype from)
{
    const auto isStop = [s, n](qsizetype i) {
        return s[i] == '<' && i + 1 < n &&
               (isSwapLead(s[i + 1]) || (s[i + 1] == '/' && i + 2 < n && isSwapLead(s[i + 2])));
    };
#ifdef __SSE2__
    for (; from + 18 <= n; from += 16) {
        const __m128i next = folded(loadAt(s + from + 1));
        const __m128i afterSlash = folded(loadAt(s + from + 2));
        const __m128i lead = _mm_or_si128(equals(next, 's'), _mm_or_si128(equals(next, 'e'), equals(next, 'b')));
        const __m128i slashLead =
            _mm_and_si128(equals(next, '/'), _mm_or_si128(equals(afterSlash, 's'),
                                                          _mm_or_si128(equals(afterSlash, 'e'), equals(afterSlash, 'b'))));
        const __m128i hits = _mm_and_si128(equals(loadAt(s + from), '<'), _mm_or_si128(lead, slashLead));
        if (const int mask = _mm_movemask_epi8(hits))
            return from + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; from < n; ++from)
        if (isStop(from))
            return from;
    return n;
}

// A block at a "<" whose inside the replacing passes leave alone: from the
// start tag up to the matching end tag's "<". A block without its end tag
// ends the pass, so the rest of the text is left alone too.
struct Guarded {
    enum Kind { None, Closed, Unclosed } kind = None;
    qsizetype endTag = -1; // the end tag's "<", when Closed
};

Guarded closedAt(const char *s, qsizetype n, qsizetype at, const char *endTag, qsizetype length)
{
    const qsizetype end = findTag(s, n, at + 1, endTag, length);
    return end < 0 ? Guarded{Guarded::Unclosed, -1} : Guarded{Guarded::Closed, end};
}

Guarded guardedBlock(const char *s, qsizetype n, qsizetype at, bool textareaAndPre, bool scripts)
{
    if (at + 1 >= n)
        return {};
    const char next = lowerAscii(s[at + 1]);
    if (textareaAndPre && next == 't' && matchesAt(s, n, at, "<textarea"))
        return closedAt(s, n, at, "</textarea>", 11);
    if (textareaAndPre && next == 'p' && matchesAt(s, n, at, "<pre"))
        return closedAt(s, n, at, "</pre>", 6);
    if (scripts && next == 's' && matchesAt(s, n, at, "<script"))
        return closedAt(s, n, at, "</script>", 9);
    return {};
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

} // namespace

qsizetype removeLineBreaks(const char *s, qsizetype n, char *outBytes, LineBreakPass pass, bool removeWebbots)
{
    const bool crLed = pass == LineBreakPass::CrCr || pass == LineBreakPass::CrLf || pass == LineBreakPass::Cr;
    const bool guardScripts = pass != LineBreakPass::CrCr && pass != LineBreakPass::LfLf;
    Rewriter out(s, outBytes);
    qsizetype i = 0;
    while (true) {
        // The CR-led passes stop at every tag; the others only where a
        // guarded block may start.
        i = crLed ? findAnyOf<'<', '\r'>(s, n, i) : findStop<'\n', 't', 'p', 's'>(s, n, i);
        if (i == n)
            break;
        if (s[i] == '<') {
            const Guarded block = guardedBlock(s, n, i, true, guardScripts);
            if (block.kind == Guarded::Unclosed)
                break;
            if (block.kind == Guarded::Closed) {
                i = block.endTag + 1;
                continue;
            }
            if (!crLed) {
                ++i;
                continue;
            }
            if (removeWebbots && matchesAt(s, n, i, "<!--webbot")) {
                const qsizetype close = findByte(s, n, i, '>');
                if (close < n) {
                    // What followed the comment is examined like any other text.
                    out.drop(i, close + 1 - i);
                    i = close + 1;
                    continue;
                }
            }
            // The CR-led passes leave the inside of every tag alone; a tag
            // without its ">" ends the pass.
            i = findByte(s, n, i, '>');
            if (i == n)
                break;
            ++i;
            continue;
        }
        qsizetype dropped = 0; // line breaks deleted at i
        qsizetype kept = 1;    // and kept after them
        switch (pass) {
        case LineBreakPass::CrCr:
        case LineBreakPass::LfLf:
            // Dropping the first of two leaves a run that shrinks to one.
            while (i + dropped + 1 < n && s[i + dropped + 1] == s[i])
                ++dropped;
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
        i += dropped + kept;
    }
    return out.finish(n);
}

qsizetype squeezeSpaces(const char *s, qsizetype n, char *outBytes)
{
    Rewriter out(s, outBytes);
    qsizetype i = 0;
    while (true) {
        i = nextSpaceStop(s, n, i);
        if (i == n)
            break;
        if (s[i] == ' ') {
            qsizetype end = i + 1;
            while (end < n && s[end] == ' ')
                ++end;
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
            const Guarded block = guardedBlock(s, n, end, true, true);
            char lower[3];
            for (qsizetype k = 0; k < lead; ++k)
                lower[k] = lowerAscii(s[end + k]);
            out.replace(i, end + lead - i, lower, lead);
            if (block.kind == Guarded::Unclosed)
                break;
            i = block.kind == Guarded::Closed ? block.endTag + 1 : end + lead;
            continue;
        }
        const Guarded block = guardedBlock(s, n, i, true, true);
        if (block.kind == Guarded::Unclosed)
            break;
        i = block.kind == Guarded::Closed ? block.endTag + 1 : i + 1;
    }
    return out.finish(n);
}

qsizetype shortenTags(const char *s, qsizetype n, char *outBytes, bool simpleTags, bool blockquoteToUl)
{
    Rewriter out(s, outBytes);
    qsizetype i = 0;
    while (true) {
        i = nextSwapStop(s, n, i);
        if (i == n)
            break;
        const Guarded block = guardedBlock(s, n, i, false, true);
        if (block.kind == Guarded::Unclosed)
            break;
        if (block.kind == Guarded::Closed) {
            i = block.endTag + 1;
        } else if (const TagSwap *swap = swapAt(s, n, i, simpleTags, blockquoteToUl)) {
            out.replace(i, swap->fromLength, swap->to, swap->toLength);
            i += swap->fromLength;
        } else {
            ++i;
        }
    }
    return out.finish(n);
}

qsizetype centreParagraphs(const char *s, qsizetype n, char *outBytes, const char *opening)
{
    const qsizetype openingLength = qsizetype(std::strlen(opening));
    Rewriter out(s, outBytes);
    qsizetype i = 0;
    while (i < n) {
        const qsizetype open = findTag(s, n, i, opening, openingLength);
        if (open < 0)
            break;
        // Each opening pairs with the next "</p>", whatever lies between. An
        // opening without one stays as it is: a <center> left open would
        // centre the rest of the page.
        const qsizetype close = findTag(s, n, open + openingLength, "</p>");
        if (close < 0)
            break;
        out.replace(open, openingLength, "<center>", 8);
        out.replace(close, 4, "</center>", 9);
        i = close + 4;
    }
    return out.finish(n);
}

} // namespace tagloom::compressor
