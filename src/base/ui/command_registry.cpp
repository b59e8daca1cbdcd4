#include "base/ui/command_registry.h"

namespace tagloom {

void CommandRegistry::add(const QString &id, Command command)
{
    m_commands.insert(id, std::move(command));
}

bool CommandRegistry::run(const QString &id) const
{
    const auto it = m_commands.constFind(id);
    if (it == m_commands.constEnd())
        return false;
    // A copy: the command may replace itself or close the window that owns us.
    const Command command = *it;
    command();
    return true;
}

} // namespace tagloom
