#include "tags/page_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(PageMarkup, BodyTagWritesItsAttributesInFixedOrder)
{
    const struct {
        const char *name;
        PageFields fields;
        const char *tag;
    } cases[] = {
        {"every field empty", {}, "<BODY>"},
        {"every field",
         {"T", "#FFFFFF", "#0000FF", "#800080", "#FF0000", "bg.gif", "1", "2", "3", "4", true},
         "<BODY BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\" BACKGROUND=\"bg.gif\" "
         "TOPMARGIN=\"1\" LEFTMARGIN=\"2\" MARGINHEIGHT=\"3\" MARGINWIDTH=\"4\" BGPROPERTIES=\"FIXED\">"},
        {"gaps are skipped", {"", "", "", "", "red", "", "", "0", "", "", false}, "<BODY ALINK=\"red\" LEFTMARGIN=\"0\">"},
        {"a watermark alone", {"", "", "", "", "", "", "", "", "", "", true}, "<BODY BGPROPERTIES=\"FIXED\">"},
        {"values verbatim", {"", " a\"b ", "", "", "", "", "", "", "", "", false}, "<BODY BGCOLOR=\" a\"b \">"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(bodyTag(c.fields), QString::fromUtf8(c.tag)) << c.name;
}

TEST(PageMarkup, NewPageIsTheElevenLineSkeleton)
{
    PageFields fields;
    const MarkupOutcome empty = pageMarkup(fields, false);
    ASSERT_FALSE(empty.refused());
    EXPECT_EQ(empty.insertion->mode, InsertMode::End);
    EXPECT_EQ(empty.insertion->texts,
              (QStringList{"<HTML>", "<HEAD>", "", "<TITLE></TITLE>", "", "</HEAD>", "", "<BODY>", "", "</BODY>",
                           "</HTML>"}));

    fields.EditTitle = QStringLiteral("Home");
    fields.EditBG = QStringLiteral("#000000");
    const QStringList lines = pageMarkup(fields, false).insertion->texts;
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[3], QStringLiteral("<TITLE>Home</TITLE>"));
    EXPECT_EQ(lines[7], QStringLiteral("<BODY BGCOLOR=\"#000000\">"));
}

TEST(PageMarkup, EditModeReplacesTheBodyTagAndNeverWritesTheTitle)
{
    PageFields fields;
    fields.EditTitle = QStringLiteral("ignored");
    fields.EditBG = QStringLiteral("#FFFFFF");
    fields.watermark = true;
    const MarkupOutcome outcome = pageMarkup(fields, true);
    EXPECT_EQ(outcome.insertion->mode, InsertMode::Replace);
    EXPECT_EQ(outcome.insertion->texts, QStringList{"<BODY BGCOLOR=\"#FFFFFF\" BGPROPERTIES=\"FIXED\">"});
}

TEST(PageMarkup, StyleSheetLinkGoesAboveTheCaretLine)
{
    for (const char *file : {"site.css", ""}) {
        const MarkupOutcome outcome = styleSheetLinkMarkup(QString::fromUtf8(file));
        ASSERT_FALSE(outcome.refused()) << file; // an empty name is not refused
        EXPECT_EQ(outcome.insertion->mode, InsertMode::Above);
        EXPECT_EQ(outcome.insertion->texts,
                  QStringList{QStringLiteral("<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"%1\" TYPE=\"text/css\">")
                                  .arg(QString::fromUtf8(file))});
    }
}

} // namespace
