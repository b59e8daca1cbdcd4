#include "document/ui/document_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "document/ui/documents.h"
#include "document/ui/extended_replace_dialog.h"

#include <memory>

namespace tagloom {

void registerDocumentCommands(CommandRegistry &registry, Documents &documents)
{
    auto extended = std::make_shared<OnFirstUse<ExtendedReplaceDialog>>(
        [&documents] { return new ExtendedReplaceDialog(documents.dialogParent()); });
    registry.add(QStringLiteral("Search.Extended"), [extended] { extended->get()->showDialog(); });
}

} // namespace tagloom
