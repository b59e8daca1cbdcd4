#include "wireless/wml_markup.h"

namespace tagloom {

namespace {

// ` name="value"` when the value is not empty.
QString optionalAttribute(const char *name, const QString &value)
{
    if (value.isEmpty())
        return {};
    return QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), value);
}

} // namespace

Insertion wmlCardMarkup(const WmlCardFields &fields)
{
    return linesInsertion({QStringLiteral("<card id=\"") + fields.Name + QStringLiteral("\" title=\"") + fields.Title
                               + QStringLiteral("\">"),
                           QStringLiteral("</card>")});
}

Insertion wmlGoMarkup(const WmlGoFields &fields)
{
    QString line = QStringLiteral("<go href=\"") + fields.Address + QStringLiteral("\" sendreferer=\"")
                   + (fields.SendReferer ? QStringLiteral("True") : QStringLiteral("False")) + QLatin1Char('"');
    line += optionalAttribute("method", fields.Method);
    line += optionalAttribute("enctype", fields.EncodingType);
    line += optionalAttribute("id", fields.Name);
    line += optionalAttribute("class", fields.Class);
    line += QStringLiteral("> </go>");
    return lineInsertion(line);
}

Insertion wmlAccessMarkup(const WmlAccessFields &fields)
{
    return lineInsertion(QStringLiteral("<access domain=\"") + fields.Domain + QStringLiteral("\" path=\"/")
                         + fields.Path + QStringLiteral("\"/>"));
}

} // namespace tagloom
