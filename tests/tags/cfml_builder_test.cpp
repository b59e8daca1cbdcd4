#include "common/line_list.h"
#include "common/temp_data.h"
#include "tags/cfml_builder.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace tagloom;
using test::LineList;

namespace {

TEST(CfmlBuilder, LeavesNameTheirFilesAndRootsNameNone)
{
    const struct {
        const char *caption;
        const char *file; // nullptr: no file
    } cases[] = {
        {"Decision", "/data/Extensions/Cfml/Functions/decision.cfx"},
        {"Structures", "/data/Extensions/Cfml/Functions/structure.cfx"},
        {"System Level", "/data/Extensions/Cfml/Functions/system level.cfx"},
        {"Regular Expressions", "/data/Extensions/Cfml/Constants/regular expressions.cfx"},
        {"Arithmetic Operators", "/data/Extensions/Cfml/Operators/arithmetic operators.cfx"},
        {"Logical Operators", "/data/Extensions/Cfml/Operators/logical operators.cfx"},
        {"Functions", nullptr},
        {"Operators", nullptr},
        {"decision", nullptr},
    };
    for (const auto &c : cases) {
        const std::optional<QString> file = cfmlCategoryFile(QStringLiteral("/data"), QLatin1String(c.caption));
        if (c.file) {
            EXPECT_EQ(file, QString::fromLatin1(c.file)) << c.caption;
        } else {
            EXPECT_FALSE(file.has_value()) << c.caption;
        }
    }
    EXPECT_EQ(cfmlRoots(), QStringList({"Functions", "Constants", "Operators"}));
}

// The shipped lists: every leaf has its file, each a list of distinct
// entries without blanks; functions are written as calls.
TEST(CfmlBuilder, EveryShippedCategoryFileIsAFilledList)
{
    const QRegularExpression call(QStringLiteral("^[A-Za-z][A-Za-z0-9]*\\(.*\\)$"));
    QSet<QString> files;
    for (const CfmlCategory &c : cfmlCategories()) {
        const QString path = *cfmlCategoryFile(QStringLiteral(TAGLOOM_SOURCE_DATA_DIR), QLatin1String(c.leaf));
        files.insert(path);
        const Result<QStringList> entries = loadCfmlCategory(path);
        ASSERT_TRUE(entries) << c.leaf << ": " << entries.error.toStdString();
        EXPECT_FALSE(entries->isEmpty()) << c.leaf;
        EXPECT_EQ(QSet<QString>(entries->begin(), entries->end()).size(), entries->size()) << c.leaf;
        for (const QString &entry : *entries) {
            EXPECT_FALSE(entry.trimmed().isEmpty()) << c.leaf;
            EXPECT_EQ(entry, entry.trimmed()) << c.leaf;
            if (QLatin1String(c.root) == QLatin1String("Functions")) {
                EXPECT_TRUE(call.match(entry).hasMatch()) << c.leaf << ": " << entry.toStdString();
            }
        }
    }
    EXPECT_EQ(files.size(), 21);
}

TEST(CfmlBuilder, CategoryListsHoldTheirOwnKind)
{
    const struct {
        const char *leaf;
        const char *holds;
        const char *notHeld;
    } cases[] = {
        {"Arithmetic Operators", "MOD", "AND"},
        {"Logical Operators", "AND", "MOD"},
        {"Comparison Operators", "GTE", "XOR"},
        {"Decision", "IsDefined(\"variable_name\")", "Len(string or binary object)"},
        {"Boolean", "Yes", "No such"},
    };
    for (const auto &c : cases) {
        const Result<QStringList> entries =
            loadCfmlCategory(*cfmlCategoryFile(QStringLiteral(TAGLOOM_SOURCE_DATA_DIR), QLatin1String(c.leaf)));
        ASSERT_TRUE(entries) << c.leaf;
        EXPECT_TRUE(entries->contains(QLatin1String(c.holds))) << c.leaf;
        EXPECT_FALSE(entries->contains(QLatin1String(c.notHeld))) << c.leaf;
    }
}

TEST(CfmlBuilder, AMissingCategoryFileSaysSo)
{
    test::TempDataFolder folder(false);
    const Result<QStringList> entries = loadCfmlCategory(*cfmlCategoryFile(folder.path(), QStringLiteral("List")));
    EXPECT_FALSE(entries);
    EXPECT_FALSE(entries.error.isEmpty());
}

// Each piece goes directly below the caret line, so pieces added without
// moving the caret read bottom to top.
TEST(CfmlBuilder, PiecesStackBelowTheCaretLine)
{
    const struct {
        const char *name;
        QStringList before;
        int caretLine;
        QStringList pieces;
        QStringList after;
    } cases[] = {
        {"plus then not", {"x"}, 1, {"+", "not"}, {"x", "not", "+"}},
        {"in the middle of the expression", {"a", "b"}, 1, {"and"}, {"a", "and", "b"}},
        {"on the last line", {"a", "b"}, 2, {"(..)", "\"..\""}, {"a", "b", "\"..\"", "(..)"}},
        {"an empty editor takes the first piece as its first line", {}, 1, {"+", "not"}, {"+", "not"}},
    };
    for (const auto &c : cases) {
        LineList editor;
        editor.lines = c.before;
        editor.caretLine = c.caretLine;
        for (const QString &piece : c.pieces)
            insert(&editor, cfmlPieceInsertion(piece));
        EXPECT_EQ(editor.lines, c.after) << c.name;
        EXPECT_EQ(editor.caretLine, c.caretLine) << c.name;
    }
}

TEST(CfmlBuilder, OperatorButtonsAddTheirText)
{
    QStringList captions;
    for (const CfmlOperator &op : cfmlOperators()) {
        captions.append(QLatin1String(op.caption));
        // Only the quotes button writes something other than its caption.
        if (QLatin1String(op.caption) == QLatin1String("'..'")) {
            EXPECT_STREQ(op.text, "\"..\"");
        } else {
            EXPECT_STREQ(op.text, op.caption);
        }
    }
    EXPECT_EQ(captions, QStringList({"+", "-", "/", "*", "&", "=", ">", "<", "<>", "not", "or", "and", "xor", "#..#",
                                     "'..'", "(..)", "[..]"}));
}

TEST(CfmlBuilder, TheExpressionGoesBelowTheDocumentsCaretLine)
{
    const struct {
        const char *name;
        const char *expression;
        QStringList after;
    } cases[] = {
        {"an empty expression is one empty line", "", {"<cfset>", "", "</cfset>"}},
        {"lines keep their order", "a\nnot\n+", {"<cfset>", "a", "not", "+", "</cfset>"}},
        {"any line break", "a\r\nb\rc", {"<cfset>", "a", "b", "c", "</cfset>"}},
    };
    for (const auto &c : cases) {
        LineList document;
        document.lines = QStringList{"<cfset>", "</cfset>"};
        insert(&document, cfmlExpressionInsertion(QString::fromLatin1(c.expression)));
        EXPECT_EQ(document.lines, c.after) << c.name;
        EXPECT_EQ(document.caretLine, 1) << c.name;
    }
}

} // namespace
