#include "document/ui/document_window_commands.h"

#include "base/ui/action_registry.h"
#include "document/date_stamp.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "document/ui/editor_commands.h"
#include "document/ui/export_print.h"

#include <QAction>
#include <QSet>
#include <vector>

namespace tagloom {

namespace {

using Run = void (*)(DocumentWindow &);

struct WindowCommand {
    const char *id;
    Run run;
};

const WindowCommand kWindowCommands[] = {
    {"File.Close", [](DocumentWindow &w) { w.closeWindow(); }},
    {"File.Save", [](DocumentWindow &w) { w.save(); }},
    {"File.SaveAs", [](DocumentWindow &w) { w.saveAs(); }},
    {"File.ExportUnix", [](DocumentWindow &w) { exportCopy(w, LineEnds::Unix); }},
    {"File.ExportMac", [](DocumentWindow &w) { exportCopy(w, LineEnds::Mac); }},
    {"File.Print", [](DocumentWindow &w) { printDocument(w); }},
    {"File.PrintPreview", [](DocumentWindow &w) { previewPrint(w); }},
    {"Edit.Undo", [](DocumentWindow &w) { w.editor()->undoStep(); }},
    {"Edit.Redo", [](DocumentWindow &w) { w.editor()->redoStep(); }},
    {"Edit.Cut", [](DocumentWindow &w) { w.editor()->cut(); }},
    {"Edit.Copy", [](DocumentWindow &w) { w.editor()->copy(); }},
    {"Edit.Paste", [](DocumentWindow &w) { w.editor()->paste(); }},
    {"Edit.SelectAll", [](DocumentWindow &w) { w.editor()->selectAll(true); }},
    {"Edit.ClearAll", [](DocumentWindow &w) { w.editor()->clearAllLines(); }},
    {"Edit.Uppercase", [](DocumentWindow &w) { w.commands()->convertToUppercase(); }},
    {"Context.Uppercase", [](DocumentWindow &w) { w.commands()->convertToUppercase(); }},
    {"Edit.Lowercase", [](DocumentWindow &w) { w.commands()->convertToLowercase(); }},
    {"Context.Lowercase", [](DocumentWindow &w) { w.commands()->convertToLowercase(); }},
    {"Search.Find", [](DocumentWindow &w) { w.commands()->showFind(); }},
    {"Search.Replace", [](DocumentWindow &w) { w.commands()->showReplace(); }},
    {"Search.Top", [](DocumentWindow &w) { w.commands()->gotoTop(); }},
    {"Search.Bottom", [](DocumentWindow &w) { w.commands()->gotoBottom(); }},
    {"Search.GotoLine", [](DocumentWindow &w) { w.commands()->showGotoLine(); }},
    {"Window.LineNumbers", [](DocumentWindow &w) { w.commands()->toggleLineNumbers(); }},
    {"Window.Gutter", [](DocumentWindow &w) { w.commands()->toggleGutter(); }},
    {"Tools.SpellCheck", [](DocumentWindow &w) { w.runProofCheck(); }},
    {"Tools.ImageEditor", [](DocumentWindow &w) { w.startImageEditor(); }},
};

// Context-menu items that run a menu-bar command of the same window.
const std::pair<const char *, const char *> kContextAliases[] = {
    {"Context.CloseAll", "File.CloseAll"}, {"Context.Cut", "Edit.Cut"},
    {"Context.Copy", "Edit.Copy"},         {"Context.Paste", "Edit.Paste"},
    {"Context.Undo", "Edit.Undo"},         {"Context.Redo", "Edit.Redo"},
    {"Context.SelectAll", "Edit.SelectAll"}, {"Context.ClearAll", "Edit.ClearAll"},
    {"Context.SpellCheck", "Tools.SpellCheck"}, {"Context.CloseFile", "File.Close"},
    {"Context.LastModified", "Insert.Timestamp"},
};

// The numbered commands: ten bookmarks to set and to go to, and the date
// and time items of the context menu.
std::vector<std::pair<QString, std::function<void(DocumentWindow &)>>> numberedCommands()
{
    std::vector<std::pair<QString, std::function<void(DocumentWindow &)>>> commands;
    for (int n = 0; n < 10; ++n) {
        commands.emplace_back(QStringLiteral("Search.Bookmarks.Set.%1").arg(n),
                              [n](DocumentWindow &w) { w.commands()->setBookmark(n); });
        commands.emplace_back(QStringLiteral("Search.Bookmarks.Go.%1").arg(n),
                              [n](DocumentWindow &w) { w.commands()->goToBookmark(n); });
    }
    for (int i = 0; i < int(dateStampItems().size()); ++i)
        commands.emplace_back(QStringLiteral("Context.DateTime.%1").arg(i),
                              [i](DocumentWindow &w) { w.commands()->insertDateStamp(i); });
    return commands;
}

} // namespace

void bindWindowCommands(DocumentWindow &window, ActionRegistry &actions)
{
    DocumentWindow *w = &window; // the actions live as long as the window
    for (const WindowCommand &command : kWindowCommands)
        actions.on(QLatin1String(command.id), [w, run = command.run] { run(*w); });
    for (auto &[id, run] : numberedCommands())
        actions.on(id, [w, run = std::move(run)] { run(*w); });
}

void bindContextAliases(DocumentWindow &window, ActionRegistry &actions)
{
    DocumentWindow *w = &window;
    for (const auto &[alias, target] : kContextAliases) {
        const QString to = QLatin1String(target);
        if (actions.hasCommand(to))
            actions.on(QLatin1String(alias), [w, to] { w->trigger(to); });
    }
}

bool isDocumentWindowCommand(const QString &id)
{
    static const QSet<QString> ids = [] {
        QSet<QString> set;
        for (const WindowCommand &command : kWindowCommands)
            set.insert(QLatin1String(command.id));
        for (const auto &entry : numberedCommands())
            set.insert(entry.first);
        return set;
    }();
    return ids.contains(id);
}

} // namespace tagloom
