#include "document/ui/long_line_view.h"

#include "document/ui/code_editor.h"
#include "document/ui/scintilla_calls.h"

#include <QTimer>
#include <algorithm>

namespace tagloom {

using namespace sci;

LongLineView::LongLineView(CodeEditor *editor) : QObject(editor), m_editor(editor)
{
    connect(editor, &QsciScintillaBase::SCN_STYLENEEDED, this, &LongLineView::styleNeeded);
    connect(editor, &QsciScintillaBase::SCN_UPDATEUI, this, &LongLineView::caretMayHaveMoved);
    connect(editor, &CodeEditor::textChanging, this, &LongLineView::textChanging);
    connect(editor, &CodeEditor::changed, this, &LongLineView::textChanged);
}

void LongLineView::setActive(bool on, qsizetype longestLine)
{
    m_longestLine = on ? longestLine : 0;
    m_windowStart = m_windowEnd = -1;
    if (on == m_active)
        return;
    m_active = on;
    m_editor->SendScintilla(Sci::SCI_STYLESETVISIBLE, W(HiddenStyle), L(on ? 0 : 1));
    // QsciScintilla counts the caret's column on every caret move (for a
    // signal nobody here listens to), which is slow far out on a long line.
    if (on)
        disconnect(m_editor, SIGNAL(SCN_UPDATEUI(int)), m_editor, SLOT(handleUpdateUI(int)));
    else
        connect(m_editor, SIGNAL(SCN_UPDATEUI(int)), m_editor, SLOT(handleUpdateUI(int)));
    if (!on)
        return;
    // The container styles from now on: everything plain but the hidden parts.
    m_editor->SendScintilla(Sci::SCI_SETLEXER, W(Sci::SCLEX_CONTAINER));
    // Everything was styled by the colouring; the long lines are hidden whole
    // first, their windows shown after.
    m_editor->SendScintilla(Sci::SCI_STARTSTYLING, 0UL, 0L);
    const qint64 caret = m_editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    const int caretLine = static_cast<int>(m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, W(caret)));
    styleLine(caretLine, 0, -1);
    followCaret(false);
    // The first screen is styled now: styling it while painting would have
    // its lines laid out twice.
    if (m_editor->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE) == 0) {
        const long lines = m_editor->SendScintilla(Sci::SCI_LINESONSCREEN) + 1;
        styleRange(0, m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, W(lines)) < 0
                          ? m_editor->SendScintilla(Sci::SCI_GETLENGTH)
                          : m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, W(lines)));
    }
}

void LongLineView::styleNeeded(int position)
{
    if (!m_active)
        return;
    styleRange(m_editor->SendScintilla(Sci::SCI_GETENDSTYLED), position);
}

void LongLineView::textChanging(qint64 position, qint64 length)
{
    if (!m_active)
        return;
    if (m_editsSinceChange++ == 0) {
        m_edit.styledEnd = m_editor->SendScintilla(Sci::SCI_GETENDSTYLED);
        m_edit.position = position;
        m_edit.length = length;
        // Scintilla gives inserted text the plain style.
        const int line0 = static_cast<int>(m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, W(position)));
        const qint64 lineLength = m_editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, W(line0)) -
                                  m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, W(line0));
        m_edit.styledRight = length < 0 || lineLength <= m_editor->limits().longLine ||
                             (position >= m_windowStart && position <= m_windowEnd);
    }
    if (m_windowStart < 0)
        return;
    // The window keeps covering the same text; what is typed into it grows it.
    if (length > 0) {
        if (position < m_windowStart)
            m_windowStart += length;
        if (position <= m_windowEnd)
            m_windowEnd += length;
        return;
    }
    auto shifted = [position, removed = -length](qint64 at) {
        return at <= position ? at : std::max(position, at - removed);
    };
    m_windowStart = shifted(m_windowStart);
    m_windowEnd = shifted(m_windowEnd);
}

void LongLineView::textChanged()
{
    const int edits = m_editsSinceChange;
    m_editsSinceChange = 0;
    if (!m_active || edits != 1 || !m_edit.styledRight)
        return;
    // Scintilla moved its styled end back to the edit, and would have every
    // laid-out line checked byte by byte at the next paint; the styles after
    // the edit are still right, so the styled end goes back where it was.
    const qint64 before = m_edit.styledEnd;
    const qint64 at = m_edit.position;
    qint64 styledEnd = before;
    if (m_edit.length > 0 && at <= before)
        styledEnd = before + m_edit.length;
    else if (m_edit.length < 0)
        styledEnd = at - m_edit.length <= before ? before + m_edit.length : std::min(before, at);
    if (styledEnd > m_editor->SendScintilla(Sci::SCI_GETENDSTYLED))
        m_editor->SendScintilla(Sci::SCI_STARTSTYLING, W(styledEnd), 0L);
}

void LongLineView::caretMayHaveMoved()
{
    // Called while Scintilla paints: the styles change after the paint.
    if (!m_active || m_followPending)
        return;
    m_followPending = true;
    QTimer::singleShot(0, this, [this] { followCaret(); });
}

