#include "tags/ui/javascript_builder_dialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace tagloom {

namespace {

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

JavaScriptBuilderDialog::JavaScriptBuilderDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TJScriptForm"));
    setWindowTitle(QStringLiteral("JavaScript Builder"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *columns = new QHBoxLayout;
    columns->addWidget(buildActions(), 1);
    columns->addWidget(buildProperties(), 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

QWidget *JavaScriptBuilderDialog::buildActions()
{
    auto *box = new QWidget(this);
    auto *actions = new QListWidget(box);
    actions->setObjectName(QStringLiteral("ActionList"));

    auto *menu = new QMenu(box);
    menu->setObjectName(QStringLiteral("ActionMenu"));
    const char *const items[] = {"Function", nullptr, "Go To", "Show Window", nullptr, "Write", nullptr,
                                 "If", "Loop", nullptr, "Set Property", "Set Variable"};
    for (const char *item : items) {
        if (item)
            menu->addAction(QString::fromLatin1(item));
        else
            menu->addSeparator();
    }
    m_addAction = new QToolButton(box);
    m_addAction->setText(QStringLiteral("Add"));
    m_addAction->setToolTip(QStringLiteral("Add an action"));
    m_addAction->setMenu(menu);
    m_addAction->setPopupMode(QToolButton::InstantPopup);

    auto *tools = new QHBoxLayout;
    tools->addWidget(m_addAction);
    for (const char *caption : {"Remove", "Up", "Down"}) {
        auto *button = new QToolButton(box);
        button->setText(QString::fromLatin1(caption));
        button->setEnabled(false); // there is no action to remove or move yet
        tools->addWidget(button);
    }
    tools->addStretch(1);

    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(QStringLiteral("Actions"), box));
    layout->addWidget(actions, 1);
    layout->addLayout(tools);
    return box;
}

QWidget *JavaScriptBuilderDialog::buildProperties()
{
    auto *box = new QWidget(this);
    auto *pages = new QTabWidget(box);
    auto *mouse = new QWidget(pages);

    auto *type = new QGroupBox(QStringLiteral(" Type: "), mouse);
    auto *typeLayout = new QVBoxLayout(type);
    auto *typeGroup = new QButtonGroup(type);
    for (const char *caption : {"Mouse Click", "Mouse Move", "Mouse Over", "Mouse Out"}) {
        auto *choice = new QRadioButton(QString::fromLatin1(caption), type);
        typeGroup->addButton(choice);
        typeLayout->addWidget(choice);
    }

    auto *action = new QGroupBox(QStringLiteral(" Action: "), mouse);
    auto *actionLayout = new QFormLayout(action);
    auto *callFunction = new QLineEdit(action);
    callFunction->setObjectName(QStringLiteral("EditCallFunction"));
    auto *custom = new QPlainTextEdit(action);
    custom->setObjectName(QStringLiteral("MemoCustom"));
    actionLayout->addRow(QStringLiteral("Call Function:"), callFunction);
    actionLayout->addRow(QStringLiteral("Custom:"), custom);

    auto *mouseLayout = new QVBoxLayout(mouse);
    mouseLayout->addWidget(type);
    mouseLayout->addWidget(action, 1);
    pages->addTab(mouse, QStringLiteral("Mouse Event"));

    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(QStringLiteral("Properties"), box));
    layout->addWidget(pages, 1);
    return box;
}

} // namespace tagloom
