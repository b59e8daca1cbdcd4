#include "app/document_converters.h"

#include "base/file_io.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace tagloom {

namespace {

QString converterKey(ConverterDirection direction)
{
    return QLatin1String(TextConvertersKey) +
           (direction == ConverterDirection::Import ? QLatin1String("Import") : QLatin1String("Export"));
}

// "doc dot" becomes "*.doc;*.dot": every blank separates two extensions.
QString patternsOf(const QString &extensions)
{
    return QLatin1String("*.") + QString(extensions).replace(QLatin1Char(' '), QLatin1String(";*."));
}

struct ProcessRun {
    ConversionFailure failure = ConversionFailure::None;
    QString detail;
};

ProcessRun runProgram(const QString &program, const QStringList &arguments, const QString &workFolder,
                      int timeoutMs)
{
    if (program.isEmpty())
        return {ConversionFailure::NoProgram, QStringLiteral("No converter program")};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!workFolder.isEmpty())
        process.setWorkingDirectory(workFolder);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return {ConversionFailure::NotStartable, process.errorString()};
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {ConversionFailure::Broken, QStringLiteral("%1 did not finish in time").arg(program)};
    }
    const QString output = QString::fromLocal8Bit(process.readAll());
    if (process.exitStatus() == QProcess::CrashExit)
        return {ConversionFailure::Broken, process.errorString() + QLatin1Char('\n') + output};
    if (process.exitCode() != 0)
        return {ConversionFailure::Refused,
                QStringLiteral("Exit code %1\n%2").arg(process.exitCode()).arg(output)};
    return {ConversionFailure::None, output};
}

// Reads the converter's output file into `bytes`; a converter that reports
// success but wrote nothing is broken.
ConversionOutcome collectOutput(const ProcessRun &run, const QString &outputPath, QByteArray &bytes)
{
    if (run.failure != ConversionFailure::None)
        return {run.failure, run.detail, {}};
    auto read = readWholeFile(outputPath);
    if (!read)
        return {ConversionFailure::Broken, read.error, {}};
    bytes = std::move(*read);
    return {ConversionFailure::None, run.detail, {}};
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

// pandoc's RTF reader swallows the character after "\uN?" unless a blank
// ends the control word, and reads raw 8-bit text as Latin-1 rather than in
// the document's code page. Both rewrites keep the RTF's meaning.
QByteArray rtfForPandoc(const QByteArray &rtf)
{
    const bool escapeHighBytes = !isUtf8(rtf);
    QByteArray out;
    out.reserve(rtf.size() + rtf.size() / 8);
    const qsizetype size = rtf.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = rtf.at(i);
        if (c == '\\' && i + 1 < size && rtf.at(i + 1) == 'u') {
            qsizetype j = i + 2;
            if (j < size && rtf.at(j) == '-')
                ++j;
            const qsizetype digitsStart = j;
            while (j < size && rtf.at(j) >= '0' && rtf.at(j) <= '9')
                ++j;
            out.append(rtf.constData() + i, j - i);
            if (j > digitsStart && j < size) {
                const char next = rtf.at(j);
                if (next != ' ' && next != '\\' && next != '{' && next != '}')
                    out.append(' ');
            }
            i = j - 1;
        } else if (c == '\\' && i + 1 < size && static_cast<uchar>(rtf.at(i + 1)) < 0x80) {
            out.append(c).append(rtf.at(i + 1)); // "\\" and "\{" are not control words
            ++i;
        } else if (escapeHighBytes && static_cast<uchar>(c) >= 0x80) {
            out.append("\\'").append(QByteArray::number(static_cast<uchar>(c), 16).rightJustified(2, '0'));
        } else {
            out.append(c);
        }
    }
    return out;
}

