#pragma once
// The server-variable inserter's vocabulary: per language, the list file of
// variable names and the text that prints one variable.

#include "base/result.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tagloom {

enum class ServerVariableKind { Asp, Cfm, Ssi, Php };

// "ASP", "CFM", "SSI" or "PHP", as the palette pages name the kinds.
QString serverVariableKindName(ServerVariableKind kind);
std::optional<ServerVariableKind> serverVariableKindFromName(const QString &name);

// The kind's list file relative to the data folder ("/Extensions/aspvars.tlx").
QString serverVariableListPath(ServerVariableKind kind);

// The variable names of `kind`, in file order, read from below `dataFolder`.
Result<QStringList> readServerVariables(const QString &dataFolder, ServerVariableKind kind);

// The line that prints `name` in the kind's syntax; `name` goes in verbatim,
// empty or not.
QString serverVariableText(ServerVariableKind kind, const QString &name);

} // namespace tagloom
