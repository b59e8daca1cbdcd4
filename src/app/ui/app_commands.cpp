#include "app/ui/app_commands.h"

#include "app/ui/about_dialog.h"
#include "app/ui/import_other.h"
#include "app/ui/main_window.h"
#include "app/ui/mdi_arrangement.h"
#include "app/ui/new_items_dialog.h"
#include "base/ui/command_registry.h"
#include "base/ui/messages.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "document/document.h"
#include "document/file_filters.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "settings/ui/favourite_folders.h"
#include "vocabulary/ui/side_panel.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

namespace tagloom {

namespace {

void openLocal(MainWindow &window)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open a (Local) File");
    request.filters = openFilters();
    request.defaultSuffix = QStringLiteral("htm");
    const QString path = chooseFileWithFavourites(&window, request, window.options().userStore);
    if (path.isEmpty())
        return;
    window.OpenDocumentFile(path);
    window.RecentAdd(path);
}

// An untitled page around a text file; nothing here counts as an edit.
void importPlainText(MainWindow &window)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Import Text File...");
    request.filters = {QStringLiteral("Text Files|*.txt")};
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = chooseFile(&window, request);
    if (path.isEmpty())
        return;
    Document text;
    text.setPath(path);
    const Result<EditorText> loaded = text.load();
    if (!loaded) {
        showMessage(&window, MessageKind::Error, QStringLiteral("Error"), loaded.error);
        return;
    }
    CodeEditor *editor = window.NewDocument()->editor();
    editor->loadText(*loaded, text.encoding());
    const QStringList skeleton = {QStringLiteral("<HTML>"), QStringLiteral("<HEAD>"),
                                  QStringLiteral("<TITLE>Insert Your Title</TITLE>"), QStringLiteral("</HEAD>"),
                                  QStringLiteral("<BODY>")};
    for (int i = 0; i < skeleton.size(); ++i)
        editor->InsertLine(i, skeleton.at(i));
    editor->InsertLine(editor->LineCount(), QStringLiteral("</BODY>"));
    editor->SetCaretLine(1);
    editor->SetCaretColumn(1);
}

void importOther(MainWindow &window)
{
    ImportContext context;
    context.machineStore = window.options().machineStore;
    context.workingFolder = window.options().dataFolder;
    context.openDocumentFile = [&window](const QString &path) { window.OpenDocumentFile(path); };
    context.findProgram = window.options().findProgram;
    importOtherFile(&window, context);
}

// Last to first; a document that refuses (Cancel) stays open, the others close.
void closeAll(MainWindow &window)
{
    const QList<QMdiSubWindow *> windows = window.documentArea()->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->close();
}

} // namespace

void registerAppCommands(CommandRegistry &registry, MainWindow &window)
{
    MainWindow *w = &window;
    auto newItems = std::make_shared<OnFirstUse<NewItemsDialog>>([w] {
        return new NewItemsDialog(w->dataFolder(), [w](const QString &path) { w->OpenDocumentFile(path); }, w);
    });
    auto about = std::make_shared<OnFirstUse<AboutDialog>>([w] { return new AboutDialog(w); });

    registry.add(QStringLiteral("File.New"), [w] { w->NewDocument(); });
    registry.add(QStringLiteral("File.NewFrom"), [newItems] { showAndRaise(newItems->get()); });
    registry.add(QStringLiteral("File.OpenLocal"), [w] { openLocal(*w); });
    registry.add(QStringLiteral("File.ImportText"), [w] { importPlainText(*w); });
    registry.add(QStringLiteral("File.ImportOther"), [w] { importOther(*w); });
    registry.add(QStringLiteral("File.CloseAll"), [w] { closeAll(*w); });
    registry.add(QStringLiteral("File.Exit"), [w] { w->exitProgram(); });
    registry.add(QStringLiteral("Help.About"), [about] { showAndRaise(about->get()); });
    registry.add(QStringLiteral("Window.Tile"), [w] { tileHorizontally(w->documentArea()); });
    registry.add(QStringLiteral("Window.Cascade"), [w] { w->documentArea()->cascadeSubWindows(); });
    registry.add(QStringLiteral("Window.Arrange"), [w] { arrangeIcons(w->documentArea()); });
    // View Code Controller shows the side panel; it never hides it.
    registry.add(QStringLiteral("Window.CodeController"), [w] {
        w->sidePanel()->show();
        w->sidePanel()->raise();
    });
}

} // namespace tagloom
