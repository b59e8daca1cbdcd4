#include "update/ui/selection_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

SelectionDialog::SelectionDialog(const QStringList &descriptions, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TSelectionForm"));
    setWindowTitle(QStringLiteral("Selection"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Updated files"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("FileList"));
    for (const QString &description : descriptions) {
        auto *item = new QListWidgetItem(description, m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    layout->addWidget(m_list);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QVector<bool> SelectionDialog::selection() const
{
    QVector<bool> ticked(m_list->count(), false);
    if (result() != QDialog::Accepted)
        return ticked;
    for (int i = 0; i < m_list->count(); ++i)
        ticked[i] = m_list->item(i)->checkState() == Qt::Checked;
    return ticked;
}

QVector<bool> SelectionDialog::choose(const QStringList &descriptions, QWidget *parent)
{
    SelectionDialog dialog(descriptions, parent);
    dialog.exec();
    return dialog.selection();
}

} // namespace tagloom
