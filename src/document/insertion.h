#pragma once
// The one way generated text enters a document: the four insertion modes on
// top of the editor operations. A null target (no document window open)
// changes nothing.

#include <QStringList>

namespace tagloom {

class EditorOperations;

enum class InsertMode {
    Line,   // a new line below the caret line
    Above,  // a new line directly above the caret line (on line 1: the new first line)
    Lines,  // several new lines below the caret line, in order
    Wrap,   // open + selection + close replaces the selection
    Append, // appended to the caret line; the caret moves right by its length
    Replace, // replaces the selection (a tag reopened in its dialog), one undo step
    End,    // several lines after the last line; an empty document takes them as its only lines
};

struct Insertion {
    InsertMode mode = InsertMode::Line;
    QStringList texts; // Line, Above, Append, Replace: one text; Lines, End: each line; Wrap: open, close
};

void insert(EditorOperations *target, const Insertion &insertion);

inline Insertion lineInsertion(const QString &text) { return {InsertMode::Line, {text}}; }
inline Insertion aboveInsertion(const QString &text) { return {InsertMode::Above, {text}}; }
inline Insertion endInsertion(const QStringList &lines) { return {InsertMode::End, lines}; }
inline Insertion linesInsertion(const QStringList &lines) { return {InsertMode::Lines, lines}; }
inline Insertion wrapInsertion(const QString &open, const QString &close) { return {InsertMode::Wrap, {open, close}}; }
inline Insertion appendInsertion(const QString &text) { return {InsertMode::Append, {text}}; }
inline Insertion replaceInsertion(const QString &text) { return {InsertMode::Replace, {text}}; }

// The same text as one replacement of the selection: lines joined by CR LF
// (a wrap keeps its two parts around the selection).
Insertion asReplacement(const Insertion &insertion);

// Characters in the editor's sense (code points), as columns count them.
int columnLength(const QString &text);

} // namespace tagloom
