#include "codetools/document_analysis.h"

#include "codetools/analysis_rules.h"
#include "codetools/html_parser.h"

namespace tagloom {

namespace {

QString joined(std::initializer_list<QStringView> pieces)
{
    qsizetype size = 0;
    for (const QStringView piece : pieces)
        size += piece.size();
    QString out;
    out.reserve(size);
    for (const QStringView piece : pieces)
        out.append(piece);
    return out;
}

// The findings of one node, appended to `rows`.
class TagChecker {
public:
    explicit TagChecker(QVector<AnalysisRow> &rows) : m_rows(rows) {}
    void check(const THTMLNode &node)
    {
        const auto *tag = std::get_if<THTMLTag>(&node);
        if (!tag)
            return;
        if (const ElementRule *rule = findElementRule(tag->Name)) {
            for (const THTMLParam &param : tag->Params) {
                if (!attributePermitted(*rule, param.Name))
                    m_rows.append({param.Name.toString(),
                                   joined({u"UNKNOWN PROPERTY: ", param.Name, u" IN <", tag->Name, u">"}), m_error});
            }
        }
        if (isSupersededElement(tag->Name))
            m_rows.append({tag->Name.toString(), joined({u"SUPERCEEDED/DISCONTINUED: <", tag->Name, u">"}),
                           m_deprecated});
    }
    // The single all-clear row when nothing was found.
    void finish()
    {
        if (m_rows.isEmpty())
            m_rows.append({QString(), QStringLiteral("No errors found in this document."), QString()});
    }

private:
    QVector<AnalysisRow> &m_rows;
    const QString m_error = QStringLiteral("Error");
    const QString m_deprecated = QStringLiteral("Deprecated");
};

} // namespace

QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed)
{
    QVector<AnalysisRow> rows;
    TagChecker checker(rows);
    for (const THTMLNode &node : parsed.Nodes)
        checker.check(node);
    checker.finish();
    return rows;
}

QVector<AnalysisRow> analyseFile(const QByteArray &fileBytes)
{
    // The nodes are checked as they come and never kept.
    QVector<AnalysisRow> rows;
    TagChecker checker(rows);
    THTMLParser parser;
    parser.ScanBytes(fileBytes, [&checker](const THTMLNode &node) { checker.check(node); });
    checker.finish();
    return rows;
}

} // namespace tagloom
