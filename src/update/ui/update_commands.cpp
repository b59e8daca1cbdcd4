#include "update/ui/update_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "document/ui/documents.h"
#include "update/ui/update_dialog.h"

#include <memory>

namespace tagloom {

void registerUpdateCommands(CommandRegistry &registry, Documents &documents, std::function<QString()> server)
{
    auto dialog = std::make_shared<OnFirstUse<UpdateDialog>>([&documents, server] {
        UpdateDialogHooks hooks;
        hooks.server = server;
        return new UpdateDialog(std::move(hooks), documents.dialogParent());
    });
    registry.add(QStringLiteral("Tools.Update"), [dialog] { showAndRaise(dialog->get()); });
}

} // namespace tagloom
