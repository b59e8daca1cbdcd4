#include "document/text_search.h"

#include <algorithm>
#include <climits>

namespace tagloom {

namespace {

// Lower-cased one unit at a time, so indices in the result are those of the
// original text.
QString lowered(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = c.toLower();
    return out;
}

bool isWordCharacter(QChar c)
{
    return c.isLetter() || c.isDigit();
}

bool standsAlone(const QString &line, int index, int length)
{
    const bool before = index > 0 && isWordCharacter(line.at(index - 1));
    const bool after = index + length < line.size() && isWordCharacter(line.at(index + length));
    return !before && !after;
}

// UTF-16 index <-> character column.
int columnOf(const QString &line, int index)
{
    return static_cast<int>(line.left(index).toUcs4().size()) + 1;
}

int indexOfColumn(const QString &line, int column)
{
    int index = 0;
    for (int c = 1; c < column && index < line.size(); ++c)
        index += line.at(index).isHighSurrogate() && index + 1 < line.size() ? 2 : 1;
    return index;
}

// Forwards: the first match starting at or after `from`; backwards: the last
// one ending at or before `to`.
int matchInLine(const QString &line, const QString &needle, const SearchOptions &options, int limit)
{
    if (!options.backwards) {
        for (int at = line.indexOf(needle, limit); at >= 0; at = line.indexOf(needle, at + 1))
            if (!options.wholeWord || standsAlone(line, at, needle.size()))
                return at;
        return -1;
    }
    int from = limit - needle.size();
    while (from >= 0) {
        const int at = line.lastIndexOf(needle, from);
        if (at < 0)
            return -1;
        if (!options.wholeWord || standsAlone(line, at, needle.size()))
            return at;
        from = at - 1;
    }
    return -1;
}

} // namespace

std::optional<SearchMatch> findText(const QStringList &lines, TextPosition caret, const QString &needle,
                                    const SearchOptions &options)
{
    if (needle.isEmpty() || lines.isEmpty())
        return std::nullopt;
    const QString pattern = options.matchCase ? needle : lowered(needle);
    const int caretLine = std::clamp(caret.line, 1, int(lines.size()));
    const int step = options.backwards ? -1 : 1;
    for (int n = caretLine; n >= 1 && n <= lines.size(); n += step) {
        const QString &original = lines.at(n - 1);
        const QString line = options.matchCase ? original : lowered(original);
        int limit = options.backwards ? int(line.size()) : 0;
        if (n == caretLine)
            limit = indexOfColumn(original, caret.column);
        const int at = matchInLine(line, pattern, options, limit);
        if (at >= 0)
            return SearchMatch{n, columnOf(original, at), int(original.mid(at, needle.size()).toUcs4().size())};
    }
    return std::nullopt;
}

QString asciiUpper(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

QString asciiLower(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    return out;
}

std::optional<int> parseLineNumber(const QString &text)
{
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    // Far beyond any document: the last line, as any number past the end.
    return int(std::clamp<qlonglong>(n, INT_MIN, INT_MAX));
}

} // namespace tagloom
