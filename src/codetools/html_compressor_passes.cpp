#include "codetools/html_compressor_passes.h"

namespace tagloom::compressor {

namespace {

// The index of the next `a` or `b` at or after `from`, or `n`.
qsizetype findEither(const char *s, qsizetype n, qsizetype from, char a, char b)
{
    while (from < n && s[from] != a && s[from] != b)
        ++from;
    return from;
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
bool mayDeleteBreak(const ByteWriter &out, const char *s, qsizetype n, qsizetype at, qsizetype length)
{
    if (!out.empty() && (out.last() == '>' || out.last() == ' '))
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
    const char lead = crLed ? '\r' : '\n';
    ByteWriter out(outBytes);
    qsizetype i = 0;
    while (i < n) {
        const qsizetype next = findEither(s, n, i, '<', lead);
        out.put(s + i, next - i);
        i = next;
        if (i == n)
            break;
        if (s[i] == '<') {
            const Guarded block = guardedBlock(s, n, i, true, guardScripts);
            if (block.kind == Guarded::Unclosed)
                break;
            if (block.kind == Guarded::Closed) {
                out.put(s + i, block.endTag + 1 - i);
                i = block.endTag + 1;
                continue;
            }
            if (!crLed) {
                out.put(s[i++]);
                continue;
            }
            if (removeWebbots && matchesAt(s, n, i, "<!--webbot")) {
                const qsizetype close = findByte(s, n, i, '>');
                if (close < n) {
                    // What followed the comment is examined like any other text.
                    i = close + 1;
                    continue;
                }
            }
            // The CR-led passes leave the inside of every tag alone; a tag
            // without its ">" ends the pass.
            const qsizetype close = findByte(s, n, i, '>');
            if (close == n)
                break;
            out.put(s + i, close + 1 - i);
            i = close + 1;
            continue;
        }
        switch (pass) {
        case LineBreakPass::CrCr:
        case LineBreakPass::LfLf:
            // Dropping the first of two leaves a run to shrink to one.
            if (i + 1 < n && s[i + 1] == lead) {
                ++i;
                continue;
            }
            break;
        case LineBreakPass::CrLf:
            if (i + 1 < n && s[i + 1] == '\n' && mayDeleteBreak(out, s, n, i, 2)) {
                i += 2;
                continue;
            }
            break;
        case LineBreakPass::Cr:
        case LineBreakPass::Lf:
            if (mayDeleteBreak(out, s, n, i, 1)) {
                ++i;
                continue;
            }
            break;
        }
        out.put(s[i++]);
    }
    out.put(s + i, n - i);
    return out.size();
}

qsizetype squeezeSpaces(const char *s, qsizetype n, char *outBytes)
{
    ByteWriter out(outBytes);
    qsizetype i = 0;
    while (i < n) {
        const qsizetype next = findEither(s, n, i, '<', ' ');
        out.put(s + i, next - i);
        i = next;
        if (i == n)
            break;
        qsizetype from = i; // where the bytes still to copy begin
        if (s[i] == ' ') {
            qsizetype end = i + 1;
            while (end < n && s[end] == ' ')
                ++end;
            if (end < n && s[end] == '>') {
                i = end;
                continue;
            }
            const qsizetype lead = !out.empty() && out.last() == '>' ? blockTagLead(s, n, end) : 0;
            if (lead == 0) {
                out.put(' ');
                i = end;
                continue;
            }
            // "> <td": the space goes and the tag's lead is written in lower
            // case; a <textarea> or <pre> may still start here.
            for (qsizetype k = end; k < end + lead; ++k)
                out.put(lowerAscii(s[k]));
            i = end;
            from = end + lead;
        }
        const Guarded block = guardedBlock(s, n, i, true, true);
        if (block.kind == Guarded::Unclosed) {
            i = from;
            break;
        }
        const qsizetype resume = block.kind == Guarded::Closed ? block.endTag + 1 : i == from ? i + 1 : from;
        out.put(s + from, resume - from);
        i = resume;
    }
    out.put(s + i, n - i);
    return out.size();
}

qsizetype shortenTags(const char *s, qsizetype n, char *outBytes, bool simpleTags, bool blockquoteToUl)
{
    ByteWriter out(outBytes);
    qsizetype i = 0;
    while (i < n) {
        const qsizetype next = findByte(s, n, i, '<');
        out.put(s + i, next - i);
        i = next;
        if (i == n)
            break;
        const Guarded block = guardedBlock(s, n, i, false, true);
        if (block.kind == Guarded::Unclosed)
            break;
        if (block.kind == Guarded::Closed) {
            out.put(s + i, block.endTag + 1 - i);
            i = block.endTag + 1;
        } else if (const TagSwap *swap = swapAt(s, n, i, simpleTags, blockquoteToUl)) {
            out.put(swap->to, swap->toLength);
            i += swap->fromLength;
        } else {
            out.put(s[i++]);
        }
    }
    out.put(s + i, n - i);
    return out.size();
}

qsizetype centreParagraphs(const char *s, qsizetype n, char *outBytes, const char *opening)
{
    const qsizetype openingLength = qsizetype(std::strlen(opening));
    ByteWriter out(outBytes);
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
        out.put(s + i, open - i);
        out.put("<center>", 8);
        out.put(s + open + openingLength, close - open - openingLength);
        out.put("</center>", 9);
        i = close + 4;
    }
    out.put(s + i, n - i);
    return out.size();
}

} // namespace tagloom::compressor
