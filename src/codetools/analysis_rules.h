#pragma once
// The element and attribute tables of the document analysis. A table names
// the elements it has rules for, the attributes each may carry, the
// attributes every element may carry, the obsolete elements and the obsolete
// attributes of each element. Names are upper-case and compared exactly with
// the analysis's upper-cased names; a tag without a rule is never checked.
//
// Two tables exist: the fixed HTML 4 one built in (84 elements, ten
// superseded ones) and the HTML 5 one read from a data file
// (html5_rules.h). Lookups cost one hash of the name, whatever the size.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <memory>
#include <vector>

namespace tagloom {

class RuleTable {
public:
    RuleTable();
    ~RuleTable();
    RuleTable(RuleTable &&) noexcept;
    RuleTable &operator=(RuleTable &&) noexcept;

    enum class Verdict { Permitted, Unknown, Obsolete };

    // The index of `element`'s rule, or -1 when it has none.
    int element(QStringView name) const;
    int element(QByteArrayView name) const;
    // What the rule at `element` (an index from element()) says of `attribute`.
    Verdict attribute(int element, QStringView name) const;
    Verdict attribute(int element, QByteArrayView name) const;
    bool isSuperseded(QStringView element) const;
    bool isSuperseded(QByteArrayView element) const;
    // The root of another vocabulary (SVG, MathML): neither it nor anything
    // inside it is checked.
    bool isForeign(QStringView element) const;
    bool isForeign(QByteArrayView element) const;
    bool hasForeign() const { return m_hasForeign; }
    // Whether "<br/>" and "<input disabled />" close a tag rather than name
    // an attribute "/".
    bool selfClosingSlash() const { return m_selfClosingSlash; }

    // Building (names in upper case). finish() must follow the last change.
    int addElement(const QByteArray &name);
    void permit(int element, const QByteArray &attribute);
    void markObsolete(int element, const QByteArray &attribute);
    void permitAnyAttribute(int element);
    void addGlobal(const QByteArray &attribute);
    void addGlobalPrefix(const QByteArray &prefix);
    void addSuperseded(const QByteArray &element);
    void addForeign(const QByteArray &element);
    void setSelfClosingSlash(bool on) { m_selfClosingSlash = on; }
    void finish();

    size_t elementCount() const;

private:
    struct Names;
    template <typename Name>
    Verdict verdict(int element, Name name) const;
    template <typename Name>
    bool hasGlobalPrefix(Name name) const;

    std::unique_ptr<Names> m_names;
    std::vector<QByteArray> m_prefixes;
    bool m_hasForeign = false;
    bool m_selfClosingSlash = false;
};

// The table the analysis was built with.
const RuleTable &html4Rules();

} // namespace tagloom
