#include "tags/current_tag.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

struct Step {
    TagDialogKind dialog;
    const char *field;
    const char *value;
};

void expectSteps(const char *selection, std::initializer_list<Step> expected)
{
    const QList<CurrentTagStep> got = currentTagSteps(QString::fromUtf8(selection));
    ASSERT_EQ(got.size(), qsizetype(expected.size())) << selection;
    int i = 0;
    for (const Step &want : expected) {
        EXPECT_EQ(got[i].dialog, want.dialog) << selection << " step " << i;
        EXPECT_EQ(got[i].field, QLatin1String(want.field)) << selection << " step " << i;
        EXPECT_EQ(got[i].value, QString::fromUtf8(want.value)) << selection << " step " << i;
        ++i;
    }
}

TEST(CurrentTag, EachParameterOfARecognisedTagIsOneStep)
{
    using K = TagDialogKind;
    // An attribute without a field still shows the dialog; its value is lost.
    expectSteps("<img src=\"logo.gif\" alt=\"Logo\" align=\"left\">",
                {{K::Image, "EditSrc", "logo.gif"}, {K::Image, "EditAltText", "Logo"}, {K::Image, "", "left"}});
    expectSteps("<A HREF=x.htm>", {{K::Link, "EditLink", "x.htm"}});
    // Spaces around "=" split the attribute: HREF is left without a value.
    expectSteps("<a href = \"x.htm\">", {{K::Link, "EditLink", ""}, {K::Link, "", ""}, {K::Link, "", ""}});
    expectSteps("<applet code=\"Clock.class\" ALIGN=Top hspace=4>",
                {{K::Applet, "EditApplet", "Clock.class"}, {K::Applet, "EditAlign", "Top"}, {K::Applet, "EditHSpace", "4"}});
    expectSteps("<link rel=\"stylesheet\" href=\"site.css\">",
                {{K::StyleSheetReference, "", "stylesheet"}, {K::StyleSheetReference, "Edit1", "site.css"}});
    // Several tags fill in turn; text, closing tags and tags without a dialog
    // are passed over.
    // A tag over two lines keeps its attributes apart.
    expectSteps("<img src=\"a.gif\"\r\nalt=\"A\">", {{K::Image, "EditSrc", "a.gif"}, {K::Image, "EditAltText", "A"}});
    expectSteps("<a href=\"x.htm\" target=\"_top\">link</a><img src=b.gif>",
                {{K::Link, "EditLink", "x.htm"}, {K::Link, "EditTarget", "_top"}, {K::Image, "EditSrc", "b.gif"}});
}

TEST(CurrentTag, TagsWithoutParametersOrWithoutADialogGiveNothing)
{
    for (const char *selection : {"<a>", "<BODY>", "<font face=\"Arial\">", "</a>", "plain words", "<!-- a -->"})
        EXPECT_TRUE(currentTagSteps(QString::fromUtf8(selection)).isEmpty()) << selection;
}

TEST(CurrentTag, BodyStepsCaptionThePageWizardAndCheckTheWatermark)
{
    const QList<CurrentTagStep> got = currentTagSteps(QStringLiteral("<body bgcolor=\"#FFFFFF\" bgproperties=\"fixed\">"));
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0].dialog, TagDialogKind::PageWizard);
    EXPECT_TRUE(got[0].bodyTag && got[1].bodyTag);
    EXPECT_EQ(got[0].field, QStringLiteral("EditBG"));
    EXPECT_EQ(got[0].value, QStringLiteral("#FFFFFF"));
    EXPECT_EQ(got[1].field, QLatin1String(WatermarkField));
    EXPECT_FALSE(currentTagSteps(QStringLiteral("<img src=a.gif>"))[0].bodyTag);
}

} // namespace
