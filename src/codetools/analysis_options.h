#pragma once
// The choices a user makes for the document analysis. The defaults check a
// page exactly as the analysis always has.

#include <QString>

namespace tagloom {

// Which element and attribute table a page is checked against.
enum class AnalysisRules {
    Html4, // the table the analysis was built with
    Html5, // current HTML, read from the data folder
};

struct AnalysisOptions {
    AnalysisRules rules = AnalysisRules::Html4;
    // Server-side code (PHP, ASP, ColdFusion comments, SSI directives) is
    // passed over wherever it stands, so nothing inside it is reported.
    bool skipServerCode = false;
    // Where the HTML 5 table is read from; empty: the program's own data folder.
    QString dataFolder;
    // Each finding's line and column; a reader that shows none leaves them
    // uncounted (they are then 0).
    bool positions = true;
};

} // namespace tagloom
