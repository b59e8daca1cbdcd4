#include "tags/ui/tag_help.h"

#include "base/ui/messages.h"
#include "base/ui/system_open.h"
#include "document/insertion.h"
#include "document/ui/code_editor.h"
#include "tags/tag_reference.h"

namespace tagloom {

namespace {

// Selects the word at the caret; false when the caret is at no word.
bool selectWordAtCaret(CodeEditor *editor)
{
    const QString line = editor->LineText();
    const std::optional<WordSpan> word = tagWordAt(line, editor->CaretColumn());
    if (!word)
        return false;
    using Sci = QsciScintillaBase;
    const long lineStart = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, editor->CaretLine() - 1);
    const long from =
        editor->SendScintilla(Sci::SCI_POSITIONRELATIVE, lineStart, columnLength(line.left(word->start)));
    // The word is ASCII: one byte per character.
    editor->SendScintilla(Sci::SCI_SETSEL, from, from + long(word->end - word->start));
    return true;
}

} // namespace

void showTagHelp(CodeEditor *editor, const QString &dataFolder, QWidget *messageParent)
{
    if (!editor)
        return;
    if (editor->SelectedText().isEmpty() && !selectWordAtCaret(editor))
        return;
    const std::optional<QString> page = referencePageFor(editor->SelectedText());
    if (!page)
        return;
    if (!openWithSystem(QUrl::fromLocalFile(dataFolder + *page)))
        showMessage(messageParent, MessageKind::Error, QStringLiteral("Error"),
                    QStringLiteral("ERROR: Please re-set the program."));
}

} // namespace tagloom
