#include "document/ui/code_editor.h"
#include "document/insertion.h"
#include "vocabulary/format_snippets.h"
#include "vocabulary/palette_tables.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// A document, a caret or selection, one insertion, and the whole text and
// caret it must leave (lines of the result joined by CR LF).
struct InsertCase {
    const char *name;
    const char *id; // a palette entry or a document-window action id
    const char *document;
    int line, fromColumn, toColumn; // toColumn == fromColumn: nothing selected
    const char *expected;
    int caretLine, caretColumn;
};

class VocabularyInsertionTest : public ::testing::Test {
protected:
    void load(const char *text) { editor.loadText(editorTextFromFile(QByteArray(text)), TextEncoding::Utf8); }
    void place(int line, int from, int to)
    {
        editor.SetCaretLine(line);
        editor.SetCaretColumn(from);
        if (to != from)
            editor.setSelection(line - 1, from - 1, line - 1, to - 1);
    }
    static Insertion lookUp(const QString &id)
    {
        if (const PaletteEntry *e = findPaletteEntry(id))
            return e->insertion;
        return documentSnippet(id).value_or(Insertion{InsertMode::Line, {QStringLiteral("missing ") + id}});
    }

    CodeEditor editor;
};

const InsertCase kCases[] = {
    {"TrOnLine3Of5StaysOnLine3", "Palette.Tables.Tr", "1\n2\n3\n4\n5", 3, 1, 1,
     "1\r\n2\r\n3\r\n<tr></tr>\r\n4\r\n5", 3, 1},
    {"PhpIfOnLastLineAppendsInOrder", "Palette.PHP.If", "a\nb", 2, 2, 2,
     "a\r\nb\r\n<?\r\nif ($a > $b)\r\n     print \"a > b\" ?>", 2, 2},
    {"PhpShortKeepsFourBlanks", "Palette.PHP.Short", "x", 1, 1, 1, "x\r\n<?    ?>", 1, 1},
    {"PhpLongKeepsSevenBlanks", "Palette.PHP.Long", "x", 1, 1, 1, "x\r\n<?php       ?>", 1, 1},
    {"PhpVarBlanks", "Palette.PHP.Var", "x", 1, 1, 1, "x\r\n<?\r\n$var =  \"..\"; \r\n?>", 1, 1},
    {"PhpEchoEndsInABlank", "Palette.PHP.Echo", "x", 1, 1, 1, "x\r\n<?\r\necho \"$var\"; \r\n?>", 1, 1},
    {"AspEndIfWritesElseif", "Palette.ASP.EndIf", "x", 1, 1, 1, "x\r\n<% elseif %>", 1, 1},
    {"AspIncludeHasNoBlankBeforeTheEnd", "Palette.ASP.Include", "x", 1, 1, 1, "x\r\n<!--#include file=\"\"-->", 1, 1},
    {"SsiIncludeVirtualBlankBeforeEquals", "Palette.SSI.Extras.Include.Virtual", "x", 1, 1, 1,
     "x\r\n<!--#include virtual =\"\" -->", 1, 1},
    {"SsiFileSizeDirect", "Palette.SSI.Extras.FileSize.Direct", "x", 1, 1, 1, "x\r\n<!--#fsize file=\"\" -->", 1, 1},
    {"FormIsTwoLines", "Palette.Forms.Form", "x\ny", 1, 1, 1,
     "x\r\n<form name=\"..\" action=\"..\" style=\"..\">\r\n</form>\r\ny", 1, 1},
    {"PushButtonSubmitItem", "Palette.Forms.PushButton.Submit", "x", 1, 1, 1,
     "x\r\n<input type=\"submit\" style=\"..\">", 1, 1},
    {"ListsMIsAMenu", "Palette.Lists.Menu", "x", 1, 1, 1, "x\r\n<MENU></MENU>", 1, 1},
    {"ColdFusionElseIf", "Palette.ColdFusion.ElseIf", "x", 1, 1, 1, "x\r\n<cfelseif>", 1, 1},
    {"AnchorLine", "Palette.Common.Anchor", "x", 1, 1, 1, "x\r\n<A name=\"..\">", 1, 1},
    {"LineBreakAtColumn2", "Palette.Common.LineBreak", "abcdef", 1, 2, 2, "abcdef<BR>", 1, 6},
    {"MenuLineBreakIsTheSame", "Insert.LineBreak", "abcdef", 1, 2, 2, "abcdef<BR>", 1, 6},
    {"NbspOnAnEmptyLine", "Insert.Nbsp", "", 1, 1, 1, "&nbsp;", 1, 7},
    {"StrongWrapsSelection", "Palette.WML.Strong", "abcd", 1, 2, 4, "a<strong>bc</strong>d", 1, 21},
    {"BigWithNothingSelected", "Palette.WML.BigSmall.Big", "ab", 1, 2, 2, "a<big></big>b", 1, 13},
    {"FontSizePlus3OnAbc", "Format.Size.+3", "abc", 1, 1, 4, "<FONT size=\"3\">abc</font>", 1, 26},
    {"FontSizeMinus2KeepsSign", "Format.Size.-2", "x", 1, 1, 2, "<FONT size=\"-2\">x</font>", 1, 25},
    {"FontSizeZero", "Format.Size.0", "x", 1, 1, 2, "<FONT size=\"0\">x</font>", 1, 24},
    {"HeaderFive", "Format.H5", "t", 1, 1, 2, "<H5>t</h5>", 1, 11},
    {"Strikethrough", "Format.Strikethrough", "t", 1, 1, 2, "<STRIKE>t</strike>", 1, 19},
    {"CenterAlignment", "Format.Align.Center", "t", 1, 1, 2, "<div align=\"center\">t</div>", 1, 28},
    {"BlankPairAroundSelection", "Insert.Blank.Pair", "t", 1, 1, 2, "<>t</>", 1, 7},
    {"BlankAspWithNothingSelected", "Insert.Blank.Asp", "", 1, 1, 1, "<%  %>", 1, 7},
};

