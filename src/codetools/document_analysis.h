#pragma once
// The document analysis: every tag of a page checked against the element
// rules, one row per finding, in document order.

#include <QString>
#include <QStringView>
#include <QVector>
#include <functional>

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

// One finding as the analysis meets it; the views are valid only while it
// is being handed over.
struct AnalysisFinding {
    QStringView invalid;
    QStringView message;
    QStringView type;
};

// Parses `fileBytes` (a page's file bytes, read as the tokenizer reads
// them) and hands over each finding as soon as it is found, in document
// order. Nothing is gathered, so a page with a million findings takes no
// more memory than one with none. Returns the number of findings; the
// all-clear row is not among them.
qint64 scanFindings(const QByteArray &fileBytes, const std::function<void(const AnalysisFinding &)> &visit);

// The findings of a parsed page; a single "No errors found in this
// document." row when there are none.
QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed);

// Parses `fileBytes` (the analysis working file) and analyses it.
QVector<AnalysisRow> analyseFile(const QByteArray &fileBytes);

} // namespace tagloom
