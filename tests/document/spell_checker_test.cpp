#include "document/spell_checker.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(SpellChecker, SkipsMarkupAndFindsMisspellings)
{
    const QString page = QStringLiteral("<html><!-- zzqx --><script>var qqq = 1;</script>"
                                        "<p title=\"xyzzy\">Teh cat &nbsp; isn't</p><style>p{}</style></html>");
    QStringList words;
    for (const WordRange &w : wordsOutsideMarkup(page))
        words.append(page.mid(w.start, w.length));
    EXPECT_EQ(words, (QStringList{"Teh", "cat", "isn't"}));

    SpellChecker checker;
    if (!checker.isReady())
        GTEST_SKIP() << checker.problem().toStdString();
    const QVector<WordRange> wrong = checker.misspelled(page);
    ASSERT_EQ(wrong.size(), 1);
    EXPECT_EQ(page.mid(wrong.first().start, wrong.first().length), QStringLiteral("Teh"));
    EXPECT_TRUE(checker.suggestions(QStringLiteral("Teh")).contains(QStringLiteral("The")));
    checker.ignore(QStringLiteral("Teh"));
    EXPECT_TRUE(checker.misspelled(page).isEmpty());
}

} // namespace
