#include "tags/image_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const QString noPicture = QStringLiteral("You have not specifed an picture.");

ImageFields fields(std::initializer_list<std::pair<QString ImageFields::*, QString>> values)
{
    ImageFields f;
    for (const auto &[member, value] : values)
        f.*member = value;
    return f;
}

TEST(ImageMarkup, TagFromFields)
{
    struct Row {
        const char *name;
        ImageFields fields;
        QString expected;
    };
    const Row rows[] = {
        {"the dialog's example, a hand-typed alignment",
         fields({{&ImageFields::Src, "pics/logo.gif"}, {&ImageFields::Height, "40"}, {&ImageFields::Width, "120"},
                 {&ImageFields::AltText, "Logo"}, {&ImageFields::Align, "center"}}),
         R"(<p align="center"><img src="pics/logo.gif" height="40" width="120" alt="Logo" border="0"></p>)"},
        {"fields as shown: only the border", ImageFields{}, R"(<img src="" border="0">)"},
        {"a cleared border leaves no attribute", fields({{&ImageFields::Src, "a.gif"}, {&ImageFields::Border, ""}}),
         R"(<img src="a.gif">)"},
        {"align left wraps the tag on one line", fields({{&ImageFields::Src, "a.gif"}, {&ImageFields::Align, "left"}}),
         R"(<p align="left"><img src="a.gif" border="0"></p>)"},
        {"a vertical alignment still makes a paragraph", fields({{&ImageFields::Align, "middle"}}),
         R"(<p align="middle"><img src="" border="0"></p>)"},
        {"every field, border before style",
         fields({{&ImageFields::Name, "n"}, {&ImageFields::Style, "s"}, {&ImageFields::Border, "2"},
                 {&ImageFields::LowRes, "lo.gif"}, {&ImageFields::AltText, "a"}, {&ImageFields::Width, "w"},
                 {&ImageFields::Height, "h"}, {&ImageFields::Src, "p.gif"}}),
         R"(<img src="p.gif" height="h" width="w" alt="a" lowres="lo.gif" border="2" style="s" name="n">)"},
        {"values go in as typed", fields({{&ImageFields::Src, " x "}, {&ImageFields::AltText, R"(say "hi")"}}),
         R"(<img src=" x " alt="say "hi"" border="0">)"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(imageTag(row.fields), row.expected) << row.name;
}

TEST(ImageMarkup, EmptyPictureWarnsAndStillInserts)
{
    const MarkupOutcome outcome = imageMarkup(ImageFields{}, false);
    ASSERT_FALSE(outcome.refused());
    EXPECT_EQ(outcome.messages, (QList<DialogMessage>{{DialogMessage::Kind::Warning, noPicture}}));
    EXPECT_EQ(outcome.insertion->texts, QStringList{R"(<img src="" border="0">)"});

    EXPECT_TRUE(imageMarkup(fields({{&ImageFields::Src, "a.gif"}}), false).messages.isEmpty());
}

TEST(ImageMarkup, NewLineBelowCaretOrReplacedTagInEditMode)
{
    const QStringList tag{R"(<img src="a.gif" border="0">)"};
    const ImageFields f = fields({{&ImageFields::Src, "a.gif"}});
    for (const auto &[editMode, mode] : {std::pair{false, InsertMode::Line}, std::pair{true, InsertMode::Replace}}) {
        const Insertion insertion = *imageMarkup(f, editMode).insertion;
        EXPECT_EQ(insertion.mode, mode);
        EXPECT_EQ(insertion.texts, tag);
    }
}

} // namespace
