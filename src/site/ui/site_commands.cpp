#include "site/ui/site_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "document/ui/documents.h"
#include "site/ui/site_client_window.h"
#include "site/ui/site_manager_window.h"

#include <memory>

namespace tagloom {

void registerSiteCommands(CommandRegistry &registry, Documents &documents)
{
    auto client = std::make_shared<OnFirstUse<SiteClientWindow>>(
        [&documents] { return new SiteClientWindow(documents.dialogParent()); });
    auto manager = std::make_shared<OnFirstUse<SiteManagerWindow>>([&documents, client] {
        auto *window = new SiteManagerWindow(
            documents.dataFolder(),
            [client](const SiteConnection &connection) {
                client->get()->setConnection(connection);
                showAndRaise(client->get());
            },
            documents.dialogParent());
        // Pages inside the open site take its folder as their root.
        QObject::connect(window, &SiteManagerWindow::siteOpened,
                         [&documents](const QString &folder) { documents.setOpenSiteFolder(folder); });
        return window;
    });
    registry.add(QStringLiteral("Tools.Site.Administer"), [manager] { showAndRaise(manager->get()); });
    registry.add(QStringLiteral("Tools.Site.Client"), [client] { showAndRaise(client->get()); });
}

} // namespace tagloom
