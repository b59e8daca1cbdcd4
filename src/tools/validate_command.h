#pragma once
// tagloom-tools validate: the document analysis over pages named on the
// command line, folders searched for pages, standard input as "-".

#include "base/result.h"
#include "codetools/analysis_options.h"
#include "tools/finding_format.h"

#include <QStringList>

namespace tagloom {

class ToolOutput;

struct ValidateRequest {
    QStringList inputs; // files, folders and "-", as given
    AnalysisOptions options;
    FindingFormat format = FindingFormat::Plain;
};

// validate's arguments: options (--rules html4|html5, --skip-server-code,
// --format tsv|json) anywhere, "--" ending them, then at least one input.
Result<ValidateRequest> parseValidateArguments(const QStringList &arguments);

// The pages a folder holds, in its sub-folders too, sorted by path. Hidden
// files and folders are passed over, and links to folders are not
// followed, so a loop of links cannot trap the search.
QStringList pagesInFolder(const QString &folder);

// Exit status 0 when nothing was found, 1 when a finding is an Error,
// 2 when an input could not be read (that wins over 1).
int validatePages(const ValidateRequest &request, ToolOutput &out, ToolOutput &err);

} // namespace tagloom
