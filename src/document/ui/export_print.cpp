#include "document/ui/export_print.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/messages.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <Qsci/qsciprinter.h>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace tagloom {

void exportCopy(DocumentWindow &window, LineEnds ends)
{
    if (window.refuseWhileLoading())
        return;
    const QString path = window.runSaveDialog(window.lastSaveDialogName());
    if (path.isEmpty())
        return;
    CodeEditor *editor = window.editor();
    if (editor->hasNoLines()) {
        showMessage(&window, MessageKind::Information, QStringLiteral("Information"),
                    QStringLiteral("The document is empty. There is nothing to save."));
        return;
    }
    // The text passes through the export working file, written with CR LF.
    const QByteArray crlf = window.fileBytes();
    const Status work = writeFileAtomically(window.dataFolder() + QLatin1String(DataPath::ExportWork), crlf);
    if (!work) {
        showMessage(&window, MessageKind::Error, QStringLiteral("Error"), work.error);
        return;
    }
    const QByteArray terminator = ends == LineEnds::Unix ? QByteArray("\n") : QByteArray("\r");
    const Status written = writeFileAtomically(path, window.document().fileBytes(editor->buffer(), terminator));
    if (!written) {
        showMessage(&window, MessageKind::Error, QStringLiteral("Error"), written.error);
        return;
    }
    editor->SetCaretLine(0);
    showMessage(&window, MessageKind::Information, QStringLiteral("Information"),
                ends == LineEnds::Unix ? QStringLiteral("Your file has been exported to Unix Format.")
                                       : QStringLiteral("Your file has been exported to Macintosh Format."));
}

namespace {

void setUpPrinter(QsciPrinter &printer, DocumentWindow &window)
{
    printer.setDocName(window.windowTitle());
    printer.setMagnification(-1);
    printer.setWrapMode(QsciScintilla::WrapWord);
}

} // namespace

void printDocument(DocumentWindow &window)
{
    QsciPrinter printer;
    setUpPrinter(printer, window);
    QPrintDialog dialog(&printer, &window);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() == QDialog::Accepted)
        printer.printRange(window.editor());
}

void previewPrint(DocumentWindow &window)
{
    QsciPrinter printer;
    setUpPrinter(printer, window);
    QPrintPreviewDialog preview(&printer, &window);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &window,
                     [&window](QPrinter *target) { static_cast<QsciPrinter *>(target)->printRange(window.editor()); });
    preview.resize(800, 900);
    preview.exec();
}

} // namespace tagloom
