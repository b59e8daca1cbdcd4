#include "vocabulary/server_variables.h"

#include "base/data_folder.h"
#include "base/list_file.h"

namespace tagloom {

namespace {

constexpr ServerVariableKind AllKinds[] = {ServerVariableKind::Asp, ServerVariableKind::Cfm,
                                           ServerVariableKind::Ssi, ServerVariableKind::Php};

} // namespace

QString serverVariableKindName(ServerVariableKind kind)
{
    switch (kind) {
    case ServerVariableKind::Asp:
        return QStringLiteral("ASP");
    case ServerVariableKind::Cfm:
        return QStringLiteral("CFM");
    case ServerVariableKind::Ssi:
        return QStringLiteral("SSI");
    case ServerVariableKind::Php:
        return QStringLiteral("PHP");
    }
    return QString();
}

std::optional<ServerVariableKind> serverVariableKindFromName(const QString &name)
{
    for (ServerVariableKind kind : AllKinds)
        if (serverVariableKindName(kind) == name)
            return kind;
    return std::nullopt;
}

QString serverVariableListPath(ServerVariableKind kind)
{
    switch (kind) {
    case ServerVariableKind::Asp:
        return QLatin1String(DataPath::AspVars);
    case ServerVariableKind::Cfm:
        return QLatin1String(DataPath::CfmVars);
    case ServerVariableKind::Ssi:
        return QLatin1String(DataPath::SsiVars);
    case ServerVariableKind::Php:
        return QLatin1String(DataPath::PhpVars);
    }
    return QString();
}

Result<QStringList> readServerVariables(const QString &dataFolder, ServerVariableKind kind)
{
    return readListFile(dataFolder + serverVariableListPath(kind));
}

QString serverVariableText(ServerVariableKind kind, const QString &name)
{
    switch (kind) {
    case ServerVariableKind::Asp:
        return QStringLiteral("<%= Request.ServerVariables(\"") + name + QStringLiteral("\") %>");
    case ServerVariableKind::Cfm:
        return QStringLiteral("#CGI.") + name + QLatin1Char('#');
    case ServerVariableKind::Ssi:
        return QStringLiteral("<!--#ECHO VAR=\"") + name + QStringLiteral("\" -->");
    case ServerVariableKind::Php:
        return QStringLiteral("<?php echo $") + name + QStringLiteral("; ?>");
    }
    return QString();
}

} // namespace tagloom
