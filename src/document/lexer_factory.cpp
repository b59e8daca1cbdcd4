#include "document/lexer_factory.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerfortran.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjava.h>
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qscilexerpascal.h>
#include <Qsci/qscilexerperl.h>
#include <Qsci/qscilexerpython.h>
#include <Qsci/qscilexersql.h>
#include <Qsci/qscilexertcl.h>

namespace tagloom {

namespace {

const QColor kKeyword(0, 0, 160);
const QColor kComment(0, 128, 0);
const QColor kAttributeValue(0, 128, 255);

void styleHtml(QsciLexerHTML *lexer)
{
    QFont bold = lexer->QsciLexer::defaultFont();
    bold.setBold(true);
    QFont italic = lexer->QsciLexer::defaultFont();
    italic.setItalic(true);
    for (int style : {QsciLexerHTML::Tag, QsciLexerHTML::UnknownTag}) {
        lexer->setColor(kKeyword, style);
        lexer->setFont(bold, style);
    }
    for (int style : {QsciLexerHTML::Attribute, QsciLexerHTML::UnknownAttribute})
        lexer->setFont(bold, style);
    for (int style : {QsciLexerHTML::HTMLDoubleQuotedString, QsciLexerHTML::HTMLSingleQuotedString,
                      QsciLexerHTML::HTMLValue})
        lexer->setColor(kAttributeValue, style);
    lexer->setColor(kComment, QsciLexerHTML::HTMLComment);
    lexer->setFont(italic, QsciLexerHTML::HTMLComment);
    lexer->setColor(QColor(0, 255, 0).darker(130), QsciLexerHTML::Entity);
    lexer->setFont(bold, QsciLexerHTML::Entity);
    lexer->setPaper(QColor(0, 255, 255), QsciLexerHTML::ASPStart);
    lexer->setPaper(QColor(0, 255, 255), QsciLexerHTML::PHPStart);
}

} // namespace

QsciLexer *createLexer(Colouring colouring, QObject *parent)
{
    switch (colouring) {
    case Colouring::Javascript: return new QsciLexerJavaScript(parent);
    case Colouring::MultiHighlighter:
    case Colouring::Html:
    case Colouring::Php: {
        auto *lexer = new QsciLexerHTML(parent);
        styleHtml(lexer);
        return lexer;
    }
    case Colouring::Java: return new QsciLexerJava(parent);
    case Colouring::Cpp: return new QsciLexerCPP(parent);
    case Colouring::ObjectPascal: return new QsciLexerPascal(parent);
    case Colouring::Perl: return new QsciLexerPerl(parent);
    case Colouring::Fortran: return new QsciLexerFortran(parent);
    case Colouring::Python: return new QsciLexerPython(parent);
    case Colouring::Sql: return new QsciLexerSQL(parent);
    case Colouring::Tcl: return new QsciLexerTCL(parent);
    case Colouring::Css: return new QsciLexerCSS(parent);
    case Colouring::Awk:
    case Colouring::VbScript:
    case Colouring::Foxpro:
    case Colouring::VisualBasic:
        break;
    }
    return nullptr;
}

} // namespace tagloom
