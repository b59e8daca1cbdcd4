#include "tools/tools_commands.h"

#include "base/file_io.h"
#include "base/text_codec.h"
#include "codetools/document_analysis.h"
#include "codetools/html_compressor.h"
#include "codetools/rtf_to_html.h"

#include <functional>

namespace tagloom {

namespace {

constexpr int kUsageError = 2;

const char kUsage[] =
    "Usage: tagloom-tools COMMAND ...\n"
    "\n"
    "  validate FILE...        check the mark-up of pages; one line per finding:\n"
    "                          FILE<tab>NAME<tab>MESSAGE<tab>TYPE\n"
    "                          (exit status 1 when any finding is an Error)\n"
    "  compress [OPTIONS] IN OUT\n"
    "                          write a compressed copy of IN to OUT and print both sizes\n"
    "  rtf2html IN.rtf         write the HTML of a rich-text file to standard output\n"
    "\n"
    "Compress options (each pass is on unless switched off):\n"
    "  --keep-quotes           keep double quotes in tags\n"
    "  --keep-all-returns      keep the line breaks that could all go\n"
    "  --keep-returns          keep runs of line breaks\n"
    "  --keep-webbots          keep <!--webbot comments\n"
    "  --keep-spaces           keep runs of spaces\n"
    "  --keep-tag-names        keep strong, em and strike as they are\n"
    "  --keep-center           keep centred paragraphs as they are\n"
    "  --blockquote-to-ul      write blockquote as ul (off unless given)\n";

int usage(QTextStream &err, const QString &problem = QString())
{
    if (!problem.isEmpty())
        err << "tagloom-tools: " << problem << "\n\n";
    err << kUsage;
    return kUsageError;
}

int validate(const QStringList &files, QTextStream &out, QTextStream &err)
{
    if (files.isEmpty())
        return usage(err, QStringLiteral("validate needs at least one file"));
    int status = 0;
    for (const QString &file : files) {
        auto bytes = readWholeFile(file);
        if (!bytes) {
            err << "tagloom-tools: " << bytes.error << "\n";
            status = kUsageError;
            continue;
        }
        for (const AnalysisRow &row : analyseFile(*bytes)) {
            if (row.type.isEmpty()) // the all-clear row is no finding
                continue;
            out << file << '\t' << row.invalid << '\t' << row.message << '\t' << row.type << '\n';
            if (row.type == QLatin1String("Error") && status == 0)
                status = 1;
        }
    }
    return status;
}

int compress(QStringList arguments, QTextStream &out, QTextStream &err)
{
    THTMLCompressor compressor;
    const std::pair<const char *, std::function<void()>> options[] = {
        {"--keep-quotes", [&] { compressor.InvCommas = false; }},
        {"--keep-all-returns", [&] { compressor.AllReturns = false; }},
        {"--keep-returns", [&] { compressor.Returns = false; }},
        {"--keep-webbots", [&] { compressor.Webbots = false; }},
        {"--keep-spaces", [&] { compressor.Spaces = false; }},
        {"--keep-tag-names", [&] { compressor.SimpleTags = false; }},
        {"--keep-center", [&] { compressor.Center = false; }},
        {"--blockquote-to-ul", [&] { compressor.BlockquoteToUl = true; }},
    };
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        bool known = false;
        for (const auto &[name, apply] : options) {
            if (option == QLatin1String(name)) {
                apply();
                known = true;
            }
        }
        if (!known)
            return usage(err, QStringLiteral("unknown option %1").arg(option));
    }
    if (arguments.size() != 2)
        return usage(err, QStringLiteral("compress needs an input and an output file"));
    if (const Status loaded = compressor.LoadFile(arguments.at(0)); !loaded) {
        err << "tagloom-tools: " << loaded.error << "\n";
        return kUsageError;
    }
    const qsizetype before = compressor.Buffer().size();
    compressor.Compress();
    if (const Status saved = compressor.SaveFile(arguments.at(1)); !saved) {
        err << "tagloom-tools: " << saved.error << "\n";
        return kUsageError;
    }
    out << "Original size: " << before << " bytes\nNew size: " << compressor.Buffer().size() << " bytes\n";
    return 0;
}

int rtf2html(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 1)
        return usage(err, QStringLiteral("rtf2html needs one rich-text file"));
    auto bytes = readWholeFile(arguments.first());
    if (!bytes) {
        err << "tagloom-tools: " << bytes.error << "\n";
        return kUsageError;
    }
    // Rich text is 8-bit: one byte per character.
    out << RtfToHtml(QString::fromLatin1(*bytes));
    return 0;
}

} // namespace

int runTools(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty())
        return usage(err);
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("validate"))
        return validate(rest, out, err);
    if (command == QLatin1String("compress"))
        return compress(rest, out, err);
    if (command == QLatin1String("rtf2html"))
        return rtf2html(rest, out, err);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << kUsage;
        return 0;
    }
    return usage(err, QStringLiteral("unknown command %1").arg(command));
}

} // namespace tagloom
