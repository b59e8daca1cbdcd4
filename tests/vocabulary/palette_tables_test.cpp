#include "vocabulary/format_snippets.h"
#include "vocabulary/palette_tables.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(PaletteTables, IdsAreUniqueAndNamedAfterTheirPage)
{
    QSet<QString> seen;
    int pages = 0;
    for (const PalettePageTable &page : palettePageTables()) {
        ++pages;
        const QString prefix = QStringLiteral("Palette.") + page.flag + QLatin1Char('.');
        std::function<void(const QList<PaletteEntry> &)> check = [&](const QList<PaletteEntry> &entries) {
            for (const PaletteEntry &e : entries) {
                if (e.action == PaletteAction::Separator)
                    continue;
                EXPECT_TRUE(e.id.startsWith(prefix)) << e.id.toStdString();
                EXPECT_FALSE(seen.contains(e.id)) << e.id.toStdString();
                seen.insert(e.id);
                EXPECT_EQ(e.action == PaletteAction::Menu, !e.items.isEmpty()) << e.id.toStdString();
                check(e.items);
            }
        };
        check(page.entries);
    }
    EXPECT_EQ(pages, 11);
    // The quick-start bar runs these by id.
    for (const char *id : {"Palette.Common.Image", "Palette.Tables.Table", "Palette.Common.Hyperlink"})
        EXPECT_EQ(findPaletteEntry(QLatin1String(id))->action, PaletteAction::Command) << id;
    EXPECT_EQ(findPaletteEntry(QStringLiteral("Palette.Forms.Form"))->action, PaletteAction::Insert);
}

TEST(PaletteTables, TooltipsJoinTheirLines)
{
    EXPECT_EQ(paletteTooltip(*findPaletteEntry(QStringLiteral("Palette.Common.QuickTime"))),
              QStringLiteral("Insert QuickTime Video\n- With this option you can have cross-browser \n"
                             "embedding of QuickTime videos in your \ndocument.  \n\n"
                             "QuickTime (C) 1991 - 99 Apple Computer.\nQuickTime is a trademark of Apple Computer."));
    EXPECT_EQ(paletteTooltip(*findPaletteEntry(QStringLiteral("Palette.Common.ActiveX"))),
              QStringLiteral("Insert an ActiveX Control\n- ActiveX can be used with Internet Explorer to \n"
                             "embed certain objects.\n\nActiveX and Internet Explorer are trademarks \n"
                             "of Microsoft Corporation."));
    // Plain text buttons show what they insert.
    EXPECT_EQ(paletteTooltip(*findPaletteEntry(QStringLiteral("Palette.ColdFusion.If"))),
              QStringLiteral("<cfif></cfif>"));
}

TEST(PaletteTables, ColdFusionTagsKeepTheirOddSpellings)
{
    const QStringList &tags = coldFusionTags();
    ASSERT_EQ(tags.size(), 38);
    EXPECT_EQ(tags.first(), QStringLiteral("<cfabort>"));
    EXPECT_TRUE(tags.at(8).contains(QStringLiteral("bold=\"\"onvalidate=\"\""))); // no blank between
    EXPECT_TRUE(tags.at(16).contains(QStringLiteral(" language= title=\"\"")));
    EXPECT_TRUE(tags.at(32).contains(QStringLiteral(" colheaders htmltable border=")));
    EXPECT_EQ(tags.last(),
              QStringLiteral("<cfupdate datasource=\"\" tablequalifier=\"\" tablename=\"\" formfields=\"\" tableowner=\"\">"));
    EXPECT_EQ(coldFusionTagInsertion(coldFusionTagPrompt()).texts, QStringList{QStringLiteral("ColdFusion Tags...")});
}

TEST(FormatSnippets, ApplyTakesFieldsAsTheyStand)
{
    EXPECT_EQ(fontApply(QStringLiteral("Arial"), QStringLiteral("-1")).texts,
              (QStringList{QStringLiteral("<FONT face=\"Arial\" size=\"-1\">"), QStringLiteral("</font>")}));
    EXPECT_EQ(fontApply(QStringLiteral(" a\"b "), QString()).texts.at(0),
              QStringLiteral("<FONT face=\" a\"b \" size=\"\">"));
    EXPECT_EQ(formatBarFonts().size(), 5);
    EXPECT_EQ(formatBarSizes().size(), 7);
}

} // namespace
