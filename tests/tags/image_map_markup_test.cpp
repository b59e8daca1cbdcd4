#include "tags/image_map_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(ImageMapMarkup, AreaFromADrag)
{
    struct Row {
        const char *name;
        MapShape shape;
        QPoint start, end;
        QString expected;
    };
    const Row rows[] = {
        {"rectangle", MapShape::Rectangle, {10, 20}, {90, 60},
         R"(<AREA SHAPE="RECT" HREF="a.htm" ALT="Alt" COORDS="10,20,90,60">)"},
        {"rectangle dragged up and left keeps the start first", MapShape::Rectangle, {90, 60}, {10, 20},
         R"(<AREA SHAPE="RECT" HREF="a.htm" ALT="Alt" COORDS="90,60,10,20">)"},
        {"circle: centre of the drag, half its width", MapShape::Circle, {10, 10}, {90, 50},
         R"(<AREA SHAPE="CIRCLE" HREF="a.htm" ALT="Alt" COORDS="50,30,40">)"},
        {"circle dragged leftwards: the radius stays positive", MapShape::Circle, {90, 50}, {10, 10},
         R"(<AREA SHAPE="CIRCLE" HREF="a.htm" ALT="Alt" COORDS="50,30,40">)"},
        {"odd spans give halves", MapShape::Circle, {0, 0}, {75, 5},
         R"(<AREA SHAPE="CIRCLE" HREF="a.htm" ALT="Alt" COORDS="37.5,2.5,37.5">)"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(areaLine(row.shape, row.start, row.end, QStringLiteral("a.htm"), QStringLiteral("Alt")), row.expected)
            << row.name;
}

TEST(ImageMapMarkup, ShortestDecimals)
{
    const std::pair<double, const char *> rows[] = {
        {40, "40"}, {37.5, "37.5"}, {0, "0"}, {-0.0, "0"}, {-2.5, "-2.5"}, {1234567, "1234567"}, {0.5, "0.5"}};
    for (const auto &[value, expected] : rows)
        EXPECT_EQ(shortestDecimal(value), QLatin1String(expected)) << value;
}

TEST(ImageMapMarkup, MapAreasCloseAndImageInOrder)
{
    ImageMapFields f;
    f.MapName = QStringLiteral("nav");
    f.Areas = QStringLiteral("<AREA one>\n<AREA two>");
    f.PicturePath = QStringLiteral("/pics/map.gif");
    f.PictureSize = QSize(120, 80);
    const MarkupOutcome outcome = imageMapMarkup(f);
    ASSERT_FALSE(outcome.refused());
    EXPECT_EQ(outcome.insertion->mode, InsertMode::Lines);
    EXPECT_EQ(outcome.insertion->texts,
              (QStringList{R"(<MAP name="nav">)", "<AREA one>", "<AREA two>", "</MAP>",
                           R"(<IMG src="/pics/map.gif" height="80" width="120" usemap="#nav">)"}));

    // Nothing drawn, no name: an empty areas line and empty names.
    const QStringList empty = imageMapLines(ImageMapFields{});
    EXPECT_EQ(empty, (QStringList{R"(<MAP name="">)", "", "</MAP>", R"(<IMG src="" height="0" width="0" usemap="#">)"}));
}

} // namespace
