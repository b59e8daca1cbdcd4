#include "document/ui/completion_popup.h"

#include "document/ui/code_editor.h"
#include "document/completion_lists.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace tagloom {

CompletionPopup::CompletionPopup(CodeEditor *editor) : QListWidget(editor), m_editor(editor)
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setStyleSheet(QStringLiteral("QListWidget::item:selected { background: rgb(128, 255, 255); color: black; }"));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { setCurrentItem(item); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void CompletionPopup::open(const QStringList &snippets, const QString &typed)
{
    m_snippets = snippets;
    m_typed = typed;
    clear();
    addItems(snippets);
    const int rowHeight = fontMetrics().height() + 2;
    resize(262, rowHeight * 6 + 2 * frameWidth());
    const QPoint caret = m_editor->caretPixelPosition();
    move(m_editor->viewport()->mapToGlobal(caret + QPoint(0, rowHeight)));
    reselect();
    show();
    setFocus();
}

void CompletionPopup::reselect()
{
    m_lastRow = completionRow(m_snippets, m_typed, m_lastRow);
    if (m_lastRow >= count())
        m_lastRow = 0;
    setCurrentRow(m_lastRow);
}

void CompletionPopup::moveBy(int rows)
{
    if (count() == 0)
        return;
    setCurrentRow(std::clamp(currentRow() + rows, 0, count() - 1));
}

void CompletionPopup::accept()
{
    const QString snippet = currentItem() ? currentItem()->text() : QString();
    hide();
    m_editor->replaceBeforeCaret(static_cast<int>(m_typed.size()), snippet);
}

void CompletionPopup::keyPressEvent(QKeyEvent *event)
{
    handleKey(event);
}

void CompletionPopup::handleKey(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up: ctrl ? setCurrentRow(0) : moveBy(-1); return;
    case Qt::Key_Down: ctrl ? setCurrentRow(count() - 1) : moveBy(1); return;
    case Qt::Key_PageUp: moveBy(-6); return;
    case Qt::Key_PageDown: moveBy(6); return;
    case Qt::Key_Home:
        if (ctrl)
            setCurrentRow(0);
        return;
    case Qt::Key_End:
        if (ctrl)
            setCurrentRow(count() - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: accept(); return;
    case Qt::Key_Backspace:
        if (!(event->modifiers() & Qt::ShiftModifier) && !m_typed.isEmpty()) {
            m_typed.chop(1);
            m_editor->deleteBeforeCaret(1);
            reselect();
        }
        return;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() >= 33 && text.at(0).unicode() <= 122) {
        m_typed += text;
        m_editor->typeText(text);
        reselect();
        return;
    }
    if (event->key() != Qt::Key_Shift && event->key() != Qt::Key_Control && event->key() != Qt::Key_Alt)
        hide(); // Escape, Space and anything else end the list
}

void CompletionPopup::hideEvent(QHideEvent *event)
{
    m_lastRow = std::max(currentRow(), 0);
    QListWidget::hideEvent(event);
    m_editor->setFocus();
}

} // namespace tagloom
