#include "document/ui/proof_check_view.h"

#include "document/spell_checker.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextBlock>

namespace tagloom {

ProofCheckView::ProofCheckView(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFont(QStringLiteral("Courier New"), 10));
}

QString ProofCheckView::checkedText() const
{
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            text += QLatin1Char('\n');
        text += block.text();
    }
    return text;
}

int ProofCheckView::runCheck(SpellChecker &checker)
{
    m_checker = &checker;
    underline();
    return extraSelections().size();
}

void ProofCheckView::underline()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (!m_checker)
        return;
    QTextCharFormat wrong;
    wrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    wrong.setUnderlineColor(Qt::red);
    const QString text = toPlainText();
    for (const WordRange &w : m_checker->misspelled(text)) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(document());
        mark.cursor.setPosition(static_cast<int>(w.start));
        mark.cursor.setPosition(static_cast<int>(w.start + w.length), QTextCursor::KeepAnchor);
        mark.format = wrong;
        marks.append(mark);
    }
    setExtraSelections(marks);
}

void ProofCheckView::contextMenuEvent(QContextMenuEvent *event)
{
    const QTextCursor at = cursorForPosition(event->pos());
    QTextEdit::ExtraSelection hit;
    bool found = false;
    for (const QTextEdit::ExtraSelection &mark : extraSelections()) {
        if (at.position() >= mark.cursor.selectionStart() && at.position() <= mark.cursor.selectionEnd()) {
            hit = mark;
            found = true;
            break;
        }
    }
    if (!found || !m_checker) {
        QPlainTextEdit::contextMenuEvent(event);
        return;
    }
    const QString word = hit.cursor.selectedText();
    QMenu menu(this);
    const QStringList suggestions = m_checker->suggestions(word);
    for (const QString &suggestion : suggestions.mid(0, 8)) {
        menu.addAction(suggestion, this, [this, cursor = hit.cursor, suggestion]() mutable {
            cursor.insertText(suggestion);
            underline();
        });
    }
    if (suggestions.isEmpty())
        menu.addAction(tr("(no suggestions)"))->setEnabled(false);
    menu.addSeparator();
    menu.addAction(tr("Ignore All"), this, [this, word] {
        m_checker->ignore(word);
        underline();
    });
    menu.exec(event->globalPos());
}

} // namespace tagloom