void LongLineView::followCaret(bool scroll)
{
    m_followPending = false;
    if (!m_active)
        return;
    const qint64 caret = m_editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    const int line0 = static_cast<int>(m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, W(caret)));
    const qint64 lineStart = m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, W(line0));
    const qint64 lineEnd = m_editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, W(line0));
    const qint64 size = m_editor->limits().longLineWindow;
    const bool longLine = lineEnd - lineStart > m_editor->limits().longLine;
    if (!longLine && m_windowStart < 0)
        return;
    if (longLine) {
        // Near an edge that is not the line's own, the window moves so that
        // the caret stands in its middle.
        const qint64 margin = size / 8;
        const bool inside = m_windowStart >= lineStart && m_windowEnd <= lineEnd &&
                            (caret >= m_windowStart + margin || m_windowStart == lineStart) &&
                            (caret <= m_windowEnd - margin || m_windowEnd == lineEnd);
        if (inside)
            return;
    }
    // Only what changes is styled again: the old window (hidden, or its
    // line's beginning again) and the new one.
    const qint64 styledEnd = m_editor->SendScintilla(Sci::SCI_GETENDSTYLED);
    const qint64 oldStart = m_windowStart;
    const qint64 oldEnd = m_windowEnd;
    m_windowStart = m_windowEnd = -1;
    if (oldStart >= 0) {
        const int oldLine = static_cast<int>(m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, W(oldStart)));
        const qint64 oldLineStart = m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, W(oldLine));
        styleLine(oldLine, oldStart, oldEnd);
        styleLine(oldLine, oldLineStart, oldLineStart + size);
    }
    if (longLine) {
        m_windowStart = std::clamp(caret - size / 2, lineStart, std::max(lineStart, lineEnd - size));
        m_windowEnd = std::min(lineEnd, m_windowStart + size);
        styleLine(line0, lineStart, lineStart + size);
        styleLine(line0, m_windowStart, m_windowEnd);
    }
    m_editor->SendScintilla(Sci::SCI_STARTSTYLING, W(styledEnd), 0L);
    // Changed styles have Scintilla compare a laid-out line byte by byte
    // before laying it out again; a style setting drops the layouts at once.
    m_editor->SendScintilla(Sci::SCI_STYLESETVISIBLE, W(HiddenStyle), 0L);
    if (scroll)
        m_editor->SendScintilla(Sci::SCI_SCROLLCARET);
}

void LongLineView::styleRange(qint64 start, qint64 end)
{
    const qint64 length = m_editor->SendScintilla(Sci::SCI_GETLENGTH);
    end = std::min(end, length);
    if (end <= start)
        return;
    const int first = static_cast<int>(m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, W(start)));
    const int last = static_cast<int>(m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, W(end - 1)));
    // Runs of short lines go plain in one piece. Every byte is written once:
    // Scintilla lays a line out again only when a style really changes.
    qint64 plainFrom = start;
    for (int line0 = first; line0 <= last; ++line0) {
        const qint64 lineStart = m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, W(line0));
        const qint64 lineEnd = m_editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, W(line0));
        if (lineEnd - lineStart <= m_editor->limits().longLine)
            continue;
        setStyle(plainFrom, std::max(start, lineStart), 0);
        styleLine(line0, start, end);
        plainFrom = std::min(end, lineEnd);
    }
    setStyle(plainFrom, end, 0);
    // Styling a middle part moves Scintilla's styled end back; it is here.
    m_editor->SendScintilla(Sci::SCI_STARTSTYLING, W(end), 0L);
}

void LongLineView::setStyle(qint64 from, qint64 to, int style)
{
    if (to <= from)
        return;
    m_editor->SendScintilla(Sci::SCI_STARTSTYLING, W(from), 0L);
    m_editor->SendScintilla(Sci::SCI_SETSTYLING, W(to - from), L(style));
}

void LongLineView::styleLine(int line0, qint64 from, qint64 to)
{
    const qint64 lineStart = m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, W(line0));
    const qint64 lineEnd = m_editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, W(line0));
    if (to < 0) {
        from = lineStart;
        to = lineEnd;
    }
    auto style = [this, from, to](qint64 a, qint64 b, int style) { setStyle(std::max(a, from), std::min(b, to), style); };
    if (lineEnd - lineStart <= m_editor->limits().longLine) {
        style(lineStart, lineEnd, 0);
        return;
    }
    const bool caretLine = m_windowStart >= lineStart && m_windowStart <= lineEnd;
    const qint64 windowStart = caretLine ? m_windowStart : lineStart;
    const qint64 windowEnd = caretLine ? m_windowEnd : std::min(lineEnd, lineStart + m_editor->limits().longLineWindow);
    style(lineStart, windowStart, HiddenStyle);
    style(windowStart, windowEnd, 0);
    style(windowEnd, lineEnd, HiddenStyle);
}

} // namespace tagloom
