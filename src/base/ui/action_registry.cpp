#include "base/ui/action_registry.h"

#include "base/ui/command_registry.h"
#include "base/ui/shortcut_text.h"

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
    if (item.inert)
        m_inert.insert(id, true);
    m_actions.insert(id, action);
    menu->addAction(action);
    return action;
}

QMenuBar *ActionRegistry::buildMenuBar(const std::vector<MenuItem> &items, QWidget *parent, unsigned place)
{
    auto *bar = new QMenuBar(parent);
    build(items, bar, nullptr, place);
    return bar;
}

QMenu *ActionRegistry::buildPopupMenu(const std::vector<MenuItem> &items, QWidget *parent)
{
    auto *popup = new QMenu(parent);
    build(items, nullptr, popup, ~0u);
    return popup;
}

void ActionRegistry::build(const std::vector<MenuItem> &items, QMenuBar *bar, QMenu *popup, unsigned place)
{
    std::vector<QMenu *> stack;
    int skipping = 0; // depth inside a submenu this place does not show
    for (const MenuItem &item : items) {
        if (skipping > 0) {
            skipping += item.kind == MenuItem::Kind::Submenu ? 1 : item.kind == MenuItem::Kind::End ? -1 : 0;
            continue;
        }
        if (!(item.places & place)) {
            if (item.kind == MenuItem::Kind::Submenu)
                skipping = 1;
            continue;
        }
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
    if (!a || m_inert.value(id))
        return;
    QObject::connect(a, &QAction::triggered, m_owner, [command = std::move(command)] { command(); });
    m_hasCommand.insert(id, true);
}

void ActionRegistry::bindCommands(const CommandRegistry &commands)
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const QString id = it.key();
        if (!m_hasCommand.value(id) && commands.contains(id))
            on(id, [&commands, id] { commands.run(id); });
    }
}

void ActionRegistry::disableActionsWithoutCommand()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        if (!m_hasCommand.value(it.key()))
            it.value()->setEnabled(false);
}

void ActionRegistry::applyStoredShortcuts(const std::function<QString(const QString &)> &storedText)
{
    for (auto it = m_settingOf.cbegin(); it != m_settingOf.cend(); ++it)
        if (QAction *a = action(it.key()))
            a->setShortcut(shortcutFromText(storedText(it.value())));
}

} // namespace tagloom
