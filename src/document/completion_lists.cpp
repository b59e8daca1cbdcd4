#include "document/completion_lists.h"

namespace tagloom {

namespace {

bool endsWord(QChar c)
{
    return c.unicode() <= 32 || c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('[') ||
           c == QLatin1Char(']') || c == QLatin1Char('.');
}

QChar asciiLower(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + 32) : c;
}

} // namespace

QString wordBeforeCaret(const QString &lineText, int column)
{
    const int end = column - 1;
    if (end < 0 || end > lineText.size())
        return QString();
    int start = end;
    while (start > 0 && !endsWord(lineText.at(start - 1)))
        --start;
    return lineText.mid(start, end - start);
}

std::optional<QStringList> expansionOf(const QStringList &autoList, const QString &word)
{
    for (qsizetype i = 0; i < autoList.size(); ++i) {
        if (autoList.at(i).compare(word, Qt::CaseInsensitive) != 0)
            continue;
        QStringList expansion;
        for (qsizetype j = i + 1; j < autoList.size() && autoList.at(j).startsWith(QLatin1Char('=')); ++j)
            expansion.append(autoList.at(j).mid(1));
        return expansion;
    }
    return std::nullopt;
}

int leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n).unicode() <= 32)
        ++n;
    return n;
}

int completionRow(const QStringList &snippets, const QString &typed, int previous)
{
    if (typed.isEmpty())
        return snippets.isEmpty() ? previous : 0;
    for (int row = 0; row < snippets.size(); ++row) {
        const QString &s = snippets.at(row);
        if (s.size() < typed.size())
            continue;
        bool same = true;
        for (qsizetype k = 0; k < typed.size() && same; ++k)
            same = asciiLower(s.at(k)) == asciiLower(typed.at(k));
        if (same)
            return row;
    }
    return previous;
}

} // namespace tagloom
