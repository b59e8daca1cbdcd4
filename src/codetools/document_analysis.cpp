#include "codetools/document_analysis.h"

#include "codetools/analysis_rules.h"
#include "codetools/html_parser.h"
#include "app/text_codec.h"

namespace tagloom {

QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed)
{
    QVector<AnalysisRow> rows;
    for (const THTMLNode &node : parsed.Nodes) {
        const auto *tag = std::get_if<THTMLTag>(&node);
        if (!tag)
            continue;
        if (hasElementRule(tag->Name)) {
            for (const THTMLParam &param : tag->Params) {
                if (attributePermitted(tag->Name, param.Name))
                    continue;
                rows.append({param.Name.toString(),
                             QStringLiteral("UNKNOWN PROPERTY: %1 IN <%2>").arg(param.Name, tag->Name),
                             QStringLiteral("Error")});
            }
        }
        if (isSupersededElement(tag->Name))
            rows.append({tag->Name.toString(), QStringLiteral("SUPERCEEDED/DISCONTINUED: <%1>").arg(tag->Name),
                         QStringLiteral("Deprecated")});
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
