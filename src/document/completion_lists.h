#pragma once
// The two typing aids' lists. The auto-complete list (cw-auto.tlx) holds key
// lines, each followed by expansion lines that start with "="; the completion
// list (cw-line.tlx) holds one snippet per line.

#include <QStringList>
#include <optional>

namespace tagloom {

// The characters left of the caret back to a blank, a control character,
// one of "()[]." or the line start. `column` is the 1-based caret column;
// a caret beyond the end of the line has no word.
QString wordBeforeCaret(const QString &lineText, int column);

// The expansion lines (without their "=") of the first line equal to `word`
// ignoring case; nullopt when no line is. The expansion ends at the first
// line that is missing, empty or does not start with "=".
std::optional<QStringList> expansionOf(const QStringList &autoList, const QString &word);

// Leading characters of code 32 or less.
int leadingBlanks(const QString &text);

// The row a completion list selects for `typed`: the first snippet starting
// with it (ASCII letters compared without case; an empty text takes row 0),
// else `previous`.
int completionRow(const QStringList &snippets, const QString &typed, int previous);

} // namespace tagloom
