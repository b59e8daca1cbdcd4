#include "codetools/analysis_rules.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <bitset>
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

// Names looked up by hashing: a tag costs one lookup for its name and one
// per parameter, whatever the size of the tables.
class NameTable {
public:
    // Adds `name` (once) and returns its index.
    int add(const QByteArray &name)
    {
        const int found = find(QByteArrayView(name));
        if (found >= 0)
            return found;
        m_names.push_back(name);
        m_longest = std::max(m_longest, name.size());
        rehash();
        return int(m_names.size()) - 1;
    }
    int find(QStringView name) const { return find(name.utf16(), name.size()); }
    int find(QByteArrayView name) const
    {
        return find(reinterpret_cast<const unsigned char *>(name.data()), name.size());
    }
    size_t size() const { return m_names.size(); }

private:
    // Names are ASCII, so a name in UTF-16 and the same name in bytes hash
    // and compare alike, unit by unit.
    template <typename Unit>
    int find(const Unit *name, qsizetype size) const
    {
        if (size > m_longest || m_slots.empty())
            return -1;
        for (size_t slot = hash(name, size) & m_mask;; slot = (slot + 1) & m_mask) {
            const int index = m_slots[slot];
            if (index < 0 || equal(m_names[size_t(index)], name, size))
                return index;
        }
    }
    template <typename Unit>
    static bool equal(const QByteArray &known, const Unit *name, qsizetype size)
    {
        if (known.size() != size)
            return false;
        for (qsizetype i = 0; i < size; ++i)
            if (Unit(static_cast<unsigned char>(known[i])) != name[i])
                return false;
        return true;
    }
    template <typename Unit>
    static size_t hash(const Unit *name, qsizetype size)
    {
        size_t h = 1469598103934665603ull;
        for (qsizetype i = 0; i < size; ++i)
            h = (h ^ size_t(name[i])) * 1099511628211ull;
        return h ^ (h >> 29);
    }
    static size_t hash(const QByteArray &name)
    {
        return hash(reinterpret_cast<const unsigned char *>(name.constData()), name.size());
    }
    void rehash()
    {
        size_t capacity = 16;
        while (capacity < 4 * m_names.size())
            capacity *= 2;
        m_mask = capacity - 1;
        m_slots.assign(capacity, -1);
        for (size_t i = 0; i < m_names.size(); ++i) {
            size_t slot = hash(m_names[i]) & m_mask;
            while (m_slots[slot] >= 0)
                slot = (slot + 1) & m_mask;
            m_slots[slot] = int(i);
        }
    }

    std::vector<QByteArray> m_names;
    std::vector<int> m_slots; // indexes into m_names, -1 for a free slot
    size_t m_mask = 0;
    qsizetype m_longest = 0;
};

constexpr size_t kMaxAttributes = 128;

} // namespace

struct ElementRule {
    std::bitset<kMaxAttributes> attributes; // by index in the attribute table
};

namespace {

struct RuleTable {
    NameTable elements;             // elements with a rule
    std::vector<ElementRule> rules; // by index in `elements`
    NameTable attributes;           // every attribute some rule names
    NameTable superseded;

    RuleTable()
    {
        auto addAttributes = [this](std::bitset<kMaxAttributes> &set, auto begin, auto end) {
            for (auto it = begin; it != end; ++it)
                set.set(size_t(attributes.add(QByteArray(*it))));
        };
        for (const RuleRow &row : kRules) {
            std::bitset<kMaxAttributes> permitted;
            for (const QByteArray &a : QByteArray(row.attributes).split(' '))
                if (!a.isEmpty()) // a row without attributes of its own
                    permitted.set(size_t(attributes.add(a)));
            if (row.groups & Common)
                addAttributes(permitted, std::begin(kCommon), std::end(kCommon));
            if (row.groups & Form)
                addAttributes(permitted, std::begin(kForm), std::end(kForm));
            for (const QByteArray &e : QByteArray(row.elements).split(' ')) {
                elements.add(e);
                rules.push_back({permitted});
            }
        }
        Q_ASSERT(attributes.size() <= kMaxAttributes && rules.size() == elements.size());
        for (const char *name : kSuperseded)
            superseded.add(QByteArray(name));
    }
};

const RuleTable &table()
{
    static const RuleTable t;
    return t;
}

} // namespace

template <typename Name>
const ElementRule *findRule(Name element)
{
    const int index = table().elements.find(element);
    return index < 0 ? nullptr : &table().rules[size_t(index)];
}

const ElementRule *findElementRule(QStringView element)
{
    return findRule(element);
}

const ElementRule *findElementRule(QByteArrayView element)
{
    return findRule(element);
}

bool attributePermitted(const ElementRule &rule, QStringView attribute)
{
    const int index = table().attributes.find(attribute);
    return index >= 0 && rule.attributes.test(size_t(index));
}

bool attributePermitted(const ElementRule &rule, QByteArrayView attribute)
{
    const int index = table().attributes.find(attribute);
    return index >= 0 && rule.attributes.test(size_t(index));
}

bool isSupersededElement(QStringView element)
{
    return table().superseded.find(element) >= 0;
}

bool isSupersededElement(QByteArrayView element)
{
    return table().superseded.find(element) >= 0;
}

} // namespace tagloom
