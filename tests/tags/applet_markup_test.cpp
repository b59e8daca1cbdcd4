#include "tags/applet_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(AppletMarkup, TagWithItsAttributesInFixedOrder)
{
    const struct {
        const char *name;
        AppletFields fields;
        QString tag;
    } cases[] = {
        {"the clock",
         {"Clock.class", "", "", "", "200", "50", "", "", ""},
         "<applet code=\"Clock.class\" width=\"200\" height=\"50\">"},
        {"code alone", {"A.class", "", "", "", "", "", "", "", ""}, "<applet code=\"A.class\">"},
        {"every field",
         {"A.class", "/java/", "no java", "clock", "1", "2", "3", "4", "top"},
         "<applet code=\"A.class\" codebase=\"/java/\" alt=\"no java\" name=\"clock\" width=\"1\" height=\"2\" "
         "vspace=\"3\" hspace=\"4\" align=\"top\">"},
        {"gaps are skipped, the order stays",
         {"A.class", "", "", "", "", "", "", "8", "left"},
         "<applet code=\"A.class\" hspace=\"8\" align=\"left\">"},
        {"values verbatim", {" a b ", "", "\"q\"", "", "", "", "", "", ""}, "<applet code=\" a b \" alt=\"\"q\"\">"},
    };
    for (const auto &c : cases) {
        const MarkupOutcome outcome = appletMarkup(c.fields);
        ASSERT_FALSE(outcome.refused()) << c.name;
        EXPECT_TRUE(outcome.messages.isEmpty()) << c.name;
        EXPECT_EQ(outcome.insertion->mode, InsertMode::Line) << c.name;
        EXPECT_EQ(outcome.insertion->texts, QStringList{c.tag}) << c.name;
    }
}

TEST(AppletMarkup, AnEmptyAppletIsRefused)
{
    AppletFields fields;
    fields.EditCodeBase = QStringLiteral("/java/");
    fields.EditWidth = QStringLiteral("200");
    const MarkupOutcome outcome = appletMarkup(fields);
    EXPECT_TRUE(outcome.refused());
    EXPECT_EQ(outcome.messages,
              (QList<DialogMessage>{{DialogMessage::Kind::Error, QStringLiteral("You have not specifed an applet.")}}));
}

} // namespace