QString pandocReader(const QString &inputPath)
{
    return QFileInfo(inputPath).suffix().compare(QLatin1String("odt"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("odt")
               : QStringLiteral("docx");
}

} // namespace

QList<DocumentConverter> findConverters(SettingsStore *machine, ConverterDirection direction,
                                        const ProgramFinder &findProgram)
{
    QList<DocumentConverter> converters;
    if (machine) {
        const QString key = converterKey(direction);
        for (const QString &subkey : machine->subkeys(key)) {
            const QString path = key + QLatin1Char('\\') + subkey;
            converters.append({machine->text(path, QStringLiteral("Name")),
                               machine->text(path, QStringLiteral("Extensions")),
                               machine->text(path, QStringLiteral("Path")), DocumentConverter::Engine::Program});
        }
    }
    const QString pandoc = findProgram ? findProgram(QStringLiteral("pandoc"))
                                       : QStandardPaths::findExecutable(QStringLiteral("pandoc"));
    if (!pandoc.isEmpty()) {
        if (direction == ConverterDirection::Import)
            converters.append({QLatin1String(PandocImportName), QStringLiteral("docx odt"), pandoc,
                               DocumentConverter::Engine::Pandoc});
        else
            converters.append({QLatin1String(HtmlExportName), QStringLiteral("htm html"), pandoc,
                               DocumentConverter::Engine::Pandoc});
    }
    return converters;
}

QString findWordPadFolder(SettingsStore *machine)
{
    if (!machine)
        return QString();
    const QString program = machine->text(QLatin1String(AppPathsKey) + QLatin1String("WORDPAD.EXE"), QString());
    return program.isEmpty() ? QString() : QFileInfo(program).absolutePath();
}

QStringList ImportFilter::dialogFilters() const
{
    const QStringList parts = text.split(QLatin1Char('|'));
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        pairs.append(parts.at(i) + QLatin1Char('|') + parts.at(i + 1));
    return pairs;
}

QString ImportFilter::nameForFile(const QString &path) const
{
    const QString fileName = QFileInfo(path).fileName();
    const QStringList pairs = dialogFilters();
    for (qsizetype i = 0; i < pairs.size() && i < names.size(); ++i) {
        const QString patterns = pairs.at(i).section(QLatin1Char('|'), 1);
        if (QDir::match(patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts), fileName))
            return names.at(i);
    }
    return names.value(0);
}

ImportFilter buildImportFilter(const QList<DocumentConverter> &importers, const QString &wordPadFolder)
{
    ImportFilter filter;
    for (const DocumentConverter &converter : importers) {
        filter.text += converter.name + QLatin1Char('|') + patternsOf(converter.extensions) + QLatin1Char('|');
        filter.names.append(converter.name);
    }
    const auto putInFront = [&filter](const QString &name, const QString &patterns) {
        filter.text.prepend(name + QLatin1Char('|') + patterns + QLatin1Char('|'));
        filter.names.prepend(name);
    };
    putInFront(QStringLiteral("Rich Text Format"), QStringLiteral("*.rtf"));
    if (!wordPadFolder.isEmpty()) {
        const QDir folder(wordPadFolder);
        if (!filter.text.contains(QLatin1String("Windows Write")) &&
            QFileInfo::exists(folder.filePath(QLatin1String(WordPadWriteConverter))))
            putInFront(QStringLiteral("Windows Write"), QStringLiteral("*.wri"));
        if (QFileInfo::exists(folder.filePath(QLatin1String(WordPadWordConverter))))
            putInFront(filter.text.contains(QLatin1String("Word 6.0/95")) ? QStringLiteral("Word 95 via WordPad")
                                                                          : QStringLiteral("Word 6.0/95"),
                       QStringLiteral("*.doc"));
    }
    if (filter.text.endsWith(QLatin1Char('|')))
        filter.text.chop(1);
    return filter;
}

