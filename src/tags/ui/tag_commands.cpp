#include "tags/ui/tag_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "document/ui/documents.h"
#include "tags/ui/applet_dialog.h"
#include "tags/ui/builder_commands.h"
#include "tags/ui/edit_current_tag.h"
#include "tags/ui/image_dialog.h"
#include "tags/ui/link_dialog.h"
#include "tags/ui/media_layer_commands.h"
#include "tags/ui/navigation_dialog.h"
#include "tags/ui/page_commands.h"
#include "tags/ui/rollover_dialog.h"
#include "tags/ui/script_dialog.h"
#include "tags/ui/table_dialog.h"

#include <memory>

namespace tagloom {

namespace {

// One dialog, made the first time it is opened.
template <typename Dialog>
std::shared_ptr<OnFirstUse<MarkupDialog>> dialogOnFirstUse(Documents &documents)
{
    return std::make_shared<OnFirstUse<MarkupDialog>>([&documents]() -> MarkupDialog * {
        return new Dialog([&documents] { return documents.activeEditor(); }, documents.dialogParent());
    });
}

} // namespace

void registerTagCommands(CommandRegistry &registry, Documents &documents)
{
    struct Opener {
        const char *menuId;
        const char *paletteId;
        std::shared_ptr<OnFirstUse<MarkupDialog>> dialog;
    };
    const Opener openers[] = {
        {"Insert.Image", "Palette.Common.Image", dialogOnFirstUse<ImageDialog>(documents)},
        {"Insert.Rollover", "Palette.Common.Rollover", dialogOnFirstUse<RolloverDialog>(documents)},
        {"Insert.Hyperlink", "Palette.Common.Hyperlink", dialogOnFirstUse<LinkDialog>(documents)},
        {"Insert.NavigationMenu", "Palette.Common.NavigationMenu", dialogOnFirstUse<NavigationDialog>(documents)},
        {"Insert.Table", "Palette.Tables.Table", dialogOnFirstUse<TableDialog>(documents)},
        {"Insert.Script", "Palette.Common.Script", dialogOnFirstUse<ScriptDialog>(documents)},
        {"Insert.Applet", "Palette.Common.Applet", dialogOnFirstUse<AppletDialog>(documents)},
    };
    for (const Opener &opener : openers) {
        auto open = [&documents, dialog = opener.dialog] {
            if (documents.activeDocument())
                dialog->get()->openFromMenu();
        };
        registry.add(QLatin1String(opener.menuId), open);
        registry.add(QLatin1String(opener.paletteId), open);
    }

    const PageTagDialogs pages = registerPageCommands(registry, documents);

    const auto image = openers[0].dialog;
    const auto link = openers[2].dialog;
    const auto applet = openers[6].dialog;
    auto editTag = [&documents, image, link, applet, pages] {
        const TagDialogs dialogs = [image, link, applet, pages](TagDialogKind kind) -> MarkupDialog * {
            switch (kind) {
            case TagDialogKind::Image: return image->get();
            case TagDialogKind::Link: return link->get();
            case TagDialogKind::Applet: return applet->get();
            case TagDialogKind::PageWizard: return pages.pageWizard();
            case TagDialogKind::StyleSheetReference: return pages.styleSheetLink();
            }
            return nullptr;
        };
        editCurrentTag(documents.activeEditor(), dialogs, documents.dialogParent());
    };
    registry.add(QStringLiteral("Format.EditCurrentTag"), editTag);
    registry.add(QStringLiteral("Context.EditTag"), editTag);
    registerBuilderCommands(registry, documents);
    registerMediaAndLayerCommands(registry, documents);
}

} // namespace tagloom
