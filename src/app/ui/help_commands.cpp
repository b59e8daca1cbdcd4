#include "app/ui/help_commands.h"

#include "app/ui/about_dialog.h"
#include "base/data_folder.h"
#include "base/ui/command_registry.h"
#include "base/ui/messages.h"
#include "base/ui/system_open.h"
#include "document/ui/document_window.h"
#include "document/ui/documents.h"
#include "tags/ui/tag_help.h"

namespace tagloom {

namespace {

// "Products Guide" leads to the products and "Technical Support" to the
// support pages, as their names say.
const std::pair<const char *, const char *> kWebLinks[] = {
    {"Help.Web.Home", ""},
    {"Help.Web.Product", "products/tagloom/"},
    {"Help.Web.Guide", "products/"},
    {"Help.Web.Support", "techsupport/"},
};

void openDataPage(Documents &documents, const char *page, const QString &failure)
{
    if (!openWithSystem(QUrl::fromLocalFile(documents.dataFolder() + QLatin1String(page))))
        showMessage(documents.dialogParent(), MessageKind::Error, QString(), failure);
}

} // namespace

QString webLinkAddress(const QString &id)
{
    for (const auto &[item, path] : kWebLinks)
        if (id == QLatin1String(item))
            return QLatin1String(MakerHomePage) + QLatin1String(path);
    return QString();
}

void registerHelpCommands(CommandRegistry &registry, Documents &documents)
{
    registry.add(QStringLiteral("Help.Contents"), [&documents] {
        openDataPage(documents, DataPath::HelpIndex,
                     QStringLiteral("The help file could not be started.  Please reinstall the program."));
    });
    // The document window's item opens the reference of its Help folder.
    registry.add(QStringLiteral("Help.Reference"), [&documents] {
        openDataPage(documents, documents.activeDocument() ? DataPath::HelpReference : DataPath::Reference,
                     QStringLiteral("The reference files could not be found.\nPlease reinstall the program, or "
                                    "contact\n Quenby for further help."));
    });
    for (const auto &link : kWebLinks) {
        const QString id = QLatin1String(link.first);
        registry.add(id, [&documents, id] {
            if (!openWithSystem(QUrl(webLinkAddress(id))))
                showMessage(documents.dialogParent(), MessageKind::Error, QString(),
                            QStringLiteral("The action failed.  Please try again."));
        });
    }
    auto tagHelp = [&documents] {
        if (DocumentWindow *doc = documents.activeDocument())
            showTagHelp(doc->editor(), documents.dataFolder(), documents.dialogParent());
    };
    registry.add(QStringLiteral("Help.CurrentTag"), tagHelp);
    registry.add(QStringLiteral("Context.TagHelp"), tagHelp);
}

} // namespace tagloom
