#pragma once
// The program's commands by action id ("File.OpenLocal", "Coding.Compress").
// Each subsystem adds its own in one registration call; menus, toolbars,
// palettes and the quick-start bar run them by id. A command asks for the
// active document itself when it needs one and does nothing without it.

#include <QHash>
#include <QString>
#include <functional>

namespace tagloom {

class CommandRegistry {
public:
    using Command = std::function<void()>;

    // Adds (or replaces) the command of `id`.
    void add(const QString &id, Command command);
    bool contains(const QString &id) const { return m_commands.contains(id); }
    // Runs the command of `id`; false when there is none.
    bool run(const QString &id) const;

private:
    QHash<QString, Command> m_commands;
};

} // namespace tagloom
