#include "wireless/ui/wireless_commands.h"

#include "base/file_io.h"
#include "base/ui/command_registry.h"
#include "base/ui/messages.h"
#include "base/ui/on_first_use.h"
#include "document/editor_operations.h"
#include "document/ui/document_window.h"
#include "document/ui/documents.h"
#include "wireless/ui/wap_viewer.h"
#include "wireless/ui/wbmp_dialog.h"
#include "wireless/ui/wml_go_dialog.h"
#include "wireless/ui/wml_pair_dialog.h"

#include <QFileInfo>

#include <functional>
#include <memory>

namespace tagloom {

namespace {

// The selected card written to the working file and shown in a new viewer.
void previewSelectedCard(Documents &documents)
{
    DocumentWindow *document = documents.activeDocument();
    EditorOperations *editor = documents.activeEditor();
    if (!document || !editor)
        return;
    const QString card = editor->SelectedText();
    if (card.isEmpty()) {
        showMessage(documents.dialogParent(), MessageKind::Information, QString(),
                    QStringLiteral("Please select a WML card.  For example \neverything between <card> and "
                                   "</card> \nincluding these tags."));
        return;
    }
    const QString workingFile = documents.dataFolder() + QStringLiteral("/waptmp.tmp");
    if (const Status written = writeFileAtomically(workingFile, card.toUtf8()); !written) {
        showMessage(documents.dialogParent(), MessageKind::Error, QString(), written.error);
        return;
    }
    // Pictures are found beside the page; an untitled page has only the data folder.
    const QString pictureFolder =
        document->fileName().isEmpty() ? documents.dataFolder() : QFileInfo(document->fileName()).absolutePath();
    auto *viewer = new WapViewer(workingFile, pictureFolder, documents.dialogParent());
    // Nothing shows a closed viewer again: it goes when it is closed.
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
}

} // namespace

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

    registry.add(QStringLiteral("Window.WapPreview"), [&documents] { previewSelectedCard(documents); });

    auto wbmp = std::make_shared<OnFirstUse<WbmpDialog>>(
        [&documents] { return new WbmpDialog(documents.dialogParent()); });
    registry.add(QStringLiteral("Tools.Wbmp"), [wbmp] { wbmp->get()->openFromMenu(); });
}

} // namespace tagloom
