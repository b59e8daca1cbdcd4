#include "wireless/ui/wireless_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "document/ui/documents.h"
#include "wireless/ui/wml_go_dialog.h"
#include "wireless/ui/wml_pair_dialog.h"

#include <functional>
#include <memory>

namespace tagloom {

void registerWirelessCommands(CommandRegistry &registry, Documents &documents)
{
    using Make = std::function<MarkupDialog *(MarkupDialog::ActiveEditor, QWidget *)>;
    const struct {
        const char *paletteId;
        Make make;
    } openers[] = {
        {"Palette.WML.Access", &WmlPairDialog::access},
        {"Palette.WML.Card", &WmlPairDialog::card},
        {"Palette.WML.Go", [](MarkupDialog::ActiveEditor editor, QWidget *parent) -> MarkupDialog * {
             return new WmlGoDialog(std::move(editor), parent);
         }},
    };
    for (const auto &opener : openers) {
        auto dialog = std::make_shared<OnFirstUse<MarkupDialog>>([&documents, make = opener.make] {
            return make([&documents] { return documents.activeEditor(); }, documents.dialogParent());
        });
        registry.add(QLatin1String(opener.paletteId), [&documents, dialog] {
            if (documents.activeDocument())
                dialog->get()->openFromMenu();
        });
    }
}

} // namespace tagloom
