#include "tags/tag_reference.h"

namespace tagloom {

namespace {

struct ReferenceGroup {
    const char *folder;
    std::initializer_list<const char *> names;
};

const ReferenceGroup kGroups[] = {
    {"html", {"html", "body", "doctype"}},
    {"block", {"address", "blockquote", "center", "div", "h1", "hr", "isindex", "noscript", "p", "pre"}},
    {"fontstyle", {"b", "i", "s", "small", "strike", "tt", "u"}},
    {"forms", {"button", "fieldset", "form", "input", "label", "legend", "optgroup", "option", "select", "textarea"}},
    {"frames", {"frame", "frameset", "noframes"}},
    {"head", {"base", "head", "link", "meta", "style", "title"}},
    {"lists", {"dd", "dir", "dl", "dt", "li", "menu", "ol", "ul"}},
    {"phrase", {"abbr", "acronym", "cite", "code", "del", "dfn", "em", "ins", "kbd", "samp", "strong", "var"}},
    {"special",
     {"a", "applet", "area", "basefont", "bdo", "br", "font", "iframe", "img", "map", "object", "param", "q", "script",
      "span", "sub", "sup"}},
    {"tables", {"caption", "col", "colgroup", "table", "tbody", "td", "tfoot", "th", "thead", "tr"}},
};

bool isWordCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

} // namespace

std::optional<QString> referencePageFor(const QString &word)
{
    for (const ReferenceGroup &group : kGroups) {
        for (const char *name : group.names) {
            const QString lower = QLatin1String(name);
            if (word == lower || word == lower.toUpper())
                return QStringLiteral("/Help/Reference/%1/%2.html").arg(QLatin1String(group.folder), lower);
        }
    }
    return std::nullopt;
}

std::optional<WordSpan> tagWordAt(const QString &line, int column)
{
    const qsizetype at = qsizetype(column) - 1;
    if (at < 0 || at >= line.size())
        return std::nullopt;
    // The caret touches a word when the character after it or the one
    // before it belongs to one.
    qsizetype start = at;
    if (!isWordCharacter(line[start])) {
        if (start == 0 || !isWordCharacter(line[start - 1]))
            return std::nullopt;
        --start;
    }
    qsizetype end = start;
    while (start > 0 && isWordCharacter(line[start - 1]))
        --start;
    while (end < line.size() && isWordCharacter(line[end]))
        ++end;
    return WordSpan{start, end};
}

} // namespace tagloom
