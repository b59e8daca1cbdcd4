#pragma once
// Menus are built from tables into one registry of actions with string ids
// ("File.Save"); commands are attached by id, and items whose feature has no
// command yet are disabled rather than inert.

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

struct MenuItem {
    enum class Kind { Action, Submenu, End, Separator };
    Kind kind;
    const char *id;       // Action: the action id; Submenu: the menu's id
    const char *caption;  // with "&" for the access key
    const char *shortcut; // form default ("Ctrl+N"), or nullptr
    const char *setting;  // keyboard value that replaces it, or nullptr
    // The menu bars that show this row (a bit set the table's owner defines).
    unsigned places = ~0u;
    // An item that never gets a command, even where one of its id exists.
    bool inert = false;
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
inline MenuItem inertAction(const char *id, const char *caption)
{
    MenuItem item = menuAction(id, caption);
    item.inert = true;
    return item;
}
inline MenuItem endMenu() { return {MenuItem::Kind::End, nullptr, nullptr, nullptr, nullptr}; }
inline MenuItem separator() { return {MenuItem::Kind::Separator, nullptr, nullptr, nullptr, nullptr}; }
// The row shown only on the menu bars of `places`.
inline MenuItem shownIn(unsigned places, MenuItem item)
{
    item.places = places;
    return item;
}

class CommandRegistry;

class ActionRegistry {
public:
    explicit ActionRegistry(QObject *owner) : m_owner(owner) {}

    // Builds a menu bar from the rows of `items` shown in `place`: top-level
    // Submenu entries are the menus.
    QMenuBar *buildMenuBar(const std::vector<MenuItem> &items, QWidget *parent, unsigned place = ~0u);
    // Builds a pop-up menu: the table's first Submenu entry is the pop-up.
    QMenu *buildPopupMenu(const std::vector<MenuItem> &items, QWidget *parent);

    QAction *action(const QString &id) const { return m_actions.value(id); }
    QMenu *menu(const QString &id) const { return m_menus.value(id); }

    // Attaches a command to an action (not to an inert one).
    void on(const QString &id, std::function<void()> command);
    // Attaches the registry's command to every action that has none yet and
    // whose id the registry knows. The registry must outlive the actions.
    void bindCommands(const CommandRegistry &commands);
    bool hasCommand(const QString &id) const { return m_hasCommand.value(id); }
    // Disables every action that has no command.
    void disableActionsWithoutCommand();

    // Gives each item with a keyboard setting the shortcut stored for it,
    // `storedText(settingName)` (none when the text is empty or names no key).
    void applyStoredShortcuts(const std::function<QString(const QString &settingName)> &storedText);

private:
    QAction *createAction(const MenuItem &item, QMenu *menu);
    void build(const std::vector<MenuItem> &items, QMenuBar *bar, QMenu *popup, unsigned place);

    QObject *m_owner;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QString> m_settingOf; // action id -> keyboard value
    QHash<QString, bool> m_hasCommand;
    QHash<QString, bool> m_inert;
};

} // namespace tagloom
