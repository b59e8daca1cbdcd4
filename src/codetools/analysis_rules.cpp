#include "codetools/analysis_rules.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace tagloom {

namespace {

const char *const kCommon[] = {"ID",          "CLASS",       "STYLE",      "TITLE",      "LANG",
                               "ONCLICK",     "ONDBLCLICK",  "ONMOUSEDOWN", "ONMOUSEOVER", "ONMOUSEMOVE",
                               "ONMOUSEOUT",  "ONKEYPRESS",  "ONKEYDOWN",  "ONKEYUP"};
const char *const kForm[] = {"ACTION", "ONRESET", "ONSUBMIT", "TARGET", "ACCEPT-CHARSET", "METHOD", "ENCTYPE"};

enum Groups { None = 0, Common = 1, Form = 2 };

struct RuleRow {
    const char *elements; // one or more element names, blank-separated
    const char *attributes; // blank-separated
    int groups;
};

const RuleRow kRules[] = {
    {"BODY", "BGCOLOR STYLE TEXT LINK ALINK VLINK ONUNLOAD ONLOAD CLASS", None},
    {"A", "HREF NAME REV REL TYPE TARGET HREFLANG CHARSET ACCESSKEY TABINDEX SHAPE COORDS ONFOCUS ONBLUR", Common},
    {"SCRIPT", "LANGUAGE TYPE SRC CHARSET DEFER", None},
    {"BASE", "HREF TARGET", None},
    {"ISINDEX", "PROMPT", Common},
    {"LINK", "REV REL TYPE HREF TARGET MEDIA HREFLANG CHARSET", Common},
    {"META", "NAME CONTENT HTTP-EQUIV SCHEME", None},
    {"STYLE", "TYPE MEDIA TITLE", None},
    {"ADDRESS", "", Common},
    {"BLOCKQUOTE", "CITE", Common},
    {"DEL", "CITE DATETIME", Common},
    {"DIV", "ALIGN", Common},
    {"H1 H2 H3 H4 H5 H6", "ALIGN", Common},
    {"HR", "NOSIZE WIDTH HEIGHT ALIGN", Common},
    {"INS", "CITE DATETIME", Common},
    {"NOSCRIPT", "DATETIME", Common},
    {"P", "ALIGN", Common},
    {"PRE", "WIDTH", Common},
    {"DIR", "COMPACT", Common},
    {"DL", "COMPACT", Common},
    {"DT", "", Common},
    {"DD", "", Common},
    {"LI", "TYPE VALUE", Common},
    {"MENU", "COMPACT", Common},
    {"OL", "TYPE COMPACT START", Common},
    {"UL", "TYPE COMPACT", Common},
    {"TABLE", "SUMMARY BGCOLOR ALIGN CELLSPACING CELLPADDING RULES BORDER FRAME WIDTH", Common},
    {"CAPTION", "ALIGN", Common},
    {"COLGROUP COL", "SPAN VALIGN CHAROFF CHAR ALIGN WIDTH", Common},
    {"THEAD TFOOT TBODY", "VALIGN CHAROFF CHAR ALIGN", Common},
    {"TR", "SPAN VALIGN CHAROFF CHAR ALIGN WIDTH", Common},
    {"TD TH", "ROWSPAN VALIGN CHAROFF CHAR ALIGN COLSPAN AXIS HEADERS ABBR HEIGHT WIDTH", Common},
    {"FORM", "", Form | Common},
    {"BUTTON", "ONBLUR ONFOCUS TABINDEX ACCESSKEY DISABLED TYPE VALUE NAME", Form | Common},
    {"FIELDSET", "NAME", Form | Common},
    {"LEGEND", "ACCESSKEY ALIGN NAME", Form | Common},
    {"LABEL", "ACCESSKEY FOR NAME", Form | Common},
    {"OPTGROUP", "LABEL DISABLED NAME", Form | Common},
    {"OPTION", "VALUE SELECTED LABEL DISABLED ONRESET ONSUBMIT TARGET ACCEPT-CHARSET METHOD ENCTYPE", Common},
    {"APPLET", "VSPACE HSPACE ALIGN ALT NAME OBJECT ARCHIVE HEIGHT WIDTH CODEBASE CODE", Common},
    {"BASEFONT", "ID SIZE COLOR FACE", None},
    {"BDI", "DIR", Common},
    {"BR", "CLEAR", Common},
    {"FONT", "FACE COLOR SIZE", Common},
    {"IFRAME", "SRC NAME LONGDESC WIDTH HEIGHT ALIGN FRAMEBORDER MARGINWIDTH MARGINHEIGHT SCROLLING", Common},
    {"IMG", "SRC ALT WIDTH HEIGHT LONGDESC ISMAP USEMAP ALIGN BORDER HSPACE VSPACE", Common},
    {"MAP", "NAME", Common},
    {"AREA", "SHAPE ONBLUR ONFOCUS TABINDEX TAB ALT NOHREF TARGET HREF COORDS", Common},
    {"OBJECT",
     "NAME VSPACE HSPACE BORDER ALIGN DECLARE TABINDEX STANDBY CODETYPE TYPE USEMAP HEIGHT WIDTH CODEBASE "
     "ARCHIVE CLASSID DATA",
     Common},
    {"PARAM", "NAME TYPE VALUETYPE VALUE", Common},
    {"Q", "CITE", Common},
    {"SPAN SUB SUP ABBR ACRONYM CITE CODE DFN EM KBD SAMP STRONG VAR B BIG I S SMALL STRIKE TT U", "", Common},
    {"FRAMESET", "ROWS COLS ONLOAD ONUNLOAD", Common},
    {"FRAME", "NAME SRC LONGDESC FRAMEBORDER MARGINHEIGHT MARGINWIDTH NORESIZE SCROLLING", Common},
    {"NOFRAMES", "", Common},
};

const char *const kSuperseded[] = {"FONT", "CENTER", "BASEFONT", "S", "STRIKE", "U", "APPLET", "DIR", "ISINDEX", "MENU"};

struct ElementRule {
    QString element;
    std::vector<QString> attributes; // sorted
};

struct RuleTable {
    std::vector<ElementRule> rules; // sorted by element
    std::vector<QString> superseded; // sorted

