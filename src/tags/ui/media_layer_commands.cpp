#include "tags/ui/media_layer_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "document/insertion.h"
#include "document/ui/document_window.h"
#include "document/ui/documents.h"
#include "tags/ui/image_map_dialog.h"
#include "tags/ui/layer_dialog.h"
#include "tags/ui/media_dialog.h"
#include "tags/ui/quicktime_dialog.h"
#include "tags/ui/realvideo_dialog.h"
#include "tags/ui/visual_layer_dialog.h"

#include <memory>

namespace tagloom {

namespace {

template <typename Dialog>
using Shared = std::shared_ptr<OnFirstUse<Dialog>>;

MarkupDialog::ActiveEditor activeEditorOf(Documents &documents)
{
    return [&documents] { return documents.activeEditor(); };
}

// A dialog made the first time it is opened, held as a `Held`.
template <typename Dialog, typename Held = Dialog>
Shared<Held> onFirstUse(Documents &documents)
{
    return std::make_shared<OnFirstUse<Held>>(
        [&documents]() -> Held * { return new Dialog(activeEditorOf(documents), documents.dialogParent()); });
}

// Runs `action` only while a document window is open.
template <typename Action>
std::function<void()> withDocument(Documents &documents, Action action)
{
    return [&documents, action] {
        if (documents.activeDocument())
            action();
    };
}

void registerBoth(CommandRegistry &registry, const char *menuId, const char *paletteId,
                  const std::function<void()> &command)
{
    registry.add(QLatin1String(menuId), command);
    if (paletteId)
        registry.add(QLatin1String(paletteId), command);
}

} // namespace

void registerMediaAndLayerCommands(CommandRegistry &registry, Documents &documents)
{
    const Shared<MediaDialog> media = onFirstUse<MediaDialog>(documents);
    const struct {
        const char *menuId;
        const char *paletteId;
        MediaMode mode;
    } modes[] = {
        {"Insert.Sound", "Palette.Common.Sound", MediaMode::Sound},
        {"Insert.Video", "Palette.Common.Video", MediaMode::Video},
        {"Insert.Shockwave", "Palette.Common.Shockwave", MediaMode::Shock},
        {"Insert.Plugin", "Palette.Common.Plugin", MediaMode::Plugs},
    };
    for (const auto &row : modes) {
        const MediaMode mode = row.mode;
        registerBoth(registry, row.menuId, row.paletteId, withDocument(documents, [media, mode] {
                         media->get()->setMode(mode);
                         media->get()->openFromMenu();
                     }));
    }

    const struct {
        const char *menuId;
        const char *paletteId;
        Shared<MarkupDialog> dialog;
    } dialogs[] = {
        {"Insert.QuickTime", "Palette.Common.QuickTime", onFirstUse<QuickTimeDialog, MarkupDialog>(documents)},
        {"Insert.RealVideo", "Palette.Common.RealVideo", onFirstUse<RealVideoDialog, MarkupDialog>(documents)},
        {"Insert.Layer", "Palette.Common.Layer", onFirstUse<LayerDialog, MarkupDialog>(documents)},
        {"Tools.ImageMap", nullptr, onFirstUse<ImageMapDialog, MarkupDialog>(documents)},
    };
    for (const auto &row : dialogs)
        registerBoth(registry, row.menuId, row.paletteId,
                     withDocument(documents, [dialog = row.dialog] { dialog->get()->openFromMenu(); }));

    // The drawn layers' element: the "Default Layer Tag" the active window took.
    const auto visual = std::make_shared<OnFirstUse<VisualLayerDialog>>([&documents] {
        auto layerTag = [&documents] {
            DocumentWindow *doc = documents.activeDocument();
            return doc ? doc->settings().defaultLayerTag : QString();
        };
        return new VisualLayerDialog(activeEditorOf(documents), layerTag, documents.dialogParent());
    });
    registerBoth(registry, "Tools.VisualLayer", nullptr,
                 withDocument(documents, [visual] { visual->get()->openFromMenu(); }));

    registerBoth(registry, "Insert.ActiveX", "Palette.Common.ActiveX",
                 [&documents] { insert(documents.activeEditor(), lineInsertion(activeXLine())); });
}

} // namespace tagloom
