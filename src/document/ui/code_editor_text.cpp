#include "document/ui/code_editor.h"
#include "document/ui/long_line_view.h"
#include "document/ui/scintilla_calls.h"
#include "document/ui/scintilla_loader.h"

#include <Qsci/qscilexer.h>
#include <algorithm>
#include <cstring>

// The editor's whole-text operations: loading, reloading, clearing, taking a
// document built in the background, and copying the text for a save.

namespace tagloom {

using namespace sci;

void CodeEditor::showTop()
{
    // The caret to line 1 without making it visible the usual way, which
    // would lay its line out here rather than in the coming paint.
    SendScintilla(Sci::SCI_SETEMPTYSELECTION, 0UL);
    SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, 0UL);
    SendScintilla(Sci::SCI_SETXOFFSET, 0UL);
}

void CodeEditor::applyDocumentSettings()
{
    // These belong to Scintilla's document, not to the view: a document
    // swapped in needs them again.
    setUtf8(heldAsUtf8(encoding()));
    setEolMode(QsciScintilla::EolWindows);
    setTabWidth(1);
    setIndentationsUseTabs(true);
    // Tab inserts a tab character, also inside indentation; nothing re-indents.
    setTabIndents(false);
    setBackspaceUnindents(false);
}

void CodeEditor::loadText(const EditorText &text, TextEncoding encoding)
{
    ++m_silent;
    m_document->setEncoding(encoding);
    setUtf8(heldAsUtf8(encoding));
    SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(Sci::SCI_CLEARALL);
    SendScintilla(Sci::SCI_ADDTEXT, static_cast<uintptr_t>(text.buffer.size()), text.buffer.constData());
    SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    m_selectionOfToken.clear();
    m_document->setNoLines(text.noLines);
    --m_silent;
    setModifiedFlag(false);
    showTop();
    takeMeasureOfText(longestLineLength(text.buffer));
}

void CodeEditor::reloadText(const EditorText &text, TextEncoding encoding)
{
    const bool wasModified = isModifiedFlag();
    loadText(text, encoding);
    setModifiedFlag(wasModified);
}

void CodeEditor::replaceAllSilently(const QString &text)
{
    const bool wasModified = isModifiedFlag();
    const QByteArray bytes = normaliseLineBreaks(toBytes(text), CrLf);
    ++m_silent;
    SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(Sci::SCI_CLEARALL);
    SendScintilla(Sci::SCI_ADDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.constData());
    SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    m_selectionOfToken.clear();
    m_document->setNoLines(bytes.isEmpty() && text.isEmpty() && m_document->hasNoLines());
    --m_silent;
    setModifiedFlag(wasModified);
    takeMeasureOfText(longestLineLength(bytes));
}

void CodeEditor::forgetHistory()
{
    const bool wasModified = isModifiedFlag();
    SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    m_selectionOfToken.clear();
    setModifiedFlag(wasModified);
}

void CodeEditor::clearAllLines()
{
    const bool wasModified = isModifiedFlag();
    ++m_silent;
    SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(Sci::SCI_CLEARALL);
    SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    m_selectionOfToken.clear();
    m_document->setNoLines(true);
    --m_silent;
    setModifiedFlag(wasModified);
    takeMeasureOfText(0);
}

void CodeEditor::adoptLoadedDocument(const ScintillaLoader &loader, const LoadedText &loaded)
{
    if (!loader.document())
        return;
    ++m_silent;
    SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, reinterpret_cast<long>(loader.document()));
    m_document->setEncoding(loaded.encoding);
    m_document->setNoLines(loaded.text.noLines);
    applyDocumentSettings();
    if (isPlainDocument())
        SendScintilla(Sci::SCI_SETLEXER, W(Sci::SCLEX_NULL)); // nothing to colour into
    else if (m_documentLexer)
        m_documentLexer();
    SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    m_selectionOfToken.clear();
    --m_silent;
    setModifiedFlag(false);
    showTop();
    takeMeasureOfText(loaded.longestLine);
}

bool CodeEditor::copyBuffer(QByteArray &into) const
{
    const qint64 length = SendScintilla(Sci::SCI_GETLENGTH);
    const qint64 gap = std::clamp<qint64>(SendScintilla(Sci::SCI_GETGAPPOSITION), 0, length);
    if (into.size() != length)
        into.resize(length);
    // Asking for each side of Scintilla's gap separately moves no text.
    const auto *before = reinterpret_cast<const char *>(SendScintilla(Sci::SCI_GETRANGEPOINTER, 0UL, L(gap)));
    const auto *after = reinterpret_cast<const char *>(SendScintilla(Sci::SCI_GETRANGEPOINTER, W(gap), L(length - gap)));
    if ((gap > 0 && !before) || (length > gap && !after))
        return false;
    if (gap > 0)
        memcpy(into.data(), before, gap);
    if (length > gap)
        memcpy(into.data() + gap, after, length - gap);
    return true;
}

} // namespace tagloom
