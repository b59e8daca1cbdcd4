#include "app/ui/import_v4_dialog.h"

#include "base/ui/messages.h"
#include "base/ui/window_placement.h"
#include "settings/settings_store.h"
#include "settings/v4_import.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

ImportV4Dialog::ImportV4Dialog(SettingsStore *user, const SettingsStore *machine, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_user(user), m_machine(machine)
{
    setWindowTitle(QStringLiteral("Import Tagloom 4 Settings..."));
    setObjectName(QStringLiteral("ImportV4Dialog"));
    auto *heading = new QLabel(QStringLiteral("Import Tagloom 4 Settings Wizard..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto *text = new QLabel(QStringLiteral("Should you wish to migrate from Tagloom 4 to Tagloom 5, you can choose "
                                           "which settings you would like to transfer below."),
                            this);
    text->setWordWrap(true);
    m_items = new QListWidget(this);
    const QStringList &labels = v4ImportItemLabels();
    for (int i = 0; i < labels.size(); ++i) {
        auto *item = new QListWidgetItem(labels.at(i), m_items);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(i == 0 ? Qt::Unchecked : Qt::Checked);
    }
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportV4Dialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addWidget(m_items, 1);
    layout->addWidget(buttons);
    resize(380, 330);
}

void ImportV4Dialog::showImport()
{
    showCentredOnScreen(this);
    if (m_user && v4AlreadyImported(*m_user)) {
        QApplication::beep();
        const auto answer = showMessage(
            this, MessageKind::Question, QString(),
            QStringLiteral("Settings have already been imported from Tagloom 4.x\nDo you wish to proceed?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            hide();
    }
}

void ImportV4Dialog::accept()
{
    if (m_user) {
        std::array<bool, V4ImportItemCount> ticked{};
        for (int i = 0; i < V4ImportItemCount && i < m_items->count(); ++i)
            ticked[static_cast<size_t>(i)] = m_items->item(i)->checkState() == Qt::Checked;
        importV4Settings(m_machine, *m_user, ticked);
        if (const Status flushed = m_user->flush(); !flushed) {
            showMessage(this, MessageKind::Error, QStringLiteral("Error"), flushed.error);
            return;
        }
    }
    showMessage(this, MessageKind::Information, QString(),
                QStringLiteral("You must restart Tagloom for settings to be imported."));
    hide();
}

} // namespace tagloom
