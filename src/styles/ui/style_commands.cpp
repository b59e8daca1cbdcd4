#include "styles/ui/style_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "document/ui/documents.h"
#include "styles/ui/style_editor.h"

#include <memory>

namespace tagloom {

void registerStyleCommands(CommandRegistry &registry, Documents &documents)
{
    // The one window, shown by every way of opening it; it needs no document.
    auto editor = std::make_shared<OnFirstUse<StyleEditor>>(
        [&documents] { return new StyleEditor(documents.dataFolder(), documents.dialogParent()); });
    registry.add(QStringLiteral("Tools.StyleEditor"), [editor] {
        StyleEditor *window = editor->get();
        window->show();
        window->raise();
        window->activateWindow();
    });
}

} // namespace tagloom
