#include "tools/validate_command.h"

#include "base/text_codec.h"
#include "codetools/document_analysis.h"
#include "document/file_filters.h"
#include "tools/tool_input.h"
#include "tools/tool_output.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

namespace tagloom {

namespace {

// Peak memory per input byte, with some room. validate reads a page in
// blocks and keeps only what is under way: ordinary pages need a few MiB
// whatever their size. What it keeps can be as long as the page (one tag
// that never ends), hence one byte per byte. Rarer shapes take more (an
// attribute name as long as the page is copied upper-cased and again in its
// message); running out of memory then still ends with a message.
constexpr InputDemand kValidate{"validate", 1.0};

constexpr int kErrorFound = 1;
constexpr int kNotRead = 2;

// Fields of a finding read as UTF-8 when they are valid UTF-8, else one
// byte per character: a page's encoding is known only once all of it has
// been read, and the JSON written must be UTF-8 all the same.
bool readsAsUtf8(const AnalysisFinding &f)
{
    return isValidUtf8(QByteArray::fromRawData(f.invalid.data(), f.invalid.size())) &&
           isValidUtf8(QByteArray::fromRawData(f.message.data(), f.message.size()));
}

// One page's findings, each line written as soon as it is found, while the
// page is read block by block. Fields keep the page's own bytes.
int validateOne(const QString &file, const ValidateRequest &request, ToolOutput &out, ToolOutput &err)
{
    bool errorFound = false;
    AnalysisOptions options = request.options;
    options.positions = request.format != FindingFormat::Plain; // the plain form has none
    PageAnalysis analysis(
        [&](const AnalysisFinding &f) {
            const bool utf8 = request.format != FindingFormat::Json || readsAsUtf8(f);
            writeFinding(out, request.format, {file, f.line, f.column, f.invalid, f.message, f.type, utf8});
            errorFound = errorFound || f.isError();
        },
        options);
    ToolInput input;
    if (const Status opened = input.open(file, kValidate); !opened) {
        err << "tagloom-tools: " << opened.error << "\n";
        return kNotRead;
    }
    while (true) {
        const Result<QByteArrayView> block = input.next();
        if (!block) {
            err << "tagloom-tools: " << block.error << "\n";
            return kNotRead;
        }
        if (block->isEmpty())
            break;
        analysis.feed(*block);
    }
    analysis.finish();
    return errorFound ? kErrorFound : 0;
}

} // namespace

Result<ValidateRequest> parseValidateArguments(const QStringList &arguments)
{
    using R = Result<ValidateRequest>;
    ValidateRequest request;
    bool options = true;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (!options || a == QLatin1String("-") || !a.startsWith(QLatin1String("--"))) {
            request.inputs << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            options = false;
        } else if (a == QLatin1String("--skip-server-code")) {
            request.options.skipServerCode = true;
        } else if (a == QLatin1String("--rules") || a == QLatin1String("--format")) {
            if (i + 1 == arguments.size())
                return R::failure(QStringLiteral("%1 needs a value").arg(a));
            const QString value = arguments.at(++i);
            if (a == QLatin1String("--format")) {
                if (!parseFindingFormat(value, request.format))
                    return R::failure(QStringLiteral("--format is tsv or json, not %1").arg(value));
            } else if (value == QLatin1String("html4")) {
                request.options.rules = AnalysisRules::Html4;
            } else if (value == QLatin1String("html5")) {
                request.options.rules = AnalysisRules::Html5;
            } else {
                return R::failure(QStringLiteral("--rules is html4 or html5, not %1").arg(value));
            }
        } else {
            return R::failure(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (request.inputs.isEmpty())
        return R::failure(QStringLiteral("validate needs at least one file"));
    return R::success(request);
}

QStringList pagesInFolder(const QString &folder)
{
    QStringList pages;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (isPageFileName(path))
            pages << path;
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

int validatePages(const ValidateRequest &request, ToolOutput &out, ToolOutput &err)
{
    int status = 0;
    const auto record = [&status](int result) { status = std::max(status, result); };
    for (const QString &input : request.inputs) {
        if (out.failed()) // the rest could not be written either
            break;
        if (input == QLatin1String("-") || !QFileInfo(input).isDir()) {
            record(validateOne(input, request, out, err));
            continue;
        }
        for (const QString &page : pagesInFolder(input)) {
            if (out.failed())
                break;
            record(validateOne(page, request, out, err));
        }
    }
    return status;
}

} // namespace tagloom
