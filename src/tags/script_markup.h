#pragma once
// The script dialog's mark-up: the opening SCRIPT tag, the code typed in the
// dialog and the closing tag, as new lines below the caret line.

#include "document/insertion.h"
#include "document/syntax_table.h"

#include <QString>
#include <optional>

namespace tagloom {

// The fields of "Insert Client-Side Script". None is required; values go
// into the tag verbatim.
struct ScriptFields {
    QString EditLanguage;
    QString EditContentType;
    QString EditSource;
    QString ScriptEdit; // the code editor's whole text
};

// `<SCRIPT Language="..."`, then ` type="..."` and ` src="..."` when those
// fields are not empty, then ">". The language is written even when empty.
QString scriptOpeningTag(const ScriptFields &fields);

// Lines below the caret line, in order: the opening tag, each line of the
// code (one empty line when there is no code) and "</SCRIPT>". The code is
// written even when a source is given.
Insertion scriptMarkup(const ScriptFields &fields);

// The colouring a chosen language gives the code editor; nothing for
// "JScript" and typed values, which leave the colouring as it was.
std::optional<Colouring> scriptColouringFor(const QString &language);

} // namespace tagloom
