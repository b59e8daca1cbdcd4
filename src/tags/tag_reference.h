#pragma once
// Help for the tag at the caret: the reference page of an HTML element, one
// file of the data folder's reference per element name. A word finds its
// element only written all in lower case or all in upper case ("td", "TD",
// not "Td"); of the headings only h1 has a page.

#include <QString>
#include <optional>

namespace tagloom {

// The page of `word` under the data folder, as "/Help/Reference/<group>/<name>.html";
// nothing when no element is named so.
std::optional<QString> referencePageFor(const QString &word);

// The word under the caret for tag help: the run of ASCII letters and digits
// around 1-based `column` of `line`, as a 0-based [start, end) of the line.
// A caret at or beyond the end of its line, or away from any such run, has
// no word.
struct WordSpan {
    qsizetype start;
    qsizetype end;
};
std::optional<WordSpan> tagWordAt(const QString &line, int column);

} // namespace tagloom