    RuleTable()
    {
        for (const RuleRow &row : kRules) {
            std::vector<QString> attributes;
            for (const QString &a : QString::fromLatin1(row.attributes).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                attributes.push_back(a);
            if (row.groups & Common)
                attributes.insert(attributes.end(), std::begin(kCommon), std::end(kCommon));
            if (row.groups & Form)
                attributes.insert(attributes.end(), std::begin(kForm), std::end(kForm));
            std::sort(attributes.begin(), attributes.end());
            attributes.erase(std::unique(attributes.begin(), attributes.end()), attributes.end());
            for (const QString &e : QString::fromLatin1(row.elements).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                rules.push_back({e, attributes});
        }
        std::sort(rules.begin(), rules.end(), [](const auto &a, const auto &b) { return a.element < b.element; });
        superseded.assign(std::begin(kSuperseded), std::end(kSuperseded));
        std::sort(superseded.begin(), superseded.end());
    }

    const ElementRule *find(QStringView element) const
    {
        auto it = std::lower_bound(rules.begin(), rules.end(), element,
                                   [](const ElementRule &r, QStringView e) { return QStringView(r.element) < e; });
        return it != rules.end() && QStringView(it->element) == element ? &*it : nullptr;
    }
};

const RuleTable &table()
{
    static const RuleTable t;
    return t;
}

bool contains(const std::vector<QString> &sorted, QStringView name)
{
    auto it = std::lower_bound(sorted.begin(), sorted.end(), name,
                               [](const QString &s, QStringView n) { return QStringView(s) < n; });
    return it != sorted.end() && QStringView(*it) == name;
}

} // namespace

bool hasElementRule(QStringView element)
{
    return table().find(element) != nullptr;
}

bool attributePermitted(QStringView element, QStringView attribute)
{
    const ElementRule *rule = table().find(element);
    return rule && contains(rule->attributes, attribute);
}

bool isSupersededElement(QStringView element)
{
    return contains(table().superseded, element);
}

} // namespace tagloom
