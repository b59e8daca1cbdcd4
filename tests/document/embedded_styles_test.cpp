#include "common/temp_data.h"
#include "document/code_editor.h"
#include "document/css_tokens.h"
#include "document/document_window.h"
#include "document/embedded_styles.h"

#include <QComboBox>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QStringList kinds(const QString &css)
{
    static const char *const names[] = {"comment", "at", "selector", "property", "value"};
    QStringList out;
    for (const CssToken &t : cssTokens(css))
        out << QStringLiteral("%1:%2").arg(QLatin1String(names[int(t.kind)]), css.mid(t.start, t.length));
    return out;
}

TEST(CssTokens, SplitsRulesIntoTheirParts)
{
    EXPECT_EQ(kinds(QStringLiteral("h1, p.note { color: #FF0000; margin:0 auto }")),
              (QStringList{"selector:h1, p.note", "property:color", "value:#FF0000", "property:margin", "value:0 auto"}));
    EXPECT_EQ(kinds(QStringLiteral("/* top */ @import url(a.css);")),
              (QStringList{"comment:/* top */", "at:@import url(a.css)"}));
    EXPECT_EQ(kinds(QStringLiteral("a { b: c /* open")), (QStringList{"selector:a", "property:b", "value:c", "comment:/* open"}));
    EXPECT_EQ(kinds(QStringLiteral("}} x")), QStringList{"selector:x"}); // stray braces never fail
}

TEST(CssTokens, FindsStyleBlocksInAnyLetterCase)
{
    const QString page = QStringLiteral("<styles><STYLE type=\"text/css\">p{}</STYLE><Style>q{}");
    const QVector<StyleBlock> blocks = styleBlocks(page);
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_EQ(page.mid(blocks[0].contentStart, blocks[0].contentEnd - blocks[0].contentStart), QStringLiteral("p{}"));
    EXPECT_EQ(page.mid(blocks[0].start, blocks[0].end - blocks[0].start),
              QStringLiteral("<STYLE type=\"text/css\">p{}</STYLE>"));
    EXPECT_EQ(blocks[1].contentEnd, page.size()); // unclosed: to the end
}

TEST(EmbeddedStyles, MultiHighlighterColoursStyleSheetsOnly)
{
    test::MessageRecorder messages;
    DocumentWindow doc{DocumentContext{}};
    CodeEditor *editor = doc.editor();
    editor->ReplaceSelection(QStringLiteral("<p>\u00e9</p><style>p { color: red }</style>"));
    auto marked = [&](int indicator, const QString &text) {
        const qint64 at = editor->buffer().indexOf(text.toUtf8());
        return editor->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, static_cast<unsigned long>(indicator),
                                     static_cast<long>(at)) != 0;
    };
    doc.syntaxBox()->setCurrentText(QStringLiteral("General Multi-Highlighter"));
    EXPECT_TRUE(doc.embeddedStyles()->isEnabled());
    EXPECT_TRUE(marked(22, QStringLiteral("p {")));   // selector
    EXPECT_TRUE(marked(23, QStringLiteral("color"))); // property
    EXPECT_TRUE(marked(24, QStringLiteral("red")));   // value
    EXPECT_TRUE(marked(25, QStringLiteral("<style>")));
    EXPECT_FALSE(marked(22, QStringLiteral("<p>")));

    doc.syntaxBox()->setCurrentText(QStringLiteral("HTML Document"));
    EXPECT_FALSE(marked(23, QStringLiteral("color")));
}

} // namespace
