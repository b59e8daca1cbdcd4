#include "common/line_list.h"
#include "tags/script_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

using test::LineList;

TEST(ScriptMarkup, OpeningTagCodeAndClosingTagBelowTheCaretLine)
{
    const struct {
        const char *name;
        ScriptFields fields;
        QStringList lines;
    } cases[] = {
        {"language, type and code",
         {"JavaScript", "text/javascript", "", "alert('hi');"},
         {"<SCRIPT Language=\"JavaScript\" type=\"text/javascript\">", "alert('hi');", "</SCRIPT>"}},
        {"nothing filled in: an empty language and an empty line",
         {"", "", "", ""},
         {"<SCRIPT Language=\"\">", "", "</SCRIPT>"}},
        {"a source keeps the code",
         {"VBScript", "", "lib/x.vb", "MsgBox 1"},
         {"<SCRIPT Language=\"VBScript\" src=\"lib/x.vb\">", "MsgBox 1", "</SCRIPT>"}},
        {"type and source in that order, values verbatim",
         {"a\"b", "text/php", "<%= f %>", ""},
         {"<SCRIPT Language=\"a\"b\" type=\"text/php\" src=\"<%= f %>\">", "", "</SCRIPT>"}},
        {"three code lines give five lines, whatever their breaks",
         {"tcl", "", "", "set a 1\r\nset b 2\nputs $a"},
         {"<SCRIPT Language=\"tcl\">", "set a 1", "set b 2", "puts $a", "</SCRIPT>"}},
        {"a final break leaves the editor's empty last line",
         {"PHP", "", "", "echo 1;\r"},
         {"<SCRIPT Language=\"PHP\">", "echo 1;", "", "</SCRIPT>"}},
    };
    for (const auto &c : cases) {
        const Insertion insertion = scriptMarkup(c.fields);
        EXPECT_EQ(insertion.mode, InsertMode::Lines) << c.name;
        EXPECT_EQ(insertion.texts, c.lines) << c.name;
    }
}

TEST(ScriptMarkup, MultiLineCodeStaysBetweenItsTagsInTheDocument)
{
    LineList document;
    document.lines = QStringList{"<body>", "</body>"};
    insert(&document, scriptMarkup({"JavaScript", "", "", "var a;\r\nvar b;\r\nvar c;"}));
    EXPECT_EQ(document.lines, QStringList({"<body>", "<SCRIPT Language=\"JavaScript\">", "var a;", "var b;", "var c;",
                                           "</SCRIPT>", "</body>"}));
    EXPECT_EQ(document.caretLine, 1);
}

TEST(ScriptMarkup, LanguageChoosesTheCodeEditorsColouring)
{
    const struct {
        const char *language;
        std::optional<Colouring> colouring;
    } cases[] = {
        {"JavaScript", Colouring::Javascript}, {"JavaScript1.1", Colouring::Javascript},
        {"JavaScript1.2", Colouring::Javascript}, {"VBScript", Colouring::VbScript},
        {"PHP", Colouring::Php},               {"tcl", Colouring::Tcl},
        {"JScript", std::nullopt},             {"javascript", std::nullopt},
        {"Tcl", std::nullopt},                 {"", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(scriptColouringFor(c.language), c.colouring) << c.language;
}

} // namespace
