#include "tags/applet_markup.h"

#include "tags/tag_text.h"

namespace tagloom {

QString appletTag(const AppletFields &fields)
{
    static const struct {
        const char *attribute;
        QString AppletFields::*field;
    } optional[] = {
        {"codebase", &AppletFields::EditCodeBase}, {"alt", &AppletFields::EditAlternativeText},
        {"name", &AppletFields::EditName},         {"width", &AppletFields::EditWidth},
        {"height", &AppletFields::EditHeight},     {"vspace", &AppletFields::EditVSpace},
        {"hspace", &AppletFields::EditHSpace},     {"align", &AppletFields::EditAlign},
    };
    QString tag = QStringLiteral("<applet code=\"") + fields.EditApplet + QLatin1Char('"');
    for (const auto &row : optional)
        appendOptionalAttribute(tag, row.attribute, fields.*row.field);
    return tag + QLatin1Char('>');
}

MarkupOutcome appletMarkup(const AppletFields &fields)
{
    if (fields.EditApplet.isEmpty())
        return MarkupOutcome::refusing(QString::fromLatin1(NoAppletMessage));
    return MarkupOutcome::inserting(lineInsertion(appletTag(fields)));
}

} // namespace tagloom
