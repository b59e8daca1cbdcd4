#include "vocabulary/ui/server_vars_dialog.h"

#include "base/ui/typed_combo_box.h"
#include "base/ui/messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tagloom {

ServerVarsDialog::ServerVarsDialog(QString dataFolder, ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Server Variables..."), std::move(activeEditor), parent),
      m_dataFolder(std::move(dataFolder))
{
    auto *group = new QGroupBox(QStringLiteral("Select a Variable:"), this);
    m_field = new QComboBox(group);
    makeTypedComboBox(m_field); // the list is reloaded on every show
    m_field->setMinimumWidth(240);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_field);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    addButtonRow(layout);
    setFocusProxy(m_field);
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
    showOnTop();
}

MarkupOutcome ServerVarsDialog::markup() const
{
    return MarkupOutcome::inserting(lineInsertion(serverVariableText(m_kind, m_field->currentText())));
}

} // namespace tagloom
