#pragma once
// The HTML 5 element and attribute table: a plain text file in the data
// folder (DataPath::Html5Rules), whose format its own first lines describe.
// It is read once per data folder and shared by every analysis after that.

#include "base/result.h"
#include "codetools/analysis_rules.h"

#include <QByteArrayView>
#include <QString>
#include <memory>

namespace tagloom {

// The table a table file's text describes, or why it describes none (the
// first line not understood, by its number).
Result<RuleTable> parseRuleTable(QByteArrayView text);

// The HTML 5 table below `dataFolder` (empty: the running program's data
// folder). Safe to call from any thread. A table that could not be read or
// understood is not remembered, so a repaired file counts on the next call.
Result<std::shared_ptr<const RuleTable>> html5Rules(const QString &dataFolder);

} // namespace tagloom
