#include "tags/content_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QStringList linesOf(ContentPage page, const ContentFields &fields)
{
    const MarkupOutcome outcome = contentMarkup(page, fields);
    EXPECT_FALSE(outcome.refused());
    EXPECT_TRUE(outcome.messages.isEmpty());
    EXPECT_EQ(outcome.insertion->mode, page == ContentPage::BulletedList ? InsertMode::End : InsertMode::Lines);
    return outcome.insertion->texts;
}

TEST(ContentMarkup, FrameThrowerKeepsTheSpaceAfterItsFirstLine)
{
    EXPECT_EQ(linesOf(ContentPage::FrameThrower, {}),
              (QStringList{"<script language=\"JavaScript\" type=\"text/javascript\"> ", "<!--",
                           "setTimeout (\"changePage()\", 3000);", "function changePage() {",
                           "if (self.parent.frames.length != 0)", "self.parent.location=document.location;", "}",
                           "//-->", "</script>"}));
}

TEST(ContentMarkup, NetscapeFixDefinesAndCallsTheReload)
{
    const QStringList lines = linesOf(ContentPage::NetscapeFix, {});
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"<script language=\"JavaScript\">", "<!--"}));
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{"// -->", "</script>"}));
    const QString script = lines.join(QLatin1Char('\n'));
    for (const char *piece : {"function MM_reloadPage(init)", "\"Netscape\"", "== 4", "document.MM_pgW = innerWidth",
                              "document.MM_pgH = innerHeight", "onresize = MM_reloadPage", "location.reload()"})
        EXPECT_TRUE(script.contains(QLatin1String(piece))) << piece;
    EXPECT_EQ(lines[lines.size() - 3], QStringLiteral("MM_reloadPage(true);"));
}

TEST(ContentMarkup, YourBrowserInFourVariants)
{
    const QString script = QStringLiteral("<SCRIPT language=\"JavaScript\" type=\"text/javascript\">");
    const struct {
        BrowserVariant variant;
        QStringList after;
    } cases[] = {
        {BrowserVariant::JavaScript, {script, "document.write(navigator.appName)", "</SCRIPT>"}},
        {BrowserVariant::ActiveServerPages, {"<% Request.ServerVariables(\"HTTP_USER_AGENT\") %>"}},
        {BrowserVariant::ServerSideIncludes, {"<!--#ECHO VAR=\"HTTP_USER_AGENT\" -->"}},
        {BrowserVariant::Php, {"<?php echo $HTTP_USER_AGENT; ?>"}},
    };
    for (const auto &c : cases) {
        ContentFields fields;
        fields.EditBrowser = QStringLiteral("Your Browser Is ");
        fields.browserType = c.variant;
        EXPECT_EQ(linesOf(ContentPage::YourBrowser, fields), QStringList{"Your Browser Is <BR>"} + c.after)
            << int(c.variant);
    }
}

TEST(ContentMarkup, ScreenSizesWriteEveryLineEvenWithoutUrls)
{
    ContentFields fields;
    const QStringList empty = linesOf(ContentPage::ScreenSizes, fields);
    EXPECT_EQ(empty, (QStringList{"<SCRIPT language=\"JavaScript\" type=\"text/javascript\">",
                                  "if (screen.height==480) {", "document.location = \"\"; }",
                                  "if (screen.height==600) {", "document.location = \"\"; }",
                                  "if (screen.height==768) {", "document.location = \"\"; }", "</SCRIPT>"}));
    fields.URLA = QStringLiteral("small.htm");
    fields.URLC = QStringLiteral("/big/index.htm");
    const QStringList filled = linesOf(ContentPage::ScreenSizes, fields);
    EXPECT_EQ(filled[2], QStringLiteral("document.location = \"small.htm\"; }"));
    EXPECT_EQ(filled[4], QStringLiteral("document.location = \"\"; }"));
    EXPECT_EQ(filled[6], QStringLiteral("document.location = \"/big/index.htm\"; }"));
}

TEST(ContentMarkup, YourLocation)
{
    ContentFields fields;
    fields.EditLocation = QStringLiteral("You are at: ");
    EXPECT_EQ(linesOf(ContentPage::YourLocation, fields),
              (QStringList{"You are at: <BR>", "<SCRIPT language=\"JavaScript\" type=\"text/javascript\">",
                           "document.write(document.location);", "</SCRIPT>"}));
}

TEST(ContentMarkup, BulletedListIsAPageOfTwelveLines)
{
    ContentFields fields;
    fields.bulletHtml = QStringLiteral("\r\n<UL>\r\n<LI>One");
    const QStringList lines = linesOf(ContentPage::BulletedList, fields);
    EXPECT_EQ(lines, (QStringList{"<HTML>", "", "<HEAD>", "<TITLE>Untitled</TITLE>", "</HEAD>", "",
                                  "<BODY topmargin=\"0\" leftmargin=\"0\" link=\"#0000FF\" vlink=\"#800080\" "
                                  "alink=\"#FF0000\">",
                                  "", "\r\n<UL>\r\n<LI>One", "", "</BODY>", "</HTML>"}));
}

} // namespace
