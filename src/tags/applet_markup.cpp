#include "tags/applet_markup.h"

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
    for (const auto &row : optional) {
        const QString &value = fields.*row.field;
        if (!value.isEmpty())
            tag += QLatin1Char(' ') + QLatin1String(row.attribute) + QStringLiteral("=\"") + value + QLatin1Char('"');
    }
    return tag + QLatin1Char('>');
}

Result<Insertion> buildAppletMarkup(const AppletFields &fields)
{
    if (fields.EditApplet.isEmpty())
        return Result<Insertion>::failure(QString::fromLatin1(NoAppletMessage));
    return Result<Insertion>::success(lineInsertion(appletTag(fields)));
}

} // namespace tagloom
