#include "document/spell_checker.h"

#include <QFileInfo>
#include <hunspell.hxx>

namespace tagloom {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetter() || c == QLatin1Char('\'') || c.isDigit();
}

// Index just past the first occurrence of `needle` (ignoring case) at or
// after `from`, or the end of the text.
qsizetype skipPast(const QString &text, qsizetype from, QLatin1String needle)
{
    const qsizetype at = text.indexOf(needle, from, Qt::CaseInsensitive);
    return at < 0 ? text.size() : at + needle.size();
}

// Whether the tag that starts at `lt` (text[lt] == '<') opens a block whose
// content is code: script or style.
QLatin1String codeBlockEnd(const QString &text, qsizetype lt)
{
    const QStringView rest = QStringView(text).mid(lt + 1, 7);
    if (rest.startsWith(QLatin1String("script"), Qt::CaseInsensitive))
        return QLatin1String("</script");
    if (rest.startsWith(QLatin1String("style"), Qt::CaseInsensitive))
        return QLatin1String("</style");
    return QLatin1String();
}

} // namespace

QVector<WordRange> wordsOutsideMarkup(const QString &text)
{
    QVector<WordRange> words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<')) {
            if (QStringView(text).mid(i, 4) == QLatin1String("<!--")) {
                i = skipPast(text, i + 4, QLatin1String("-->"));
                continue;
            }
            const QLatin1String blockEnd = codeBlockEnd(text, i);
            i = skipPast(text, i + 1, QLatin1String(">"));
            if (blockEnd.size() > 0) {
                const qsizetype close = text.indexOf(blockEnd, i, Qt::CaseInsensitive);
                i = close < 0 ? n : close;
            }
            continue;
        }
        if (c == QLatin1Char('&')) {
            qsizetype j = i + 1;
            while (j < n && (text.at(j).isLetterOrNumber() || text.at(j) == QLatin1Char('#')))
                ++j;
            if (j < n && text.at(j) == QLatin1Char(';') && j > i + 1) {
                i = j + 1;
                continue;
            }
        }
        if (!c.isLetter()) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && isWordChar(text.at(j)))
            ++j;
        qsizetype end = j;
        while (end > i && text.at(end - 1) == QLatin1Char('\''))
            --end;
        words.append({i, end - i});
        i = j;
    }
    return words;
}

SpellChecker::SpellChecker(const QString &folder, const QString &language)
{
    const QString aff = folder + QLatin1Char('/') + language + QLatin1String(".aff");
    const QString dic = folder + QLatin1Char('/') + language + QLatin1String(".dic");
    if (!QFileInfo::exists(aff) || !QFileInfo::exists(dic)) {
        m_problem = QStringLiteral("The %1 dictionary was not found in %2.").arg(language, folder);
        return;
    }
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::isCorrect(const QString &word) const
{
    if (!m_hunspell || m_ignored.contains(word))
        return true;
    // Numbers and words with digits are not for the dictionary.
    for (QChar c : word)
        if (c.isDigit())
            return true;
    return m_hunspell->spell(word.toStdString());
}

QStringList SpellChecker::suggestions(const QString &word) const
{
    QStringList list;
    if (!m_hunspell)
        return list;
    for (const std::string &s : m_hunspell->suggest(word.toStdString()))
        list.append(QString::fromStdString(s));
    return list;
}

QVector<WordRange> SpellChecker::misspelled(const QString &text) const
{
    QVector<WordRange> wrong;
    for (const WordRange &w : wordsOutsideMarkup(text))
        if (!isCorrect(text.mid(w.start, w.length)))
            wrong.append(w);
    return wrong;
}

} // namespace tagloom
