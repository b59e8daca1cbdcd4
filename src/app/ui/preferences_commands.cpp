#include "app/ui/preferences_commands.h"

#include "app/ui/main_window.h"
#include "app/ui/preferences_dialog.h"
#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"

#include <memory>

namespace tagloom {

void registerPreferencesCommands(CommandRegistry &registry, MainWindow &window)
{
    auto dialog = std::make_shared<OnFirstUse<PreferencesDialog>>([&window] {
        PreferencesHooks hooks;
        hooks.userStore = window.options().userStore;
        hooks.machineStore = window.options().machineStore;
        hooks.dataFolder = window.dataFolder();
        hooks.settings = [&window] { return window.appSettings(); };
        hooks.readAllSettings = [&window] { window.ReadAllSettings(); };
        return new PreferencesDialog(std::move(hooks), &window);
    });
    registry.add(QStringLiteral("Edit.Preferences"), [dialog] { dialog->get()->showPreferences(); });
}

} // namespace tagloom
