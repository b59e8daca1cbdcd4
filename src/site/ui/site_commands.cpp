#include "site/ui/site_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/file_dialogs.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "document/ui/documents.h"
#include "site/ui/link_check_window.h"
#include "site/ui/site_client_window.h"
#include "site/ui/site_manager_window.h"

#include <QFileInfo>
#include <memory>

namespace tagloom {

namespace {

// Opens `path` (or takes the active document when it is that file) with the
// caret at `line` and `column`; a large file read in the background gets its
// caret once it is loaded.
void openDocumentAt(Documents &documents, const QString &path, int line, int column)
{
    DocumentWindow *doc = documents.activeDocument();
    if (!doc || doc->fileName().isEmpty() || QFileInfo(doc->fileName()) != QFileInfo(path))
        doc = documents.openDocumentFile(path);
    if (!doc)
        return;
    const auto place = [doc, line, column] {
        CodeEditor *editor = doc->editor();
        editor->SetCaretLine(line);
        editor->SetCaretColumn(column);
        editor->ensureLineVisible(line - 1);
        editor->setFocus();
    };
    if (doc->isLoading())
        QObject::connect(doc, &DocumentWindow::loadFinished, doc, place, Qt::SingleShotConnection);
    else
        place();
}

// The site to check: the local folder of the profile loaded in the site
// manager, else one the user chooses.
QString siteFolderToCheck(Documents &documents, const LinkCheckWindow *window)
{
    const QString open = documents.openSiteFolder();
    if (!open.isEmpty() && QFileInfo(open).isDir())
        return open;
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Folder;
    request.title = QStringLiteral("Check Site Links");
    request.proposedPath = window ? window->folder() : open;
    return chooseFile(documents.dialogParent(), request);
}

} // namespace

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

    auto links = std::make_shared<OnFirstUse<LinkCheckWindow>>([&documents] {
        return new LinkCheckWindow(
            [&documents](const QString &path, int line, int column) { openDocumentAt(documents, path, line, column); },
            documents.dialogParent());
    });
    registry.add(QStringLiteral("Tools.CheckSiteLinks"), [&documents, links] {
        const QString folder = siteFolderToCheck(documents, links->ifMade());
        if (folder.isEmpty())
            return;
        LinkCheckWindow *window = links->get();
        window->check(folder);
        showAndRaise(window);
    });
}

} // namespace tagloom
