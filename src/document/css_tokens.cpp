#include "document/css_tokens.h"

namespace tagloom {

namespace {
// Only ASCII blanks: the text may be bytes seen one per character.
bool blank(QChar c)
{
    return c.unicode() <= 32;
}
} // namespace

QVector<CssToken> cssTokens(QStringView css)
{
    QVector<CssToken> tokens;
    const qsizetype n = css.size();
    int depth = 0;           // braces open
    bool inValue = false;    // after ':' inside a rule
    qsizetype i = 0;
    auto add = [&](qsizetype start, qsizetype end, CssKind kind) {
        if (end > start)
            tokens.append({start, end - start, kind});
    };
    while (i < n) {
        const QChar c = css.at(i);
        if (c == QLatin1Char('/') && i + 1 < n && css.at(i + 1) == QLatin1Char('*')) {
            const qsizetype close = css.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype end = close < 0 ? n : close + 2;
            add(i, end, CssKind::Comment);
            i = end;
            continue;
        }
        if (blank(c)) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('{')) {
            ++depth;
            inValue = false;
            ++i;
            continue;
        }
        if (c == QLatin1Char('}')) {
            depth = depth > 0 ? depth - 1 : 0;
            inValue = false;
            ++i;
            continue;
        }
        if (c == QLatin1Char(';')) {
            inValue = false;
            ++i;
            continue;
        }
        if (depth > 0 && !inValue && c == QLatin1Char(':')) {
            inValue = true;
            ++i;
            continue;
        }
        // A run up to the next character that ends this kind of token.
        const CssKind kind = c == QLatin1Char('@') && depth == 0 ? CssKind::AtRule
                             : depth == 0                        ? CssKind::Selector
                             : inValue                           ? CssKind::Value
                                                                 : CssKind::Property;
        qsizetype j = i;
        while (j < n) {
            const QChar d = css.at(j);
            if (d == QLatin1Char('{') || d == QLatin1Char('}') || d == QLatin1Char(';'))
                break;
            if (d == QLatin1Char('/') && j + 1 < n && css.at(j + 1) == QLatin1Char('*'))
                break;
            if (kind == CssKind::Property && (d == QLatin1Char(':') || blank(d)))
                break;
            ++j;
        }
        qsizetype end = j;
        while (end > i && blank(css.at(end - 1)))
            --end;
        add(i, end, kind);
        i = j;
    }
    return tokens;
}

QVector<StyleBlock> styleBlocks(QStringView html)
{
    QVector<StyleBlock> blocks;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = html.indexOf(QLatin1String("<style"), from, Qt::CaseInsensitive);
        if (open < 0)
            break;
        // "<styles" or "<style-x" is another tag.
        const qsizetype after = open + 6;
        if (after < html.size() && !blank(html.at(after)) && html.at(after) != QLatin1Char('>') &&
            html.at(after) != QLatin1Char('/')) {
            from = after;
            continue;
        }
        const qsizetype tagEnd = html.indexOf(QLatin1Char('>'), after);
        StyleBlock block;
        block.start = open;
        block.contentStart = tagEnd < 0 ? html.size() : tagEnd + 1;
        const qsizetype close = html.indexOf(QLatin1String("</style>"), block.contentStart, Qt::CaseInsensitive);
        block.contentEnd = close < 0 ? html.size() : close;
        block.end = close < 0 ? html.size() : close + 8;
        blocks.append(block);
        from = block.end;
        if (from >= html.size())
            break;
    }
    return blocks;
}

} // namespace tagloom
