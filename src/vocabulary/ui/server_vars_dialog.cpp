#include "vocabulary/ui/server_vars_dialog.h"

#include "base/ui/messages.h"
#include "document/insertion.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

ServerVarsDialog::ServerVarsDialog(QString dataFolder, std::function<EditorOperations *()> activeEditor,
                                   QWidget *parent)
    : QDialog(parent), m_dataFolder(std::move(dataFolder)), m_activeEditor(std::move(activeEditor))
{
    setWindowTitle(QStringLiteral("Insert Server Variables..."));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    auto *group = new QGroupBox(QStringLiteral("Select a Variable:"), this);
    m_field = new QComboBox(group);
    m_field->setEditable(true);
    // Typing a name must not grow the list; it is reloaded on every show.
    m_field->setInsertPolicy(QComboBox::NoInsert);
    m_field->setMinimumWidth(240);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_field);

    m_okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFocusProxy(m_field);

    connect(m_okButton, &QPushButton::clicked, this, &ServerVarsDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::hide);
}

void ServerVarsDialog::showFor(ServerVariableKind kind)
{
    m_kind = kind;
    m_field->clear();
    const Result<QStringList> names = readServerVariables(m_dataFolder, kind);
    if (names)
        m_field->addItems(*names);
    else
        showMessage(parentWidget(), MessageKind::Error, QString(), names.error);
    m_field->setEditText(QString());
    show();
    raise();
    activateWindow();
    m_field->setFocus();
}

void ServerVarsDialog::okClicked()
{
    // Asked now, not at show time: the dialog may outlive its document.
    EditorOperations *editor = m_activeEditor ? m_activeEditor() : nullptr;
    insert(editor, lineInsertion(serverVariableText(m_kind, m_field->currentText())));
    hide();
}

} // namespace tagloom
