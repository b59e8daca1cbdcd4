#include "document/ui/code_editor.h"
#include "document/ui/scintilla_calls.h"

#include "document/completion_lists.h"
#include "document/insertion.h"
#include "document/ui/completion_popup.h"

#include <algorithm>

// The editor's typing aids: typing as from the keyboard, the auto-complete
// expansion (Ctrl+G), the completion list (Ctrl+Space) and smart tabs.

namespace tagloom {

using namespace sci;

void CodeEditor::typeText(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            SendScintilla(Sci::SCI_NEWLINE);
            continue;
        }
        const QByteArray bytes = toBytes(QString(c));
        const qint64 pos = caretPosition();
        if (overwriteMode() && pos < lineEnd(CaretLine() - 1))
            SendScintilla(Sci::SCI_SETSEL, W(pos), L(SendScintilla(Sci::SCI_POSITIONAFTER, W(pos))));
        SendScintilla(Sci::SCI_REPLACESEL, bytes.constData());
    }
}

void CodeEditor::deleteBeforeCaret(int characters)
{
    for (int i = 0; i < characters; ++i)
        SendScintilla(Sci::SCI_DELETEBACK);
}

void CodeEditor::replaceBeforeCaret(int characters, const QString &text)
{
    const qint64 pos = caretPosition();
    const qint64 start = lineStart(CaretLine() - 1);
    qint64 from = pos;
    for (int i = 0; i < characters && from > start; ++i)
        from = SendScintilla(Sci::SCI_POSITIONBEFORE, W(from));
    SendScintilla(Sci::SCI_SETSEL, W(from), L(pos));
    ReplaceSelection(text);
}

QPoint CodeEditor::caretPixelPosition() const
{
    const qint64 pos = caretPosition();
    return QPoint(static_cast<int>(SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, L(pos))),
                  static_cast<int>(SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, L(pos))));
}

void CodeEditor::runAutoComplete()
{
    if (!m_autoList || isReadOnly())
        return;
    const QString word = caretVirtualSpace() > 0 ? QString() : wordBeforeCaret(LineText(), CaretColumn());
    const std::optional<QStringList> expansion = expansionOf(*m_autoList, word);
    if (!expansion)
        return;
    deleteBeforeCaret(columnLength(word));
    int indentToRemove = 0;
    std::optional<qint64> marker;
    for (int i = 0; i < expansion->size(); ++i) {
        const QString &line = expansion->at(i);
        // Take back the indentation auto indent put after the line break, but
        // never more than the blanks really there.
        const QString before = LineText().left(CaretColumn() - 1);
        const bool onlyIndentBefore = leadingBlanks(before) == before.size();
        deleteBeforeCaret(onlyIndentBefore ? std::min(indentToRemove, int(before.size())) : 0);
        indentToRemove = leadingBlanks(line);
        for (const QChar c : line) {
            typeText(QString(c));
            if (c == QLatin1Char('|'))
                marker = caretPosition();
        }
        if (i + 1 < expansion->size())
            typeText(QStringLiteral("\n"));
    }
    if (marker) {
        SendScintilla(Sci::SCI_GOTOPOS, W(*marker));
        SendScintilla(Sci::SCI_DELETEBACK);
    }
}

void CodeEditor::openCompletionList()
{
    if (!m_completionList || isReadOnly())
        return;
    if (!m_popup)
        m_popup = new CompletionPopup(this);
    const QString word = caretVirtualSpace() > 0 ? QString() : wordBeforeCaret(LineText(), CaretColumn());
    m_popup->open(*m_completionList, word);
}

int CodeEditor::smartTabColumn() const
{
    const int caretColumn = CaretColumn();
    for (int line0 = CaretLine() - 2; line0 >= 0; --line0) {
        const QString above = fromBytes(bytesAt(lineStart(line0), lineEnd(line0)));
        if (above.trimmed().isEmpty())
            continue;
        // Past the word under the caret column, then past the blanks after it.
        int i = caretColumn - 1;
        while (i < above.size() && !above.at(i).isSpace())
            ++i;
        while (i < above.size() && above.at(i).isSpace())
            ++i;
        return i < above.size() ? i + 1 : 0;
    }
    return 0;
}

} // namespace tagloom
