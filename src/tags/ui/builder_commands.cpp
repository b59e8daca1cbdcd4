#include "tags/ui/builder_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "document/ui/document_window.h"
#include "document/ui/documents.h"
#include "tags/ui/cfml_builder_dialog.h"
#include "tags/ui/download_timer_dialog.h"
#include "tags/ui/javascript_builder_dialog.h"

#include <memory>

namespace tagloom {

void registerBuilderCommands(CommandRegistry &registry, Documents &documents)
{
    auto timer = std::make_shared<OnFirstUse<DownloadTimerDialog>>(
        [&documents] { return new DownloadTimerDialog(documents.dialogParent()); });
    registry.add(QStringLiteral("Tools.DownloadTimer"), [&documents, timer] {
        // The page's size as it would be saved, unsaved edits included.
        if (DocumentWindow *doc = documents.activeDocument())
            timer->get()->showFor(doc->fileBytes().size());
    });

    auto cfml = std::make_shared<OnFirstUse<CfmlBuilderDialog>>([&documents] {
        return new CfmlBuilderDialog([&documents] { return documents.activeEditor(); }, documents.dataFolder(),
                                     documents.dialogParent());
    });
    registry.add(QStringLiteral("Coding.ColdFusionBuilder"), [&documents, cfml] {
        if (documents.activeDocument())
            cfml->get()->openFromMenu();
    });

    auto javaScript = std::make_shared<OnFirstUse<JavaScriptBuilderDialog>>(
        [&documents] { return new JavaScriptBuilderDialog(documents.dialogParent()); });
    registry.add(QStringLiteral("Coding.JavaScriptBuilder"), [javaScript] { showAndRaise(javaScript->get()); });
}

} // namespace tagloom
