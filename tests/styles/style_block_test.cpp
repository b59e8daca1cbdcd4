// The style-sheet editor's rule block and its completion filters.

#include "base/list_file.h"
#include "styles/style_block.h"
#include "styles/style_filters.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(StyleBlock, EveryFieldEmptyGivesTheFortyLines)
{
    const QStringList lines = styleBlockLines(StyleFields());
    ASSERT_EQ(lines.size(), 40);
    EXPECT_EQ(lines.first(), QStringLiteral("Choose... {"));
    EXPECT_EQ(lines.last(), QStringLiteral(" }"));
    const QStringList expected = {
        "font-size : ;", "font-weight : ;", "color : ;", "font-family : ;", "font-style : ;", "font : ;",
        "line-height : ;", "text-decoration : ;", "text-align : ;", "text-indent : ;", "text-transform : ;",
        "margin-top : ;", "margin-bottom : ;", "margin-left : ;", "margin-right : ;", "padding-top : ;",
        "padding-bottom : ;", "padding-left : ;", "padding-right : ;", "clip : ;", "height : ;", "width : ;",
        "left : ;", "top : ;", "overflow : ;", "position : ;", "visibility : ;", "list-style-position: ;",
        "list-style-image: ;", "list-style-type: ;", "border-color:    ;", "border-top-width: ;",
        "border-right-width: ;", "border-bottom-width: ;", "border-left-width: ;", "letter-spacing: ;",
        "word-spacing: ;", "white-space: ;",
    };
    EXPECT_EQ(lines.mid(1, 38), expected);
}

TEST(StyleBlock, ValuesGoInAsTyped)
{
    StyleFields fields;
    fields.selector = QStringLiteral("P");
    fields.values = {
        {QStringLiteral("FontSize"), QStringLiteral("small")},
        {QStringLiteral("BorderTopWidth"), QStringLiteral("thin")},
        {QStringLiteral("BorderTopUnit"), QStringLiteral("px")},
        {QStringLiteral("BorderBottomWidth"), QStringLiteral("(custom]")},
        {QStringLiteral("BorderBottomUnit"), QStringLiteral("px")},
        {QStringLiteral("BorderRightColor"), QStringLiteral("red")},
        {QStringLiteral("BorderLeftColor"), QStringLiteral("#00f")},
        {QStringLiteral("Visibility"), QStringLiteral("hidden")},
        {QStringLiteral("ListPosition"), QStringLiteral("inside")},
        {QStringLiteral("BulletImage"), QStringLiteral("url(dot.gif)")},
        {QStringLiteral("LetterSpacing"), QStringLiteral("3")},
        {QStringLiteral("LetterSpacingUnit"), QStringLiteral("pt")},
        {QStringLiteral("WordSpacing"), QStringLiteral("normal")},
        {QStringLiteral("Whitespace"), QStringLiteral("pre")},
    };
    const QStringList lines = styleBlockLines(fields);
    ASSERT_EQ(lines.size(), 40);
    EXPECT_EQ(lines.mid(0, 4), QStringList({"P {", "font-size : small;", "font-weight : ;", "color : ;"}));
    const QStringList expectedLines = {"visibility : hidden;", "list-style-position: inside;",
                                       "list-style-image: url(dot.gif);", "border-color:  red  #00f;",
                                       "border-top-width: thinpx;", "border-right-width: ;",
                                       "border-bottom-width: (custom]px;", "letter-spacing: 3pt;",
                                       "word-spacing: normal;", "white-space: pre;"};
    for (const QString &line : expectedLines)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
}

TEST(StyleFilters, EveryFilterHasAShippedListOfProperties)
{
    const QStringList names = styleFilterNames();
    ASSERT_EQ(names.size(), 7);
    EXPECT_EQ(names.first(), QStringLiteral("Cascading Style Sheets Level 1"));
    EXPECT_EQ(styleFilterPath(QStringLiteral("/d"), QStringLiteral("Opera 3.5")),
              QStringLiteral("/d/Extensions/CSS/Opera3.tlx"));
    EXPECT_TRUE(styleFilterPath(QStringLiteral("/d"), QStringLiteral("opera 3.5")).isEmpty());
    QStringList level1;
    for (const QString &name : names) {
        const Result<QStringList> entries =
            readListFile(styleFilterPath(QStringLiteral(TAGLOOM_SOURCE_DATA_DIR), name));
        ASSERT_TRUE(entries) << name.toStdString();
        EXPECT_TRUE(entries->contains(QStringLiteral("color"))) << name.toStdString();
        if (level1.isEmpty()) {
            level1 = *entries;
        } else if (name == QLatin1String("Cascading Style Sheets Level 2")) {
            for (const QString &property : level1) // level 2 takes in all of level 1
                EXPECT_TRUE(entries->contains(property)) << property.toStdString();
        }
    }
}

TEST(StyleFilters, CompletionByTheTokenBeforeTheCaret)
{
    const struct {
        const char *line;
        int column;
        const char *token;
    } rows[] = {
        {"P { font-s", 10, "font-s"}, {"a:hov", 5, "hov"}, {"x(bor", 5, "bor"}, {"a.b[c", 5, "c"},
        {"font-size", 4, "font"},     {"", 0, ""},         {"p {", 3, ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(tokenBefore(QLatin1String(row.line), row.column), QLatin1String(row.token)) << row.line;
    const QStringList entries = {QStringLiteral("font"), QStringLiteral("font-size"), QStringLiteral("color"),
                                 QStringLiteral("Font-Weight")};
    EXPECT_EQ(completionsFor(entries, QStringLiteral("font-")),
              QStringList({QStringLiteral("font-size"), QStringLiteral("Font-Weight")}));
    EXPECT_EQ(completionsFor(entries, QString()), entries);
    EXPECT_TRUE(completionsFor(entries, QStringLiteral("x")).isEmpty());
}

} // namespace
