#include "tags/script_markup.h"

#include <QRegularExpression>
#include <QStringList>

namespace tagloom {

QString scriptOpeningTag(const ScriptFields &fields)
{
    QString tag = QStringLiteral("<SCRIPT Language=\"") + fields.EditLanguage + QLatin1Char('"');
    if (!fields.EditContentType.isEmpty())
        tag += QStringLiteral(" type=\"") + fields.EditContentType + QLatin1Char('"');
    if (!fields.EditSource.isEmpty())
        tag += QStringLiteral(" src=\"") + fields.EditSource + QLatin1Char('"');
    return tag + QLatin1Char('>');
}

Insertion scriptMarkup(const ScriptFields &fields)
{
    // Each code line is its own piece: the closing tag is placed by line
    // index, so it must count every line the code takes.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines{scriptOpeningTag(fields)};
    lines << fields.ScriptEdit.split(lineBreak);
    lines << QStringLiteral("</SCRIPT>");
    return linesInsertion(lines);
}

std::optional<Colouring> scriptColouringFor(const QString &language)
{
    static const struct {
        const char *language;
        Colouring colouring;
    } table[] = {
        {"JavaScript", Colouring::Javascript},
        {"JavaScript1.1", Colouring::Javascript},
        {"JavaScript1.2", Colouring::Javascript},
        {"VBScript", Colouring::VbScript},
        {"PHP", Colouring::Php},
        {"tcl", Colouring::Tcl},
    };
    for (const auto &row : table)
        if (language == QLatin1String(row.language))
            return row.colouring;
    return std::nullopt;
}

} // namespace tagloom
