#pragma once
// The QScintilla lexer behind each syntax colouring, with the house colours:
// comments green italic, keywords bold dark blue, tag names bold dark blue,
// attribute values in a light blue.

#include "document/highlighter_scheme.h"
#include "document/syntax_table.h"

class QObject;
class QsciLexer;

namespace tagloom {

// A new lexer for `colouring` owned by `parent`; nullptr for a colouring that
// has no lexer yet.
QsciLexer *createLexer(Colouring colouring, QObject *parent);

// The stored scheme that colours `colouring`, if it has one ("HTML Document"
// for HTML and the multi-highlighter, "PHP", "Java", ...).
QString schemeLanguageOf(Colouring colouring);

// Gives the lexer's styles the stored looks of their attributes.
void applyScheme(QsciLexer *lexer, Colouring colouring, const QVector<AttributeLook> &looks);

} // namespace tagloom
