#include "net/ui/net_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "document/ui/documents.h"
#include "net/ui/open_from_web_dialog.h"

#include <memory>

namespace tagloom {

void registerNetCommands(CommandRegistry &registry, Documents &documents)
{
    auto openFromWeb = std::make_shared<OnFirstUse<OpenFromWebDialog>>([&documents] {
        return new OpenFromWebDialog(
            documents.dataFolder(), [&documents](const QString &path) { documents.openDocumentFile(path); },
            documents.dialogParent());
    });
    registry.add(QStringLiteral("File.OpenWeb"), [openFromWeb] { showAndRaise(openFromWeb->get()); });
}

} // namespace tagloom
