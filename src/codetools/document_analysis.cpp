#include "codetools/document_analysis.h"

#include "codetools/analysis_rules.h"
#include "codetools/html_parser.h"

namespace tagloom {

namespace {

using FindingVisitor = std::function<void(const AnalysisFinding &)>;

// The findings of one node, handed to the visitor; the message is built in
// one reused string.
class TagChecker {
public:
    explicit TagChecker(const FindingVisitor &visit) : m_visit(visit) {}
    void check(const THTMLNode &node)
    {
        const auto *tag = std::get_if<THTMLTag>(&node);
        if (!tag)
            return;
        if (const ElementRule *rule = findElementRule(tag->Name)) {
            // The parameters are walked from the raw text, so that a scan
            // need not list them (they are the same either way).
            TagParamTokens tokens(tag->RawText);
            THTMLParam param;
            while (tokens.next(param)) {
                const QStringView name = upperCased(param.Name);
                if (!attributePermitted(*rule, name))
                    report(name, {u"UNKNOWN PROPERTY: ", name, u" IN <", tag->Name, u">"}, u"Error");
            }
        }
        if (isSupersededElement(tag->Name))
            report(tag->Name, {u"SUPERCEEDED/DISCONTINUED: <", tag->Name, u">"}, u"Deprecated");
    }
    qint64 count() const { return m_count; }

private:
    QStringView upperCased(QStringView name)
    {
        m_upper.resize(name.size());
        char16_t *d = reinterpret_cast<char16_t *>(m_upper.data());
        const char16_t *p = name.utf16();
        for (qsizetype i = 0; i < name.size(); ++i)
            d[i] = p[i] >= u'a' && p[i] <= u'z' ? char16_t(p[i] - 32) : p[i];
        return m_upper;
    }

    void report(QStringView invalid, std::initializer_list<QStringView> message, QStringView type)
    {
        m_message.clear();
        for (const QStringView piece : message)
            m_message.append(piece);
        ++m_count;
        m_visit({invalid, m_message, type});
    }

    const FindingVisitor &m_visit;
    QString m_message;
    QString m_upper; // the name being checked, upper-cased
    qint64 m_count = 0;
};

// Gathers the findings as rows, with the all-clear row when there are none.
class RowCollector {
public:
    FindingVisitor visitor()
    {
        return [this](const AnalysisFinding &f) {
            m_rows.append({f.invalid.toString(), f.message.toString(), f.type.toString()});
        };
    }
    QVector<AnalysisRow> take()
    {
        if (m_rows.isEmpty())
            m_rows.append({QString(), QStringLiteral("No errors found in this document."), QString()});
        return std::move(m_rows);
    }

private:
    QVector<AnalysisRow> m_rows;
};

} // namespace

QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed)
{
    RowCollector rows;
    const FindingVisitor visit = rows.visitor();
    TagChecker checker(visit);
    for (const THTMLNode &node : parsed.Nodes)
        checker.check(node);
    return rows.take();
}

qint64 scanFindings(const QByteArray &fileBytes, const FindingVisitor &visit)
{
    // The nodes are checked as they come and never kept.
    TagChecker checker(visit);
    THTMLParser parser;
    parser.ScanBytes(fileBytes, [&checker](const THTMLNode &node) { checker.check(node); },
                     THTMLParser::ScanNodes::TagsOnly);
    return checker.count();
}

QVector<AnalysisRow> analyseFile(const QByteArray &fileBytes)
{
    RowCollector rows;
    scanFindings(fileBytes, rows.visitor());
    return rows.take();
}

} // namespace tagloom
