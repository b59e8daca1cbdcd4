#include "app/action_registry.h"

#include "app/app_settings.h"
#include "app/shortcut_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tagloom {

QAction *ActionRegistry::createAction(const MenuItem &item, QMenu *menu)
{
    const QString id = QLatin1String(item.id);
    auto *action = new QAction(QString::fromUtf8(item.caption), m_owner);
    action->setObjectName(id);
    if (item.shortcut)
        action->setShortcut(QKeySequence::fromString(QLatin1String(item.shortcut), QKeySequence::PortableText));
    if (item.setting)
        m_settingOf.insert(id, QLatin1String(item.setting));
    m_actions.insert(id, action);
    menu->addAction(action);
    return action;
}

QMenuBar *ActionRegistry::buildMenuBar(const std::vector<MenuItem> &items, QWidget *parent)
{
    auto *bar = new QMenuBar(parent);
    build(items, bar, nullptr);
    return bar;
}

QMenu *ActionRegistry::buildPopupMenu(const std::vector<MenuItem> &items, QWidget *parent)
{
    auto *popup = new QMenu(parent);
    build(items, nullptr, popup);
    return popup;
}

void ActionRegistry::build(const std::vector<MenuItem> &items, QMenuBar *bar, QMenu *popup)
{
    std::vector<QMenu *> stack;
    for (const MenuItem &item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Submenu: {
            const QString caption = QString::fromUtf8(item.caption);
            QMenu *menu = !stack.empty() ? stack.back()->addMenu(caption)
                          : bar         ? bar->addMenu(caption)
                                        : popup;
            menu->setObjectName(QLatin1String(item.id));
            m_menus.insert(QLatin1String(item.id), menu);
            stack.push_back(menu);
            break;
        }
        case MenuItem::Kind::End:
            if (!stack.empty())
                stack.pop_back();
            break;
        case MenuItem::Kind::Separator:
            if (!stack.empty())
                stack.back()->addSeparator();
            break;
        case MenuItem::Kind::Action:
            if (!stack.empty())
                createAction(item, stack.back());
            break;
        }
    }
}

void ActionRegistry::on(const QString &id, std::function<void()> command)
{
    QAction *a = action(id);
    if (!a)
        return;
    QObject::connect(a, &QAction::triggered, m_owner, [command = std::move(command)] { command(); });
    m_hasCommand.insert(id, true);
}

void ActionRegistry::disableActionsWithoutCommand()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        if (!m_hasCommand.value(it.key()))
            it.value()->setEnabled(false);
}

void ActionRegistry::applyStoredShortcuts(const AppSettings &settings)
{
    for (auto it = m_settingOf.cbegin(); it != m_settingOf.cend(); ++it)
        if (QAction *a = action(it.key()))
            a->setShortcut(shortcutFromText(settings.shortcut(it.value())));
}

} // namespace tagloom
