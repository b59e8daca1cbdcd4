#include "tags/ui/markup_dialog.h"

#include "base/ui/messages.h"
#include "base/ui/window_placement.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPushButton>

namespace tagloom {

MarkupDialog::MarkupDialog(const QString &title, ActiveEditor activeEditor, QWidget *parent)
    : QDialog(parent), m_activeEditor(std::move(activeEditor))
{
    setWindowTitle(title);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    m_okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setAutoDefault(false);
    connect(m_okButton, &QPushButton::clicked, this, &MarkupDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &MarkupDialog::reject);
}

void MarkupDialog::addButtonRow(QBoxLayout *layout)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);
}

void MarkupDialog::openFromMenu()
{
    setEditMode(false);
    showOnTop();
}

void MarkupDialog::openForEdit()
{
    showOnTop();
    setEditMode(true);
}

void MarkupDialog::showOnTop()
{
    if (!isVisible())
        resetFields();
    showAndRaise(this);
    if (QWidget *first = focusProxy())
        first->setFocus();
}

void MarkupDialog::reject()
{
    hide();
    afterCancel();
}

EditorOperations *MarkupDialog::insertionTarget()
{
    // Asked now, not at show time: the dialog may outlive its document.
    return m_activeEditor ? m_activeEditor() : nullptr;
}

void MarkupDialog::okClicked()
{
    beforeMarkup();
    const MarkupOutcome outcome = markup();
    for (const DialogMessage &message : outcome.messages) {
        QApplication::beep();
        showMessage(this, message.kind == DialogMessage::Kind::Warning ? MessageKind::Warning : MessageKind::Error,
                    QString(), message.text);
    }
    if (outcome.refused())
        return;
    EditorOperations *editor = insertionTarget();
    if (!editor)
        return;
    insert(editor, m_editMode ? asReplacement(*outcome.insertion) : *outcome.insertion);
    hide();
    afterInsert();
}

} // namespace tagloom
