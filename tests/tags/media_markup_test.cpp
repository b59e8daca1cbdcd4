#include "tags/media_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const QString shockwaveBase = QLatin1String(ShockwaveInstaller);

TEST(MediaMarkup, EachModeWritesItsLinesInOrder)
{
    struct Row {
        const char *name;
        MediaMode mode;
        QString source;
        QStringList expected;
    };
    const Row rows[] = {
        {"sound: embed first, bgsound second", MediaMode::Sound, QStringLiteral("file://C:\\a.wav"),
         {R"(<embed src="file://C:\a.wav" autostart="true" hidden="true" loop="0">)",
          R"(<bgsound src="file://C:\a.wav" loop="infinite">)"}},
        {"video", MediaMode::Video, QStringLiteral("clip.avi"),
         {R"(<embed src="clip.avi" autostart="true" width="200" height="200">)"}},
        {"plug-in", MediaMode::Plugs, QStringLiteral("x.pdf"), {R"(<embed src="x.pdf"></embed>)"}},
        {"an empty source is written empty", MediaMode::Plugs, QString(), {R"(<embed src=""></embed>)"}},
        {"Shockwave keeps its mixed letter case", MediaMode::Shock, QStringLiteral("m.swf"),
         {R"(<OBJECT id="who" classid="clsid:D27CDB6E-AE6D-11cf-96B8-444553540000" codebase=")" + shockwaveBase +
              R"(">)",
          R"(<param name="Movie" value="m.swf">)",
          R"(<param NAME="Quality" VALUE="best"><param NAME="SAlign" VALUE="Top"><PARAM NAME="Play" VALUE="true">)",
          R"(<EMBED SRC="m.swf" play="false" quality="best"></EMBED>)", "</OBJECT>"}},
    };
    for (const Row &row : rows) {
        const MarkupOutcome outcome = mediaMarkup(row.mode, row.source);
        ASSERT_FALSE(outcome.refused()) << row.name;
        EXPECT_TRUE(outcome.messages.isEmpty()) << row.name;
        EXPECT_EQ(outcome.insertion->mode, InsertMode::Lines) << row.name;
        EXPECT_EQ(outcome.insertion->texts, row.expected) << row.name;
    }
}

TEST(MediaMarkup, VendorAddressesAreSecureAndTheInstallerIsTheCabinet)
{
    for (const char *address : {ShockwaveInstaller, QuickTimePluginPage, RealVideoPluginPage})
        EXPECT_TRUE(QLatin1String(address).startsWith(QLatin1String("https://"))) << address;
    EXPECT_TRUE(shockwaveBase.endsWith(QLatin1String("/flash2/cabs/swflash.cab")));
    EXPECT_EQ(fileUrl(QStringLiteral("/home/a/b c.wav")), QStringLiteral("file:///home/a/b c.wav"));
}

TEST(MediaMarkup, QuickTimeWritesEveryAttributeAlways)
{
    const QString page = QLatin1String(QuickTimePluginPage);
    struct Row {
        const char *name;
        QuickTimeFields fields;
        QString expected;
    };
    const Row rows[] = {
        {"as first shown, a movie typed",
         {QStringLiteral("m.mov"), QStringLiteral("0"), QStringLiteral("0"), {}, {}, true, true, true},
         R"(<embed src="m.mov" height="0" width="0" autoplay="true" loop="true" controller="true" href="" target="" pluginspage=")" +
             page + R"("></embed>)"},
        {"after an OK emptied the boxes", {QStringLiteral("n.mov"), {}, {}, {}, {}, true, true, true},
         R"(<embed src="n.mov" height="" width="" autoplay="true" loop="true" controller="true" href="" target="" pluginspage=")" +
             page + R"("></embed>)"},
        {"each box its own value, link before target",
         {QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("_top"), QStringLiteral("l.htm"),
          false, true, false},
         R"(<embed src="a" height="1" width="2" autoplay="false" loop="true" controller="false" href="l.htm" target="_top" pluginspage=")" +
             page + R"("></embed>)"},
    };
    for (const Row &row : rows) {
        const MarkupOutcome outcome = quickTimeMarkup(row.fields);
        ASSERT_FALSE(outcome.refused());
        EXPECT_EQ(outcome.insertion->mode, InsertMode::Line) << row.name;
        EXPECT_EQ(outcome.insertion->texts, QStringList{row.expected}) << row.name;
    }
}

TEST(MediaMarkup, RealVideoSevenLinesWithAutoPlayInBothPlaces)
{
    const QString page = QLatin1String(RealVideoPluginPage);
    RealVideoFields f{QStringLiteral("clip.rpm"), QStringLiteral("240"), QStringLiteral("320"), false};
    const QStringList lines = realVideoLines(f);
    const QStringList expected{
        R"(<object id=RAOCX classid="clsid:CFCDAA03-8BE4-11cf-B84B-0020AFBBCCFA" width="320" height="240">)",
        R"(<param name="SRC" value="clip.rpm">)",
        R"(<param name="CONSOLE" value="Clip1">)",
        R"(<param name="CONTROLS" value="imagewindow">)",
        R"(<param name="AUTOSTART" value="false">)",
        R"(<embed src="clip.rpm" height="240" width="320" controls="ImageWindow" console="Clip1" pluginspage=")" + page +
            R"(" autoplay="false"></embed>)",
        "</object>",
    };
    EXPECT_EQ(lines, expected);

    f.AutoPlay = true;
    const QStringList on = realVideoLines(f);
    EXPECT_EQ(on[4], QStringLiteral(R"(<param name="AUTOSTART" value="true">)"));
    EXPECT_TRUE(on[5].endsWith(QLatin1String(R"(autoplay="true"></embed>)")));
    EXPECT_EQ(realVideoMarkup(f).insertion->mode, InsertMode::Lines);
}

TEST(MediaMarkup, ActiveXSkeleton)
{
    EXPECT_EQ(activeXLine(), QStringLiteral(R"(<object id="" classid="" width= height= data=""></object>)"));
}

} // namespace
