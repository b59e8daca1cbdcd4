#pragma once
// The document analysis: every tag of a page checked against the element
// rules, one row per finding, in document order.

#include <QString>
#include <QVector>

namespace tagloom {

class THTMLParser;

struct AnalysisRow {
    QString invalid; // the attribute's or the tag's name
    QString message;
    QString type;    // "Error", "Deprecated", or empty for the all-clear row
    friend bool operator==(const AnalysisRow &a, const AnalysisRow &b)
    {
        return a.invalid == b.invalid && a.message == b.message && a.type == b.type;
    }
};

// The findings of a parsed page; a single "No errors found in this
// document." row when there are none.
QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed);

// Parses `fileBytes` (the analysis working file) and analyses it.
QVector<AnalysisRow> analyseFile(const QByteArray &fileBytes);

} // namespace tagloom
