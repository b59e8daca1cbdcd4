#include "base/ui/multi_row_tabs.h"

#include "base/ui/flow_layout.h"

#include <QButtonGroup>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tagloom {

QWidget *withMultiRowTabs(QTabWidget *tabs)
{
    auto *panel = new QWidget(tabs->parentWidget());
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    tabs->setParent(panel);
    tabs->tabBar()->hide();
    layout->addWidget(tabs, 1);

    auto *names = new QWidget(panel);
    auto *flow = new FlowLayout(names);
    auto *group = new QButtonGroup(names);
    for (int i = 0; i < tabs->count(); ++i) {
        auto *button = new QToolButton(names);
        button->setText(tabs->tabText(i));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setChecked(i == tabs->currentIndex());
        group->addButton(button, i);
        flow->addWidget(button);
    }
    QObject::connect(group, &QButtonGroup::idClicked, tabs, &QTabWidget::setCurrentIndex);
    QObject::connect(tabs, &QTabWidget::currentChanged, group, [group](int index) {
        if (QAbstractButton *button = group->button(index))
            button->setChecked(true);
    });
    layout->addWidget(names);
    return panel;
}

} // namespace tagloom
