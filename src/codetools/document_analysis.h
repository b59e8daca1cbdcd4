#pragma once
// The document analysis: every tag of a page checked against the element
// rules, one row per finding, in document order.

#include "codetools/analysis_options.h"

#include <QByteArrayView>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

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

// One finding as the analysis meets it, in the page's own bytes (UTF-8 for
// a UTF-8 page, one byte per character otherwise); the views are valid only
// while it is being handed over.
// `line` and `column` (from 1, column in characters) are where the
// attribute the finding names starts, or the tag's "<" for a finding about
// the tag itself.
struct AnalysisFinding {
    QByteArrayView invalid;
    QByteArrayView message;
    QByteArrayView type;
    qint64 line = 0;
    qint64 column = 0;
    bool isError() const { return type == "Error"; }
};

// The analysis of a page whose bytes arrive block by block: each finding is
// handed over as soon as it is found, in document order. Nothing is
// gathered but the tag under way, so a page of any size, or with a million
// findings, takes no more memory than its longest tag. With server-side code
// skipped, nothing inside it is judged, nor a tag or attribute name that it
// writes part of.
class PageAnalysis {
public:
    using Visit = std::function<void(const AnalysisFinding &)>;
    explicit PageAnalysis(Visit visit, const AnalysisOptions &options = {});
    ~PageAnalysis();
    PageAnalysis(const PageAnalysis &) = delete;
    PageAnalysis &operator=(const PageAnalysis &) = delete;

    void feed(QByteArrayView bytes);
    void finish();
    // The findings so far; the all-clear row is not among them.
    qint64 count() const;

private:
    class Work;
    std::unique_ptr<Work> m_work;
};

// A whole page's bytes through PageAnalysis; returns the number of findings.
qint64 scanFindings(QByteArrayView fileBytes, const PageAnalysis::Visit &visit, const AnalysisOptions &options = {});

// The findings of a parsed page; a single "No errors found in this
// document." row when there are none.
QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed);

// Analyses `fileBytes` (the analysis working file), read as the tokenizer
// reads a file: UTF-8 when valid, else one byte per character.
QVector<AnalysisRow> analyseFile(const QByteArray &fileBytes, const AnalysisOptions &options = {});

} // namespace tagloom
