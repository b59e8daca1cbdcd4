#include "vocabulary/ui/vocabulary_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "document/insertion.h"
#include "document/ui/documents.h"
#include "vocabulary/format_snippets.h"
#include "vocabulary/palette_tables.h"
#include "vocabulary/server_variables.h"
#include "vocabulary/ui/server_vars_dialog.h"

#include <memory>

namespace tagloom {

void registerVocabularyCommands(CommandRegistry &registry, Documents &documents)
{
    auto inserting = [&documents](Insertion insertion) {
        return [&documents, insertion = std::move(insertion)] { insert(documents.activeEditor(), insertion); };
    };
    // Palette entries that insert text are commands too: the quick-start bar
    // runs some of them.
    for (const PaletteEntry *entry : paletteInsertEntries())
        registry.add(entry->id, inserting(entry->insertion));
    for (const FormatSnippet &snippet : documentSnippets())
        registry.add(snippet.actionId, inserting(snippet.insertion));
    for (const char *id : {"Insert.Timestamp", "Palette.Common.Timestamp"})
        registry.add(QLatin1String(id), inserting(timestampInsertion()));

    auto serverVars = std::make_shared<OnFirstUse<ServerVarsDialog>>([&documents] {
        return new ServerVarsDialog(documents.dataFolder(), [&documents] { return documents.activeEditor(); },
                                    documents.dialogParent());
    });
    const std::pair<const char *, ServerVariableKind> vars[] = {
        {"Palette.ASP.Vars", ServerVariableKind::Asp}, {"Palette.ColdFusion.Vars", ServerVariableKind::Cfm},
        {"Palette.SSI.Vars", ServerVariableKind::Ssi}, {"Palette.PHP.Vars", ServerVariableKind::Php}};
    for (const auto &[id, kind] : vars) {
        registry.add(QLatin1String(id), [&documents, serverVars, kind = kind] {
            if (documents.activeDocument())
                serverVars->get()->showFor(kind);
        });
    }
}

} // namespace tagloom
