#include "codetools/document_analysis.h"

#include "codetools/analysis_rules.h"
#include "codetools/html_parser.h"
#include "app/text_codec.h"

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

} // namespace

QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed)
{
    const QString error = QStringLiteral("Error");
    const QString deprecated = QStringLiteral("Deprecated");
    QVector<AnalysisRow> rows;
    for (const THTMLNode &node : parsed.Nodes) {
        const auto *tag = std::get_if<THTMLTag>(&node);
        if (!tag)
            continue;
        if (const ElementRule *rule = findElementRule(tag->Name)) {
            for (const THTMLParam &param : tag->Params) {
                if (!attributePermitted(*rule, param.Name))
                    rows.append({param.Name.toString(),
                                 joined({u"UNKNOWN PROPERTY: ", param.Name, u" IN <", tag->Name, u">"}),
                                 error});
            }
        }
        if (isSupersededElement(tag->Name))
            rows.append({tag->Name.toString(),
                         joined({u"SUPERCEEDED/DISCONTINUED: <", tag->Name, u">"}), deprecated});
    }
    if (rows.isEmpty())
        rows.append({QString(), QStringLiteral("No errors found in this document."), QString()});
    return rows;
}

QVector<AnalysisRow> analyseFile(const QByteArray &fileBytes)
{
    THTMLParser parser;
    parser.ParseText(decode8Bit(fileBytes));
    return analyseDocument(parser);
}

} // namespace tagloom
