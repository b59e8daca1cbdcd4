#include "app/ui/import_other.h"

#include "base/ui/file_dialogs.h"
#include "base/file_io.h"
#include "base/ui/messages.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace tagloom {

namespace {

void tell(QWidget *parent, const char *text)
{
    showMessage(parent, MessageKind::Plain, QString(), QLatin1String(text));
}

// The converted rich text, or nothing when the import stops. A program that
// cannot start is the converter failing to initialise, and its format test
// then counts as failed; a non-zero exit is the format test saying no; a
// crash, a time-out or a missing output is a failed conversion, which ends
// the import without a message, as does an entry without a program.
std::optional<QByteArray> convertChosenFile(QWidget *parent, const ImportContext &context, const QString &name,
                                            const QString &path, const QString &wordPadFolder)
{
    const auto converter = importConverterNamed(
        name, findConverters(context.machineStore, ConverterDirection::Import, context.findProgram),
        wordPadFolder);
    if (!converter)
        return std::nullopt;
    ConversionOutcome outcome = convertToRtf(*converter, path, context.timeoutMs);
    switch (outcome.failure) {
    case ConversionFailure::None:
        return std::move(outcome.rtf);
    case ConversionFailure::NotStartable:
        tell(parent, "Please report: InitConverter failed");
        [[fallthrough]];
    case ConversionFailure::Refused:
        tell(parent, "Not the correct file format");
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// The save step: ask for the page's name, export the rich text to it with
// the "HTML Document" converter and open the result.
void SaveImport(QWidget *parent, const ImportContext &context, const QByteArray &rtf, const QString &sourcePath)
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Import to Filename...");
    request.filters = {QStringLiteral("HTML Document|*.htm")};
    request.defaultSuffix = QStringLiteral("htm");
    const QFileInfo source(sourcePath);
    request.proposedPath = source.dir().filePath(source.completeBaseName() + QLatin1String(".htm"));
    const QString target = chooseFile(parent, request);
    if (target.isEmpty())
        return;

    const auto converter = exportConverterNamed(
        QLatin1String(HtmlExportName),
        findConverters(context.machineStore, ConverterDirection::Export, context.findProgram));
    if (!converter)
        return;
    const ConversionOutcome outcome = convertFromRtf(*converter, rtf, target, context.timeoutMs);
    switch (outcome.failure) {
    case ConversionFailure::None:
        break;
    case ConversionFailure::NotStartable:
        tell(parent, "Please report: InitConverter failed");
        return;
    case ConversionFailure::Refused:
        tell(parent, "Coult not export document");
        return;
    case ConversionFailure::NotWritten:
        showMessage(parent, MessageKind::Error, QStringLiteral("Error"), outcome.detail);
        return;
    default:
        return;
    }
    if (context.openDocumentFile)
        context.openDocumentFile(target);
    tell(parent, "Import Complete.");
}

} // namespace

void importOtherFile(QWidget *parent, const ImportContext &context)
{
    const QString wordPadFolder = findWordPadFolder(context.machineStore);
    const ImportFilter filter = buildImportFilter(
        findConverters(context.machineStore, ConverterDirection::Import, context.findProgram), wordPadFolder);

    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Import File...");
    request.filters = filter.dialogFilters();
    request.proposedPath = context.workingFolder;
    const QString path = chooseFile(parent, request);
    if (path.isEmpty())
        return;

    // The rich text the export works on (the hidden rich-text buffer).
    QByteArray rtf;
    const QString name = filter.nameForFile(path);
    if (name.contains(QLatin1String("Rich Text"))) {
        auto loaded = readWholeFile(path);
        if (!loaded) {
            showMessage(parent, MessageKind::Error, QStringLiteral("Error"), loaded.error);
            return;
        }
        rtf = std::move(*loaded);
    } else {
        auto converted = convertChosenFile(parent, context, name, path, wordPadFolder);
        if (!converted)
            return;
        rtf = std::move(*converted);
    }
    SaveImport(parent, context, rtf, path);
}

} // namespace tagloom