std::optional<DocumentConverter> importConverterNamed(const QString &name,
                                                      const QList<DocumentConverter> &importers,
                                                      const QString &wordPadFolder)
{
    for (const DocumentConverter &converter : importers) {
        if (converter.name == name && !converter.program.isEmpty())
            return converter;
    }
    if (wordPadFolder.isEmpty())
        return std::nullopt;
    const QDir folder(wordPadFolder);
    if (name.contains(QLatin1String("Word 6.0/95")) || name.contains(QLatin1String("WordPad")))
        return DocumentConverter{name, QStringLiteral("doc"), folder.filePath(QLatin1String(WordPadWordConverter))};
    if (name.contains(QLatin1String("Windows Write")))
        return DocumentConverter{name, QStringLiteral("wri"), folder.filePath(QLatin1String(WordPadWriteConverter))};
    return std::nullopt;
}

std::optional<DocumentConverter> exportConverterNamed(const QString &name,
                                                      const QList<DocumentConverter> &exporters)
{
    for (const DocumentConverter &converter : exporters) {
        if (converter.name == name)
            return converter;
    }
    return std::nullopt;
}

ConversionOutcome convertToRtf(const DocumentConverter &converter, const QString &inputPath, int timeoutMs)
{
    QTemporaryDir work;
    if (!work.isValid())
        return {ConversionFailure::Broken, work.errorString(), {}};
    // Absolute paths, so that no file name can pass for an option.
    const QString input = QFileInfo(inputPath).absoluteFilePath();
    const QString output = work.filePath(QFileInfo(inputPath).completeBaseName() + QLatin1String(".rtf"));
    QStringList arguments{input, output};
    if (converter.engine == DocumentConverter::Engine::Pandoc)
        arguments = {QStringLiteral("-f"), pandocReader(input), QStringLiteral("-t"), QStringLiteral("rtf"),
                     QStringLiteral("-s"), QStringLiteral("-o"), output, input};
    QByteArray rtf;
    ConversionOutcome outcome =
        collectOutput(runProgram(converter.program, arguments, QString(), timeoutMs), output, rtf);
    outcome.rtf = std::move(rtf);
    return outcome;
}

ConversionOutcome convertFromRtf(const DocumentConverter &converter, const QByteArray &rtf,
                                 const QString &targetPath, int timeoutMs)
{
    const QFileInfo target(targetPath);
    if (!target.absoluteDir().exists())
        return {ConversionFailure::NotWritten,
                QStringLiteral("Cannot create file \"%1\". The folder does not exist.").arg(targetPath), {}};
    QTemporaryDir work;
    if (!work.isValid())
        return {ConversionFailure::Broken, work.errorString(), {}};
    const bool pandoc = converter.engine == DocumentConverter::Engine::Pandoc;
    const QString input = work.filePath(target.completeBaseName() + QLatin1String(".rtf"));
    const Status written = writeFileAtomically(input, pandoc ? rtfForPandoc(rtf) : rtf);
    if (!written)
        return {ConversionFailure::Broken, written.error, {}};

    // The converter writes into the work folder; the target is replaced only
    // by a complete result.
    const QString output = work.filePath(target.fileName());
    QStringList arguments{input, output};
    QString workFolder;
    if (pandoc) {
        // Run in the target's folder so that picture links come out relative.
        workFolder = target.absolutePath();
        arguments = {QStringLiteral("-f"), QStringLiteral("rtf"), QStringLiteral("-t"), QStringLiteral("html"),
                     QStringLiteral("-s"), QStringLiteral("--metadata"),
                     QLatin1String("pagetitle=") + target.completeBaseName(),
                     QLatin1String("--extract-media=") + target.completeBaseName() + QLatin1String("_files"),
                     QStringLiteral("-o"), output, input};
    }
    QByteArray result;
    const ConversionOutcome outcome =
        collectOutput(runProgram(converter.program, arguments, workFolder, timeoutMs), output, result);
    if (!outcome.ok())
        return outcome;
    const Status saved = writeFileAtomically(target.absoluteFilePath(), result);
    if (!saved)
        return {ConversionFailure::NotWritten, saved.error, {}};
    return {ConversionFailure::None, outcome.detail, {}};
}

} // namespace tagloom
