#pragma once
// The QScintilla lexer behind each syntax colouring, with the house colours:
// comments green italic, keywords bold dark blue, tag names bold dark blue,
// attribute values in a light blue.

#include "document/highlighter_scheme.h"
#include "document/syntax_table.h"

class QObject;
class QFont;
class QsciLexer;
class QsciScintilla;

namespace tagloom {

class CodeEditor;

// A new lexer for `colouring` owned by `parent`; nullptr for a colouring that
// has no lexer yet.
QsciLexer *createLexer(Colouring colouring, QObject *parent);

// Colourings without a QScintilla lexer class run one of Scintilla's own
// lexers with their keyword lists: Visual Basic and VBScript on the VB lexers,
// Foxpro on the VB lexer with Foxpro keywords. Returns false when `colouring`
// is not one of them.
bool applyScintillaLexer(QsciScintilla *editor, Colouring colouring, const QFont &font);

// Sets the lexer part that Scintilla keeps with the document (lexer,
// keywords, properties) for the editor's current colouring, `colouring`;
// nothing is coloured here. A document swapped into the editor needs it.
void applyLexerToDocument(QsciScintilla *editor, const Colouring *colouring);

// The stored scheme that colours `colouring`, if it has one ("HTML Document"
// for HTML and the multi-highlighter, "PHP", "Java", ...).
QString schemeLanguageOf(Colouring colouring);

// Colours `editor` with `colouring` (plain text when null) in `font`; the
// lexer's styles take the stored `looks`. Whatever lexer ran before goes.
void applyColouring(CodeEditor *editor, const Colouring *colouring, const QFont &font,
                    const QVector<AttributeLook> &looks);

// The colouring a stored scheme's language names (nullptr for none).
const Colouring *colouringOfSchemeLanguage(const QString &language);

// Every attribute of `language`'s scheme with all three values: the stored
// ones of `stored`, the lexer's own look (as fixed colours) for the rest.
QVector<AttributeLook> completeScheme(const QString &language, const QVector<AttributeLook> &stored);

// Gives the lexer's styles the stored looks of their attributes.
void applyScheme(QsciLexer *lexer, Colouring colouring, const QVector<AttributeLook> &looks);

} // namespace tagloom
