#include "tools/links_command.h"

#include "site/link_check.h"
#include "tools/finding_format.h"
#include "tools/tool_output.h"

#include <QDir>

namespace tagloom {

namespace {

constexpr int kUsageError = 2;

int refuse(ToolOutput &err, const QString &problem)
{
    err << "tagloom-tools: " << problem << "\nUsage: tagloom-tools links [--format tsv|json] DIR\n";
    return kUsageError;
}

} // namespace

int runLinksCommand(const QStringList &arguments, ToolOutput &out, ToolOutput &err)
{
    FindingFormat format = FindingFormat::Plain;
    QStringList folders;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        QString formatName;
        if (argument == QLatin1String("--format")) {
            if (++i == arguments.size())
                return refuse(err, QStringLiteral("--format needs tsv or json"));
            formatName = arguments.at(i);
        } else if (argument.startsWith(QLatin1String("--format="))) {
            formatName = argument.mid(9);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return refuse(err, QStringLiteral("unknown option %1").arg(argument));
        } else {
            folders.append(argument);
            continue;
        }
        if (!parseFindingFormat(formatName, format))
            return refuse(err, QStringLiteral("unknown format %1 (tsv or json)").arg(formatName));
    }
    if (folders.size() != 1)
        return refuse(err, QStringLiteral("links needs one folder"));

    const QString folder = folders.first();
    const Result<LinkCheckReport> report = checkSiteLinks(folder);
    if (!report) {
        err << "tagloom-tools: " << report.error << "\n";
        return kUsageError;
    }
    // Files are named as the folder was given, so that a relative folder
    // gives paths relative to where the command ran.
    const QDir base(folder);
    bool unread = false;
    for (const LinkFinding &f : report->findings) {
        if (out.failed())
            break;
        unread = unread || f.kind == LinkFindingKind::Unread;
        const QByteArray reference = f.reference.toUtf8();
        const QByteArray message = f.message.toUtf8();
        writeFinding(out, format,
                     {base.filePath(f.file), f.line, f.column, reference, message,
                      QByteArrayView(linkFindingKindName(f.kind)), true});
    }
    if (unread)
        return kUsageError;
    return report->hasProblems() ? 1 : 0;
}

} // namespace tagloom
