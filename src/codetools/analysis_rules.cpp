#include "codetools/analysis_rules.h"

#include <QList>
#include <algorithm>
#include <cstdint>

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

char16_t unitAt(QStringView name, qsizetype i)
{
    return name[i].unicode();
}
char16_t unitAt(QByteArrayView name, qsizetype i)
{
    return static_cast<unsigned char>(name[i]);
}

} // namespace

struct RuleTable::Names {
    NameTable elements;   // elements with a rule
    NameTable attributes; // every attribute some rule names
    NameTable superseded;
    NameTable foreign;
    std::vector<std::vector<int>> permittedLists; // by element, while building
    std::vector<std::vector<int>> obsoleteLists;
    std::vector<int> globals;
    std::vector<char> anyAttribute; // by element
    // One row of bits per element, indexed by attribute, once finished.
    size_t words = 0;
    std::vector<std::uint64_t> permitted;
    std::vector<std::uint64_t> obsolete;

    static void set(std::vector<std::uint64_t> &bits, size_t row, size_t words, int attribute)
    {
        bits[row * words + size_t(attribute) / 64] |= std::uint64_t(1) << (size_t(attribute) % 64);
    }
};

RuleTable::RuleTable() : m_names(std::make_unique<Names>()) {}
RuleTable::~RuleTable() = default;
RuleTable::RuleTable(RuleTable &&) noexcept = default;
RuleTable &RuleTable::operator=(RuleTable &&) noexcept = default;

int RuleTable::addElement(const QByteArray &name)
{
    const int index = m_names->elements.add(name);
    if (size_t(index) == m_names->permittedLists.size()) {
        m_names->permittedLists.emplace_back();
        m_names->obsoleteLists.emplace_back();
        m_names->anyAttribute.push_back(0);
    }
    return index;
}

void RuleTable::permit(int element, const QByteArray &attribute)
{
    m_names->permittedLists[size_t(element)].push_back(m_names->attributes.add(attribute));
}

void RuleTable::markObsolete(int element, const QByteArray &attribute)
{
    m_names->obsoleteLists[size_t(element)].push_back(m_names->attributes.add(attribute));
}

void RuleTable::permitAnyAttribute(int element)
{
    m_names->anyAttribute[size_t(element)] = 1;
}

void RuleTable::addGlobal(const QByteArray &attribute)
{
    m_names->globals.push_back(m_names->attributes.add(attribute));
}

void RuleTable::addGlobalPrefix(const QByteArray &prefix)
{
    if (!prefix.isEmpty() && std::find(m_prefixes.begin(), m_prefixes.end(), prefix) == m_prefixes.end())
        m_prefixes.push_back(prefix);
}

void RuleTable::addSuperseded(const QByteArray &element)
{
    m_names->superseded.add(element);
}

void RuleTable::addForeign(const QByteArray &element)
{
    m_names->foreign.add(element);
    m_hasForeign = true;
}

void RuleTable::finish()
{
    Names &n = *m_names;
    const size_t rows = n.elements.size();
    n.words = (n.attributes.size() + 63) / 64;
    n.permitted.assign(rows * n.words, 0);
    n.obsolete.assign(rows * n.words, 0);
    for (size_t row = 0; row < rows; ++row) {
        for (int a : n.permittedLists[row])
            Names::set(n.permitted, row, n.words, a);
        for (int a : n.globals)
            Names::set(n.permitted, row, n.words, a);
        for (int a : n.obsoleteLists[row])
            Names::set(n.obsolete, row, n.words, a);
    }
}

size_t RuleTable::elementCount() const
{
    return m_names->elements.size();
}

int RuleTable::element(QStringView name) const
{
    return m_names->elements.find(name);
}

int RuleTable::element(QByteArrayView name) const
{
    return m_names->elements.find(name);
}

template <typename Name>
bool RuleTable::hasGlobalPrefix(Name name) const
{
    for (const QByteArray &prefix : m_prefixes) {
        if (name.size() <= prefix.size())
            continue;
        qsizetype i = 0;
        while (i < prefix.size() && unitAt(name, i) == char16_t(static_cast<unsigned char>(prefix[i])))
            ++i;
        if (i == prefix.size())
            return true;
    }
    return false;
}

// Permitted (its own or a global attribute) before obsolete, so that a
// table may keep an attribute for one element that it retires on another;
// then any attribute where the element takes any, then the global prefixes.
template <typename Name>
RuleTable::Verdict RuleTable::verdict(int element, Name name) const
{
    const Names &n = *m_names;
    const size_t row = size_t(element);
    const int index = n.attributes.find(name);
    if (index >= 0) {
        const size_t word = row * n.words + size_t(index) / 64;
        const std::uint64_t bit = std::uint64_t(1) << (size_t(index) % 64);
        if (n.permitted[word] & bit)
            return Verdict::Permitted;
        if (n.obsolete[word] & bit)
            return Verdict::Obsolete;
    }
    if (n.anyAttribute[row] || (!m_prefixes.empty() && hasGlobalPrefix(name)))
        return Verdict::Permitted;
    return Verdict::Unknown;
}

RuleTable::Verdict RuleTable::attribute(int element, QStringView name) const
{
    return verdict(element, name);
}

RuleTable::Verdict RuleTable::attribute(int element, QByteArrayView name) const
{
    return verdict(element, name);
}

bool RuleTable::isSuperseded(QStringView element) const
{
    return m_names->superseded.find(element) >= 0;
}

bool RuleTable::isSuperseded(QByteArrayView element) const
{
    return m_names->superseded.find(element) >= 0;
}

bool RuleTable::isForeign(QStringView element) const
{
    return m_names->foreign.find(element) >= 0;
}

bool RuleTable::isForeign(QByteArrayView element) const
{
    return m_names->foreign.find(element) >= 0;
}

const RuleTable &html4Rules()
{
    static const RuleTable table = [] {
        RuleTable t;
        auto permitAll = [&t](int element, auto begin, auto end) {
            for (auto it = begin; it != end; ++it)
                t.permit(element, QByteArray(*it));
        };
        for (const RuleRow &row : kRules) {
            for (const QByteArray &e : QByteArray(row.elements).split(' ')) {
                const int element = t.addElement(e);
                for (const QByteArray &a : QByteArray(row.attributes).split(' '))
                    if (!a.isEmpty()) // a row without attributes of its own
                        t.permit(element, a);
                if (row.groups & Common)
                    permitAll(element, std::begin(kCommon), std::end(kCommon));
                if (row.groups & Form)
                    permitAll(element, std::begin(kForm), std::end(kForm));
            }
        }
        for (const char *name : kSuperseded)
            t.addSuperseded(QByteArray(name));
        t.finish();
        return t;
    }();
    return table;
}

} // namespace tagloom
