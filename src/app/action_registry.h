#pragma once
// Menus and toolbars are built from one registry of actions with string ids
// ("File.Save"). Menus come from a table; commands are attached by id, and
// items whose feature has no command yet are disabled rather than inert.

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace tagloom {

struct AppSettings;

struct MenuItem {
    enum class Kind { Action, Submenu, End, Separator };
    Kind kind;
    const char *id;       // Action: the action id; Submenu: the menu's id
    const char *caption;  // with "&" for the access key
    const char *shortcut; // form default ("Ctrl+N"), or nullptr
    const char *setting;  // keyboard value that replaces it, or nullptr
};

inline MenuItem menuAction(const char *id, const char *caption, const char *shortcut = nullptr,
                           const char *setting = nullptr)
{
    return {MenuItem::Kind::Action, id, caption, shortcut, setting};
}
inline MenuItem submenu(const char *id, const char *caption)
{
    return {MenuItem::Kind::Submenu, id, caption, nullptr, nullptr};
}
inline MenuItem endMenu() { return {MenuItem::Kind::End, nullptr, nullptr, nullptr, nullptr}; }
inline MenuItem separator() { return {MenuItem::Kind::Separator, nullptr, nullptr, nullptr, nullptr}; }

class ActionRegistry {
public:
    explicit ActionRegistry(QObject *owner) : m_owner(owner) {}

    // Builds a menu bar from `items`: top-level Submenu entries are the menus.
    QMenuBar *buildMenuBar(const std::vector<MenuItem> &items, QWidget *parent);
    // Builds a pop-up menu: the table's first Submenu entry is the pop-up.
    QMenu *buildPopupMenu(const std::vector<MenuItem> &items, QWidget *parent);

    QAction *action(const QString &id) const { return m_actions.value(id); }
    QMenu *menu(const QString &id) const { return m_menus.value(id); }

    // Attaches a command to an action.
    void on(const QString &id, std::function<void()> command);
    bool hasCommand(const QString &id) const { return m_hasCommand.value(id); }
    // Disables every action that has no command.
    void disableActionsWithoutCommand();

    // Gives each item with a keyboard setting the shortcut stored for it
    // (none when the stored text is empty or names no key).
    void applyStoredShortcuts(const AppSettings &settings);

private:
    QAction *createAction(const MenuItem &item, QMenu *menu);
    void build(const std::vector<MenuItem> &items, QMenuBar *bar, QMenu *popup);

    QObject *m_owner;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QString> m_settingOf; // action id -> keyboard value
    QHash<QString, bool> m_hasCommand;
};

} // namespace tagloom
