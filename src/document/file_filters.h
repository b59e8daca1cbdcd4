#pragma once
// The filters of the document file choosers, as "Display|patterns" pairs in
// the order the choosers list them.

#include <QStringList>

namespace tagloom {

// Open a (Local) File.
const QStringList &openFilters();
// Save As File.
const QStringList &saveFilters();

} // namespace tagloom
