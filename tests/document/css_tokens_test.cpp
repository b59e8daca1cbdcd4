#include "document/css_tokens.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QStringList kinds(const QString &css)
{
    static const char *const names[] = {"comment", "at", "selector", "property", "value"};
    QStringList out;
    for (const CssToken &t : cssTokens(css))
        out << QStringLiteral("%1:%2").arg(QLatin1String(names[int(t.kind)]), css.mid(t.start, t.length));
    return out;
}

TEST(CssTokens, SplitsRulesIntoTheirParts)
{
    EXPECT_EQ(kinds(QStringLiteral("h1, p.note { color: #FF0000; margin:0 auto }")),
              (QStringList{"selector:h1, p.note", "property:color", "value:#FF0000", "property:margin", "value:0 auto"}));
    EXPECT_EQ(kinds(QStringLiteral("/* top */ @import url(a.css);")),
              (QStringList{"comment:/* top */", "at:@import url(a.css)"}));
    EXPECT_EQ(kinds(QStringLiteral("a { b: c /* open")), (QStringList{"selector:a", "property:b", "value:c", "comment:/* open"}));
    EXPECT_EQ(kinds(QStringLiteral("}} x")), QStringList{"selector:x"}); // stray braces never fail
}

TEST(CssTokens, FindsStyleBlocksInAnyLetterCase)
{
    const QString page = QStringLiteral("<styles><STYLE type=\"text/css\">p{}</STYLE><Style>q{}");
    const QVector<StyleBlock> blocks = styleBlocks(page);
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_EQ(page.mid(blocks[0].contentStart, blocks[0].contentEnd - blocks[0].contentStart), QStringLiteral("p{}"));
    EXPECT_EQ(page.mid(blocks[0].start, blocks[0].end - blocks[0].start),
              QStringLiteral("<STYLE type=\"text/css\">p{}</STYLE>"));
    EXPECT_EQ(blocks[1].contentEnd, page.size()); // unclosed: to the end
}

} // namespace
