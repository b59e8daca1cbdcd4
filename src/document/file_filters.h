#pragma once
// The filters of the document file choosers, as "Display|patterns" pairs in
// the order the choosers list them.

#include <QString>
#include <QStringList>

namespace tagloom {

// Open a (Local) File.
const QStringList &openFilters();
// Save As File.
const QStringList &saveFilters();

// Whether a file is a web page by its extension (letter case ignored):
// .htm .html .xhtml .xht .shtml .shtm .stm .php .php3 .php4 .php5 .phtml
// .asp .aspx .cfm .cfml .jsp. What the site tools search folders for.
bool isPageFileName(const QString &fileName);

} // namespace tagloom