TEST_F(VocabularyInsertionTest, TextsLandByteExactAndCaretFollowsTheMode)
{
    for (const InsertCase &c : kCases) {
        SCOPED_TRACE(c.name);
        load(c.document);
        place(c.line, c.fromColumn, c.toColumn);
        insert(&editor, lookUp(QLatin1String(c.id)));
        EXPECT_EQ(editor.allText(), QLatin1String(c.expected));
        EXPECT_EQ(editor.CaretLine(), c.caretLine);
        EXPECT_EQ(editor.CaretColumn(), c.caretColumn);
    }
}

// Every fixed text of every page and menu item lands whole, and only a
// wrapped selection counts as an edit that needs saving.
TEST_F(VocabularyInsertionTest, EveryEntryInsertsAllItsTextsWithTheRightUndoFootprint)
{
    QList<QPair<QString, Insertion>> all;
    for (const PaletteEntry *e : paletteInsertEntries())
        all.append({e->id, e->insertion});
    for (const FormatSnippet &s : documentSnippets())
        all.append({s.actionId, s.insertion});
    ASSERT_GT(all.size(), 90);

    for (const auto &[id, insertion] : all) {
        SCOPED_TRACE(id.toStdString());
        ASSERT_FALSE(insertion.texts.isEmpty());
        load("first\nsecond");
        place(1, 3, 3);
        insert(&editor, insertion);
        const QString text = editor.allText();
        switch (insertion.mode) {
        case InsertMode::Line:
        case InsertMode::Lines:
            EXPECT_EQ(text, QStringLiteral("first\r\n") + insertion.texts.join(QStringLiteral("\r\n")) +
                                QStringLiteral("\r\nsecond"));
            EXPECT_FALSE(editor.isModifiedFlag());
            break;
        case InsertMode::Wrap:
            EXPECT_EQ(text, QStringLiteral("fi") + insertion.texts.join(QString()) + QStringLiteral("rst\r\nsecond"));
            EXPECT_TRUE(editor.isModifiedFlag());
            break;
        case InsertMode::Append:
            EXPECT_EQ(text, QStringLiteral("first") + insertion.texts.at(0) + QStringLiteral("\r\nsecond"));
            EXPECT_EQ(editor.CaretColumn(), 3 + insertion.texts.at(0).size());
            break;
        case InsertMode::Replace:
        case InsertMode::Above:
        case InsertMode::End:
            ADD_FAILURE() << "a palette or menu text goes at the caret";
            break;
        }
    }
}

} // namespace
