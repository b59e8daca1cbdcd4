#include "tags/page_markup.h"

#include "tags/tag_text.h"

namespace tagloom {

QString bodyTag(const PageFields &fields)
{
    static const struct {
        const char *attribute;
        QString PageFields::*field;
    } attributes[] = {
        {"BGCOLOR", &PageFields::EditBG},         {"LINK", &PageFields::EditLink},
        {"VLINK", &PageFields::EditVLink},        {"ALINK", &PageFields::EditALink},
        {"BACKGROUND", &PageFields::EditBGI},     {"TOPMARGIN", &PageFields::EditTop},
        {"LEFTMARGIN", &PageFields::EditLeft},    {"MARGINHEIGHT", &PageFields::EditHeight},
        {"MARGINWIDTH", &PageFields::EditWidth},
    };
    QString tag = QStringLiteral("<BODY");
    for (const auto &row : attributes)
        appendOptionalAttribute(tag, row.attribute, fields.*row.field);
    if (fields.watermark)
        tag += QStringLiteral(" BGPROPERTIES=\"FIXED\"");
    return tag + QLatin1Char('>');
}

QStringList newPageLines(const PageFields &fields)
{
    return {QStringLiteral("<HTML>"),
            QStringLiteral("<HEAD>"),
            QString(),
            QStringLiteral("<TITLE>") + fields.EditTitle + QStringLiteral("</TITLE>"),
            QString(),
            QStringLiteral("</HEAD>"),
            QString(),
            bodyTag(fields),
            QString(),
            QStringLiteral("</BODY>"),
            QStringLiteral("</HTML>")};
}

MarkupOutcome pageMarkup(const PageFields &fields, bool editMode)
{
    if (editMode)
        return MarkupOutcome::inserting(replaceInsertion(bodyTag(fields)));
    return MarkupOutcome::inserting(endInsertion(newPageLines(fields)));
}

QString styleSheetLinkTag(const QString &fileName)
{
    return QStringLiteral("<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"") + fileName +
           QStringLiteral("\" TYPE=\"text/css\">");
}

MarkupOutcome styleSheetLinkMarkup(const QString &fileName)
{
    return MarkupOutcome::inserting(aboveInsertion(styleSheetLinkTag(fileName)));
}

} // namespace tagloom
