#include "document/ui/code_editor.h"
#include "document/ui/editor_accessible.h"
#include "document/ui/long_line_view.h"
#include "document/ui/scintilla_calls.h"

#include "base/text_codec.h"

#include <QTimer>
#include <algorithm>
#include <utility>

// What keeps the editor answering on large documents and very long lines:
// counting characters quickly, raising the change event once an edit is
// done, and noticing when the document changes how it must be shown.

namespace tagloom {

using namespace sci;

qint64 CodeEditor::countCharacters(qint64 from, qint64 to) const
{
    // Scintilla steps through a range character by character; over a long
    // stretch, counting the bytes that start a character is many times faster.
    constexpr qint64 kLongStretch = 64 * 1024;
    if (to - from < kLongStretch)
        return SendScintilla(Sci::SCI_COUNTCHARACTERS, W(from), L(to));
    if (!heldAsUtf8(encoding()))
        return to - from;
    const qint64 gap = std::clamp<qint64>(SendScintilla(Sci::SCI_GETGAPPOSITION), from, to);
    qint64 characters = 0;
    for (const auto &[a, b] : {std::pair{from, gap}, std::pair{gap, to}}) {
        if (b <= a)
            continue;
        // Each side of Scintilla's gap is one stretch of memory.
        const auto *p = reinterpret_cast<const unsigned char *>(SendScintilla(Sci::SCI_GETRANGEPOINTER, W(a), L(b - a)));
        for (qint64 i = 0; i < b - a; ++i)
            characters += (p[i] & 0xC0) != 0x80;
    }
    return characters;
}

void CodeEditor::flushChange()
{
    if (!m_changePending)
        return;
    m_changePending = false;
    // An edit can make a line very long (a pasted page of one line).
    if (!m_longLines->isActive()) {
        const int line0 = CaretLine() - 1;
        const qint64 length = lineEnd(line0) - lineStart(line0);
        if (length > m_limits.longLine) {
            m_longLines->setActive(true, length);
            refreshEditorAccessible(this);
            emit displayModeChanged();
        }
    }
    emit changed();
}

void CodeEditor::keepColumnCount(qint64 position, qint64 length)
{
    ColumnCount &known = m_columnCount;
    if (position >= known.position)
        return;
    // Backspace on the counted line: the count shrinks by what goes.
    const qint64 end = position - length;
    if (length < 0 && position >= known.lineStart && end <= known.position) {
        known.characters -= SendScintilla(Sci::SCI_COUNTCHARACTERS, W(position), L(end));
        known.position -= end - position;
        return;
    }
    known = ColumnCount{};
}

bool CodeEditor::isPlainDocument() const
{
    return SendScintilla(Sci::SCI_GETDOCUMENTOPTIONS) & Sci::SC_DOCUMENTOPTION_STYLES_NONE;
}

qsizetype CodeEditor::longLineShown() const
{
    return m_longLines->isActive() ? m_longLines->longestLine() : 0;
}

void CodeEditor::takeMeasureOfText(qsizetype longestLine)
{
    const bool wasLarge = m_largeDocument;
    const qsizetype wasLong = longLineShown();
    m_columnCount = ColumnCount{};
    m_largeDocument = SendScintilla(Sci::SCI_GETLENGTH) >= m_limits.largeDocument;
    m_longLines->setActive(longestLine > m_limits.longLine, longestLine);
    fitLineNumbers();
    if (wasLarge == m_largeDocument && wasLong == longLineShown())
        return;
    refreshEditorAccessible(this);
    emit displayModeChanged();
}

} // namespace tagloom
