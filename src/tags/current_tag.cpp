#include "tags/current_tag.h"

#include "codetools/html_parser.h"

#include <variant>

namespace tagloom {

namespace {

struct FieldFor {
    const char *attribute;
    const char *field;
};

struct TagRow {
    const char *tag;
    TagDialogKind dialog;
    std::initializer_list<FieldFor> fields;
};

// Tag and attribute names as the tokenizer gives them: upper case.
const TagRow kDispatch[] = {
    {"IMG",
     TagDialogKind::Image,
     {{"SRC", "EditSrc"},
      {"HEIGHT", "EditHeight"},
      {"WIDTH", "EditWidth"},
      {"ALT", "EditAltText"},
      {"LOWRES", "EditLowRes"},
      {"BORDER", "EditBorder"},
      {"NAME", "EditName"},
      {"STYLE", "EditStyle"}}},
    {"A",
     TagDialogKind::Link,
     {{"HREF", "EditLink"}, {"TARGET", "EditTarget"}, {"STYLE", "EditStyle"}, {"NAME", "EditName"}, {"CLASS", "EditClass"}}},
    {"LINK", TagDialogKind::StyleSheetReference, {{"HREF", "Edit1"}}},
    {"BODY",
     TagDialogKind::PageWizard,
     {{"BGCOLOR", "EditBG"},
      {"LINK", "EditLink"},
      {"VLINK", "EditVLink"},
      {"ALINK", "EditALink"},
      {"BACKGROUND", "EditBGI"},
      {"TOPMARGIN", "EditTop"},
      {"LEFTMARGIN", "EditLeft"},
      {"MARGINHEIGHT", "EditHeight"},
      {"MARGINWIDTH", "EditWidth"},
      {"BGPROPERTIES", WatermarkField}}},
    {"APPLET",
     TagDialogKind::Applet,
     {{"CODE", "EditApplet"},
      {"CODEBASE", "EditCodeBase"},
      {"ALT", "EditAlternativeText"},
      {"NAME", "EditName"},
      {"HEIGHT", "EditHeight"},
      {"WIDTH", "EditWidth"},
      {"HSPACE", "EditHSpace"},
      {"VSPACE", "EditVSpace"},
      {"ALIGN", "EditAlign"}}},
};

const TagRow *rowFor(QStringView tag)
{
    for (const TagRow &row : kDispatch)
        if (tag == QLatin1String(row.tag))
            return &row;
    return nullptr;
}

QString fieldFor(const TagRow &row, QStringView attribute)
{
    for (const FieldFor &f : row.fields)
        if (attribute == QLatin1String(f.attribute))
            return QLatin1String(f.field);
    return QString();
}

} // namespace

QString selectTagMessage()
{
    return QStringLiteral("Please select a tag.  For example \n<a href=\"..\" style=\"..\">\nbut not the closing tag.");
}

QList<CurrentTagStep> currentTagSteps(const QString &selectedText)
{
    // A tag selected over several lines: the tokenizer joins lines without
    // a separator, which would glue an attribute to the one on the next line
    // (src="a.gif"alt="x") and OK would write that back. A line break inside
    // the selection separates like the space it stands for.
    QString text = selectedText;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    THTMLParser parser;
    parser.ParseText(text);
    QList<CurrentTagStep> steps;
    for (const THTMLNode &node : parser.Nodes) {
        const auto *tag = std::get_if<THTMLTag>(&node);
        const TagRow *row = tag ? rowFor(tag->Name) : nullptr;
        if (!row)
            continue;
        for (const THTMLParam &param : tag->Params)
            steps.append({row->dialog, fieldFor(*row, param.Name), param.Value.toString(),
                          row->dialog == TagDialogKind::PageWizard});
    }
    return steps;
}

} // namespace tagloom
