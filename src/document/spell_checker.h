#pragma once
// Spell checking of page text with Hunspell's en_US dictionary. Mark-up is
// skipped: tags, comments, character references and the content of script
// and style blocks are never checked.

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class Hunspell;

namespace tagloom {

struct WordRange {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const WordRange &a, const WordRange &b)
    {
        return a.start == b.start && a.length == b.length;
    }
};

// The words of `text` that lie outside mark-up, in order.
QVector<WordRange> wordsOutsideMarkup(const QString &text);

class SpellChecker {
public:
    // Loads the dictionary from `folder` (".aff" and ".dic" named `language`).
    explicit SpellChecker(const QString &folder = QStringLiteral("/usr/share/hunspell"),
                          const QString &language = QStringLiteral("en_US"));
    ~SpellChecker();

    bool isReady() const { return m_hunspell != nullptr; }
    // Why the checker is not ready.
    const QString &problem() const { return m_problem; }

    bool isCorrect(const QString &word) const;
    QStringList suggestions(const QString &word) const;
    // Accept `word` for the rest of this run.
    void ignore(const QString &word) { m_ignored.insert(word); }

    QVector<WordRange> misspelled(const QString &text) const;

private:
    std::unique_ptr<Hunspell> m_hunspell;
    QString m_problem;
    QSet<QString> m_ignored;
};

} // namespace tagloom
