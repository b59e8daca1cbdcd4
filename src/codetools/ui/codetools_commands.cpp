#include "codetools/ui/codetools_commands.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/command_registry.h"
#include "base/ui/messages.h"
#include "base/ui/on_first_use.h"
#include "base/ui/window_placement.h"
#include "codetools/ui/analysis_window.h"
#include "codetools/ui/compressor_dialog.h"
#include "codetools/ui/rtf_editor_window.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "document/ui/documents.h"

#include <memory>

namespace tagloom {

void registerCodetoolsCommands(CommandRegistry &registry, Documents &documents,
                               AnalysisSettingsHooks analysisSettings)
{
    auto analysis = std::make_shared<OnFirstUse<AnalysisWindow>>([&documents, analysisSettings] {
        return new AnalysisWindow(documents.dataFolder(), analysisSettings, documents.dialogParent());
    });
    auto compressor = std::make_shared<OnFirstUse<CompressorDialog>>([&documents] {
        return new CompressorDialog(
            documents.dataFolder(), [&documents] { return documents.activeDocument(); }, documents.dialogParent());
    });

    // The analysis reads the text as it stands, saved or not, from its
    // working file; the window runs when it appears.
    registry.add(QStringLiteral("Coding.Validate"), [&documents, analysis] {
        DocumentWindow *doc = documents.activeDocument();
        if (!doc)
            return;
        const Status written = writeFileAtomically(documents.dataFolder() + QLatin1String(DataPath::AnalysisWork),
                                                   doc->textBytes());
        if (!written) {
            showMessage(doc, MessageKind::Error, QStringLiteral("Error"), written.error);
            return;
        }
        analysis->get()->showOrRaise();
    });
    registry.add(QStringLiteral("Coding.Compress"), [&documents, compressor] {
        if (documents.activeDocument())
            showAndRaise(compressor->get());
    });
    // A window of its own, needing no document.
    auto rtfEditor = std::make_shared<OnFirstUse<RtfEditorWindow>>(
        [&documents] { return new RtfEditorWindow(documents.dialogParent()); });
    registry.add(QStringLiteral("Tools.RtfEditor"), [rtfEditor] { showAndRaise(rtfEditor->get()); });
}

} // namespace tagloom
