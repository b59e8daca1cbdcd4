#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/css_tokens.h"
#include "document/ui/document_window.h"
#include "document/ui/embedded_styles.h"

#include <QComboBox>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {


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
