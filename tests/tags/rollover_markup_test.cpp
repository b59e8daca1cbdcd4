#include "tags/rollover_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const RolloverFields example{"a.gif", "b.gif", "next.html", "btn1"};

TEST(RolloverMarkup, AnchorLine)
{
    EXPECT_EQ(rolloverAnchor(example),
              R"x(<a href="next.html" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.btn1',)x"
              R"x('document.btn1','b.gif')"><img name="btn1" border="0" src="a.gif"></a>)x");
    // Pictures asked for but not chosen give empty values.
    EXPECT_EQ(rolloverAnchor({"", "", "h", "n"}),
              R"x(<a href="h" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.n',)x"
              R"x('document.n','')"><img name="n" border="0" src=""></a>)x");
}

TEST(RolloverMarkup, PromptsAndRefusals)
{
    using P = RolloverPicture;
    struct Row {
        const char *name;
        RolloverFields fields;
        QList<P> prompted;
        QString refusal; // empty: inserted
    };
    const Row rows[] = {
        {"all filled", example, {}, {}},
        {"missing pictures are asked for, in order", {"", "", "h", "n"}, {P::Original, P::Next}, {}},
        {"only the replacement missing", {"a.gif", "", "h", "n"}, {P::Next}, {}},
        {"no name: refused after both prompts", {"", "", "h", ""}, {P::Original, P::Next}, "Please give a name."},
        {"no hyperlink is refused before the name", {"a", "b", "", ""}, {}, "Please give a hyperlink."},
    };
    for (const Row &row : rows) {
        QList<P> prompted;
        for (const RolloverPrompt &p : rolloverPrompts(row.fields)) {
            prompted.append(p.picture);
            if (p.picture == P::Original) {
                EXPECT_EQ(p.text, "Please give an original image.") << row.name;
            }
        }
        EXPECT_EQ(prompted, row.prompted) << row.name;

        const MarkupOutcome outcome = rolloverMarkup(row.fields);
        EXPECT_EQ(outcome.refused(), !row.refusal.isEmpty()) << row.name;
        const QList<DialogMessage> messages =
            row.refusal.isEmpty() ? QList<DialogMessage>{} : QList<DialogMessage>{{DialogMessage::Kind::Error, row.refusal}};
        EXPECT_EQ(outcome.messages, messages) << row.name;
    }
}

TEST(RolloverMarkup, ScriptBlockThenAnchor)
{
    const Insertion insertion = *rolloverMarkup(example).insertion;
    const QStringList &script = rolloverScriptLines();
    EXPECT_EQ(insertion.mode, InsertMode::Lines);
    EXPECT_EQ(insertion.texts, script + QStringList{rolloverAnchor(example)});

    EXPECT_EQ(script.mid(0, 2), (QStringList{R"(<script language="JavaScript">)", "<!--"}));
    EXPECT_EQ(script.mid(script.size() - 2), (QStringList{"//-->", "</script>"}));
    // Each function headed by its version comment, the three apart by blank lines.
    qsizetype previous = 0;
    for (const char *head : {"function MM_swapImgRestore() {", "function MM_preloadImages() {",
                             "function MM_swapImage() {"}) {
        const qsizetype at = script.indexOf(QLatin1String(head));
        ASSERT_GT(at, previous) << head;
        EXPECT_EQ(script.at(at - 1), "//v2.0") << head;
        if (previous > 0) {
            EXPECT_EQ(script.at(at - 2), "") << head;
        }
        previous = at;
    }
    // As one text the lines are joined by CR LF.
    EXPECT_TRUE(asReplacement(insertion).texts.first().contains("</script>\r\n<a href=\"next.html\""));
}

} // namespace
