#include "tags/layer_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(LayerMarkup, OneLineFromTheFieldsAsTyped)
{
    struct Row {
        const char *name;
        LayerFields fields;
        QString expected;
    };
    LayerFields example;
    example.Tag = QStringLiteral("div");
    example.Name = QStringLiteral("box1");
    example.Color = QStringLiteral("red");
    LayerFields bare = example;
    bare.Tag = QStringLiteral("span");
    bare.Top = QStringLiteral("10");
    bare.Left = QStringLiteral("20");
    bare.Height = QStringLiteral("30");
    bare.Width = QStringLiteral("40");
    bare.Color.clear();
    const Row rows[] = {
        {"the defaults with a name and a colour", example,
         R"(<div id="box1" style="position:absolute; top: 0px; left: 0px; height: 100px; width: 100px; background-color: red;"></div>)"},
        {"numbers without units run together", bare,
         R"(<span id="box1" style="position:absolute; top: 10 left: 20 height: 30 width: 40 background-color: ;"></span>)"},
        {"no tag: an empty element all the same", LayerFields{},
         R"(< id="" style="position:absolute; top: 0px; left: 0px; height: 100px; width: 100px; background-color: ;"></>)"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(layerLine(row.fields), row.expected) << row.name;
}

TEST(LayerMarkup, AnEmptyTagIsReportedAndStillInserted)
{
    const MarkupOutcome missing = layerMarkup(LayerFields{});
    ASSERT_FALSE(missing.refused());
    EXPECT_EQ(missing.messages,
              (QList<DialogMessage>{{DialogMessage::Kind::Error, QStringLiteral("Please choose a tag type.")}}));
    EXPECT_EQ(missing.insertion->mode, InsertMode::Line);

    LayerFields tagged;
    tagged.Tag = QStringLiteral("layer");
    EXPECT_TRUE(layerMarkup(tagged).messages.isEmpty());
}

TEST(LayerMarkup, VisualLayerFromADrag)
{
    struct Row {
        const char *name;
        QPoint start, end;
        quint32 fill;
        QString expected;
    };
    const Row rows[] = {
        {"down and right, white", {50, 40}, {150, 90}, 0xFFFFFF,
         R"(<div style="position:absolute; top: 40px; left: 50px; height: 50px; width: 100px; background-color:#FFFFFF;"></div>)"},
        {"up and left: negative sizes from the start point", {150, 90}, {50, 40}, 0x0A0B0C,
         R"(<div style="position:absolute; top: 90px; left: 150px; height: -50px; width: -100px; background-color:#0A0B0C;"></div>)"},
        {"a click without a drag", {7, 8}, {7, 8}, 0xff00a0,
         R"(<div style="position:absolute; top: 8px; left: 7px; height: 0px; width: 0px; background-color:#FF00A0;"></div>)"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(visualLayerLine(QStringLiteral("div"), row.start, row.end, row.fill), row.expected) << row.name;
    EXPECT_EQ(htmlColour(0), QStringLiteral("#000000"));
}

} // namespace
