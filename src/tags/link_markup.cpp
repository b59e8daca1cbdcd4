#include "tags/link_markup.h"

#include "tags/tag_text.h"

namespace tagloom {

QString linkOpeningTag(const LinkFields &f)
{
    QString tag = QLatin1String("<a href=\"") + f.Link + QLatin1Char('"');
    appendOptionalAttribute(tag, "target", f.Target);
    appendOptionalAttribute(tag, "style", f.Style);
    appendOptionalAttribute(tag, "name", f.Name);
    appendOptionalAttribute(tag, "class", f.Class);
    return tag + QLatin1Char('>');
}

MarkupOutcome linkMarkup(const LinkFields &fields, bool editMode)
{
    if (fields.Link.isEmpty())
        return MarkupOutcome::refusing(QStringLiteral("Please specify a file to link to"));
    const QString open = linkOpeningTag(fields);
    // The closing tag is written in capitals, the opening one in lower case.
    return MarkupOutcome::inserting(editMode ? replaceInsertion(open) : wrapInsertion(open, QStringLiteral("</A>")));
}

} // namespace tagloom
