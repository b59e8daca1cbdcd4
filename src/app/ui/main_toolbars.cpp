#include "app/ui/main_toolbars.h"

#include "base/ui/command_registry.h"
#include "document/ui/document_window_commands.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace tagloom {

namespace {

struct ToolButton {
    const char *caption;
    QStyle::StandardPixmap fallbackIcon; // SP_CustomBase: none
    const char *themeIcon;
    const char *documentCommand; // run on the active document window
    const char *mainCommand;     // or run as a command of the program
};

QAction *addButton(QToolBar *bar, const ToolButton &button, const ToolbarCommands &commands)
{
    QIcon icon = QIcon::fromTheme(QLatin1String(button.themeIcon));
    if (icon.isNull() && button.fallbackIcon != QStyle::SP_CustomBase)
        icon = bar->style()->standardIcon(button.fallbackIcon);
    QAction *a = bar->addAction(icon, QLatin1String(button.caption));
    a->setToolTip(QLatin1String(button.caption));
    if (button.documentCommand) {
        const QString id = QLatin1String(button.documentCommand);
        a->setEnabled(isDocumentWindowCommand(id) || commands.registry->contains(id));
        QObject::connect(a, &QAction::triggered, bar, [commands, id] { commands.runOnActiveDocument(id); });
    } else if (button.mainCommand && commands.registry->contains(QLatin1String(button.mainCommand))) {
        const QString id = QLatin1String(button.mainCommand);
        const CommandRegistry *registry = commands.registry;
        QObject::connect(a, &QAction::triggered, bar, [registry, id] { registry->run(id); });
    } else {
        a->setEnabled(false);
    }
    return a;
}

QToolBar *addBar(QMainWindow *window, const char *title, const char *name)
{
    QToolBar *bar = window->addToolBar(QLatin1String(title));
    bar->setObjectName(QLatin1String(name));
    return bar;
}

} // namespace

MainToolbars buildMainToolbars(QMainWindow *window, const ToolbarCommands &commands,
                               const std::function<void()> &beforeEditRow)
{
    using S = QStyle;
    MainToolbars bars;
    bars.file = addBar(window, "File", "FileToolbar");
    addButton(bars.file, {"New", S::SP_FileIcon, "document-new", nullptr, "File.New"}, commands);
    QAction *open = addButton(bars.file, {"Open", S::SP_DialogOpenButton, "document-open", nullptr, "File.OpenLocal"},
                              commands);
    bars.openButton = qobject_cast<QToolButton *>(bars.file->widgetForAction(open));
    if (bars.openButton)
        bars.openButton->setPopupMode(QToolButton::MenuButtonPopup);
    for (const ToolButton &b : {
             ToolButton{"Save", S::SP_DialogSaveButton, "document-save", "File.Save", nullptr},
             ToolButton{"Print", S::SP_CustomBase, "document-print", "File.Print", nullptr},
             ToolButton{"Print Preview", S::SP_CustomBase, "document-print-preview", "File.PrintPreview", nullptr},
             ToolButton{"Download Timer", S::SP_CustomBase, "chronometer", "Tools.DownloadTimer", nullptr},
             ToolButton{"RivuZuvivir", S::SP_CustomBase, "tools-check-spelling", "Coding.FixFormat", nullptr},
             ToolButton{"Hueloom", S::SP_CustomBase, "preferences-desktop-color", nullptr, "Tools.StyleEditor"},
             ToolButton{"Refresh", S::SP_BrowserReload, "view-refresh", nullptr, nullptr},
             ToolButton{"Help", S::SP_DialogHelpButton, "help-contents", nullptr, "Help.Contents"},
         })
        addButton(bars.file, b, commands);

    if (beforeEditRow)
        beforeEditRow();
    window->addToolBarBreak(Qt::TopToolBarArea);
    bars.edit = addBar(window, "Edit", "EditToolbar");
    for (const ToolButton &b : {
             ToolButton{"Undo", S::SP_ArrowBack, "edit-undo", "Edit.Undo", nullptr},
             ToolButton{"Redo", S::SP_ArrowForward, "edit-redo", "Edit.Redo", nullptr},
             ToolButton{"Cut", S::SP_CustomBase, "edit-cut", "Edit.Cut", nullptr},
             ToolButton{"Copy", S::SP_CustomBase, "edit-copy", "Edit.Copy", nullptr},
             ToolButton{"Paste", S::SP_CustomBase, "edit-paste", "Edit.Paste", nullptr},
         })
        addButton(bars.edit, b, commands);
    bars.spellButton =
        addButton(bars.edit, {"Spell", S::SP_CustomBase, "tools-check-spelling", "Tools.SpellCheck", nullptr}, commands);
    for (const ToolButton &b : {
             ToolButton{"Find", S::SP_FileDialogContentsView, "edit-find", "Search.Find", nullptr},
             ToolButton{"Replace", S::SP_CustomBase, "edit-find-replace", "Search.Replace", nullptr},
             ToolButton{"Extended Find", S::SP_CustomBase, "system-search", "Search.Extended", nullptr},
         })
        addButton(bars.edit, b, commands);

    bars.browserButton = new QToolButton(bars.edit);
    bars.browserButton->setText(QStringLiteral("Browse"));
    bars.browserButton->setToolTip(QStringLiteral("Preview in a browser"));
    bars.browserButton->setIcon(
        QIcon::fromTheme(QStringLiteral("web-browser"), bars.edit->style()->standardIcon(S::SP_ComputerIcon)));
    bars.browserButton->setPopupMode(QToolButton::InstantPopup);
    bars.edit->addWidget(bars.browserButton);
    return bars;
}

} // namespace tagloom
