#include "codetools/ui/cleaner_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "codetools/ui/cleaner_config_dialog.h"
#include "document/ui/documents.h"

#include <memory>

namespace tagloom {

void registerCleanerCommands(CommandRegistry &registry, Documents &documents, CleanerHooks hooks)
{
    for (const CleanerCommandInfo &info : cleanerCommands()) {
        if (info.command == CleanerCommand::FixFormat)
            continue;
        const CleanerCommand command = info.command;
        registry.add(QLatin1String(info.actionId), [&documents, hooks, command] {
            CleanerRun::start(documents.activeDocument(), documents.dataFolder(), hooks, command);
        });
    }
    auto dialog = std::make_shared<OnFirstUse<CleanerConfigDialog>>([&documents, hooks] {
        auto *d = new CleanerConfigDialog(
            documents.dataFolder(), [&documents] { return documents.activeDocument(); }, hooks,
            documents.dialogParent());
        d->setObjectName(QStringLiteral("TidyConfigForm"));
        return d;
    });
    registry.add(QStringLiteral("Coding.FixFormat"), [&documents, dialog] {
        if (documents.activeDocument())
            showCentredOnScreen(dialog->get());
    });
}

} // namespace tagloom
