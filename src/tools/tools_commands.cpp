#include "tools/tools_commands.h"

#include "base/file_io.h"
#include "base/text_codec.h"
#include "codetools/html_compressor.h"
#include "codetools/rtf_to_html.h"
#include "document/document.h"
#include "tools/links_command.h"
#include "tools/tool_input.h"
#include "tools/tool_output.h"
#include "tools/validate_command.h"
#include "wireless/bmp_reader.h"
#include "wireless/wbmp.h"

#include <QFile>
#include <atomic>
#include <functional>
#include <thread>

namespace tagloom {

namespace {

constexpr int kUsageError = 2;

// Peak memory per input byte, with some room. compress reads a page in
// blocks and keeps only what is under way: ordinary pages need a few MiB
// whatever their size. What it keeps can be as long as the page (a centred
// paragraph whose </p> is at the end, or a tag that never ends), hence one
// byte per byte. rtf2html: the tools benchmark measures about 3.1 on 100 MB
// of rich text. (validate's own is beside it.)
constexpr InputDemand kCompress{"compress", 1.0};
constexpr InputDemand kRtfToHtml{"convert", 3.5};
// A bitmap is read whole and held as four bytes a pixel: 32 times a 1-bit
// bitmap's size at most, and pictures are small; the reader refuses huge ones.
constexpr InputDemand kWbmp{"convert", 2.0};

const char kUsage[] =
    "Usage: tagloom-tools COMMAND ...\n"
    "\n"
    "  validate [OPTIONS] INPUT...\n"
    "                          check the mark-up of pages; one line per finding:\n"
    "                          FILE<tab>NAME<tab>MESSAGE<tab>TYPE\n"
    "  compress [OPTIONS] IN OUT\n"
    "                          write a compressed copy of IN to OUT and print both sizes\n"
    "  rtf2html IN.rtf         write the HTML of a rich-text file to standard output\n"
    "  wbmp IN.bmp OUT.wbmp    convert a Windows bitmap to a WBMP picture (at most\n"
    "                          2056 by 16383 pixels); OUT is replaced whole\n"
    "  links [--format tsv|json] DIR\n"
    "                          check the local links of the pages and style sheets\n"
    "                          below DIR; remote addresses are listed, never fetched.\n"
    "                          One line per finding: FILE<tab>REFERENCE<tab>MESSAGE<tab>TYPE,\n"
    "                          with --format tsv FILE LINE COLUMN REFERENCE MESSAGE TYPE,\n"
    "                          with --format json one object a line (file, line, column,\n"
    "                          name, message, type). TYPE is Broken (no such file),\n"
    "                          Case (the file exists in another letter case only),\n"
    "                          Orphan (no page refers to it; index.* and default.*\n"
    "                          never are), Remote or Unread (a page that could not be\n"
    "                          read). A whole-file finding has line and column 0.\n"
    "                          Exit status 1 for Broken or Case, 2 for an Unread page;\n"
    "                          orphans and remote addresses alone give 0\n"
    "\n"
    "Inputs must be regular files (validate also takes folders); - reads standard\n"
    "input (at most 256 MiB).\n"
    "An input whose work would not fit in the memory available is refused.\n"
    "\n"
    "An INPUT of validate is a page, - for standard input, or a folder: the pages\n"
    "in it and in its sub-folders, in order of their paths (hidden files and\n"
    "folders are passed over, links to folders not followed). A page there is a\n"
    "file named .htm .html .xhtml .xht .shtml .shtm .stm .php .php3 .php4 .php5\n"
    ".phtml .asp .aspx .cfm .cfml or .jsp, in any letter case.\n"
    "\n"
    "Validate options:\n"
    "  --rules html4|html5     the element and attribute table (html4 unless given)\n"
    "  --skip-server-code      pass over <?php ?>, <? ?>, <?= ?>, <% %>, <%= %>,\n"
    "                          <!--# --> and <!--- ---> wherever they stand; nothing\n"
    "                          inside is reported, nor a name they write part of\n"
    "  --format tsv            FILE<tab>LINE<tab>COLUMN<tab>NAME<tab>MESSAGE<tab>TYPE\n"
    "  --format json           one JSON object a line, with the keys file, line,\n"
    "                          column, name, message and type\n"
    "Options may stand anywhere among the inputs; -- ends them.\n"
    "LINE and COLUMN count from 1, COLUMN in characters; they give where the named\n"
    "attribute starts, or the tag's < when the finding is about the tag.\n"
    "\n"
    "validate writes each field with a backslash as \\\\, a tab as \\t, a line\n"
    "feed as \\n and a carriage return as \\r, so a line always has four fields.\n"
    "Names and messages come in the page's own encoding: UTF-8 when the page is\n"
    "valid UTF-8, otherwise byte for byte as the page holds them; FILE is written\n"
    "as given. In JSON, strings are UTF-8: a name or message that is not valid\n"
    "UTF-8 is read one byte per character.\n"
    "\n"
    "rtf2html writes UTF-8 for a valid UTF-8 input, otherwise one byte per\n"
    "character, the bytes of the input kept as they are.\n"
    "\n"
    "Compress options (each pass is on unless switched off):\n"
    "  --keep-quotes           keep double quotes in tags\n"
    "  --keep-all-returns      keep the line breaks that could all go\n"
    "  --keep-returns          keep runs of line breaks\n"
    "  --keep-webbots          keep <!--webbot comments\n"
    "  --keep-spaces           keep runs of spaces\n"
    "  --keep-tag-names        keep strong, em and strike as they are\n"
    "  --keep-center           keep centred paragraphs as they are\n"
    "  --blockquote-to-ul      write blockquote as ul (off unless given)\n"
    "\n"
    "Where compress keeps more than the written rules would, so that the page\n"
    "reads the same in a browser:\n"
    "  - A double-quoted value keeps its quotes, whatever the attribute, when it\n"
    "    is empty (alt=\"\" stays as it is), holds a space, tab or line break, a\n"
    "    quote, =, <, > or `, or is followed directly by /. The written rules\n"
    "    keep them only around a space in a value or alt value.\n"
    "  - A tag ends at the > that ends it for a browser, not at a > inside a\n"
    "    quoted value; a single quote anywhere up to that end keeps every quote\n"
    "    of the tag as written.\n"
    "  - A centred paragraph with no </p> after it is left as it is, instead of\n"
    "    becoming a <center> that would centre the rest of the page.\n"
    "\n"
    "Exit status: 0 done (validate: nothing found, or only Deprecated findings;\n"
    "links: nothing broken), 1 validate found an Error or links a Broken or Case\n"
    "reference, 2 bad usage, an input that could not be read or was refused, or\n"
    "output that could not be written (2 wins over 1).\n";

int usage(ToolOutput &err, const QString &problem = QString())
{
    if (!problem.isEmpty())
        err << "tagloom-tools: " << problem << "\n\n";
    err << kUsage;
    return kUsageError;
}

int fail(ToolOutput &err, const QString &problem)
{
    err << "tagloom-tools: " << problem << "\n";
    return kUsageError;
}

int validate(const QStringList &arguments, ToolOutput &out, ToolOutput &err)
{
    const Result<ValidateRequest> request = parseValidateArguments(arguments);
    if (!request)
        return usage(err, request.error);
    return validatePages(*request, out, err);
}

int compress(QStringList arguments, ToolOutput &out, ToolOutput &err)
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
    ToolInput input;
    if (const Status opened = input.open(arguments.at(0), kCompress); !opened)
        return fail(err, opened.error);
    AtomicFileWriter output(arguments.at(1));
    if (const Status opened = output.open(); !opened)
        return fail(err, opened.error);
    // Read, compressed and written piece by piece, the later passes and the
    // writing on a second core where there is one; the output takes its
    // place only when all of it is written.
    std::atomic<bool> writing = true;
    const auto threads = std::thread::hardware_concurrency() > 1 ? CompressorStream::Threads::Two
                                                                 : CompressorStream::Threads::One;
    CompressorStream stream(compressor, [&](QByteArrayView piece) { writing = output.write(piece); }, threads);
    while (writing) {
        const Result<QByteArrayView> block = input.next();
        if (!block)
            return fail(err, block.error);
        if (block->isEmpty()) {
            stream.finish();
            break;
        }
        stream.write(*block);
    }
    if (const Status saved = output.commit(); !saved)
        return fail(err, saved.error);
    out << "Original size: " << stream.bytesIn() << " bytes\nNew size: " << stream.bytesOut() << " bytes\n";
    return 0;
}

int rtf2html(const QStringList &arguments, ToolOutput &out, ToolOutput &err)
{
    if (arguments.size() != 1)
        return usage(err, QStringLiteral("rtf2html needs one rich-text file"));
    QString rtf;
    QStringConverter::Encoding encoding = QStringConverter::Latin1;
    {
        auto bytes = readToolInput(arguments.first(), kRtfToHtml);
        if (!bytes)
            return fail(err, bytes.error);
        // Rich text is 8-bit; a file that is valid UTF-8 was written as such
        // and its HTML stays UTF-8, any other keeps its bytes.
        if (detectEncoding(*bytes) == TextEncoding::Utf8) {
            encoding = QStringConverter::Utf8;
            rtf = decodeUtf8(*bytes);
        } else {
            rtf = QString::fromLatin1(*bytes);
        }
    }
    // Written as it is made; one encoder, as a piece may end inside a
    // character that takes two UTF-16 units.
    QStringEncoder encoder(encoding);
    RtfToHtml(rtf, [&](QStringView piece) { out.write(QByteArray(encoder.encode(piece))); });
    return 0;
}

int wbmp(const QStringList &arguments, ToolOutput &err)
{
    if (arguments.size() != 2)
        return usage(err, QStringLiteral("wbmp needs an input bitmap and an output file"));
    const Result<QByteArray> bytes = readToolInput(arguments.at(0), kWbmp);
    if (!bytes)
        return fail(err, bytes.error);
    const Result<PixelBuffer> picture = readBmp(*bytes);
    if (!picture)
        return fail(err, QStringLiteral("\"%1\" cannot be read as a picture: %2").arg(arguments.at(0), picture.error));
    if (const Status written = BitmapToWbmp(*picture, arguments.at(1)); !written)
        return fail(err, written.error);
    return 0;
}

} // namespace

int runTools(const QStringList &arguments, ToolOutput &out, ToolOutput &err)
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
    if (command == QLatin1String("wbmp"))
        return wbmp(rest, err);
    if (command == QLatin1String("links"))
        return runLinksCommand(rest, out, err);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << kUsage;
        return 0;
    }
    return usage(err, QStringLiteral("unknown command %1").arg(command));
}

} // namespace tagloom
