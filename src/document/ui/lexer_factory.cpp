#include "document/ui/lexer_factory.h"

#include "document/ui/code_editor.h"

#include <memory>
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
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <QGuiApplication>
#include <QPalette>
#include <iterator>

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
    case Colouring::MultiHighlighter: {
        // HTML with its script blocks; the block's start and end tags stand
        // out bold on yellow.
        auto *lexer = new QsciLexerHTML(parent);
        styleHtml(lexer);
        QFont bold = lexer->QsciLexer::defaultFont();
        bold.setBold(true);
        for (int style : {QsciLexerHTML::Script, QsciLexerHTML::JavaScriptStart, QsciLexerHTML::PythonStart}) {
            lexer->setPaper(QColor(255, 255, 0), style);
            lexer->setFont(bold, style);
        }
        return lexer;
    }
    case Colouring::Awk: // AWK reads much like Perl: $fields, regular expressions, # comments
    case Colouring::Perl: return new QsciLexerPerl(parent);
    case Colouring::Html:
    case Colouring::Php: {
        auto *lexer = new QsciLexerHTML(parent);
        styleHtml(lexer);
        return lexer;
    }
    case Colouring::Java: return new QsciLexerJava(parent);
    case Colouring::Cpp: return new QsciLexerCPP(parent);
    case Colouring::ObjectPascal: return new QsciLexerPascal(parent);
    case Colouring::Fortran: return new QsciLexerFortran(parent);
    case Colouring::Python: return new QsciLexerPython(parent);
    case Colouring::Sql: return new QsciLexerSQL(parent);
    case Colouring::Tcl: return new QsciLexerTCL(parent);
    case Colouring::Css: return new QsciLexerCSS(parent);
    case Colouring::VbScript:
    case Colouring::Foxpro:
    case Colouring::VisualBasic:
        break;
    }
    return nullptr;
}

} // namespace tagloom

namespace tagloom {

namespace {

QColor resolve(const StoredColour &c)
{
    if (!c.system)
        return QColor(c.red, c.green, c.blue);
    // The 25 system colours, clScrollBar to clInfoBk, as this desktop's palette has them.
    static const QPalette::ColorRole roles[] = {
        QPalette::Button,     QPalette::Window,          QPalette::Highlight,  QPalette::Mid,
        QPalette::Window,     QPalette::Base,            QPalette::Shadow,     QPalette::WindowText,
        QPalette::Text,       QPalette::HighlightedText, QPalette::Window,     QPalette::Window,
        QPalette::Dark,       QPalette::Highlight,       QPalette::HighlightedText, QPalette::Button,
        QPalette::Dark,       QPalette::PlaceholderText, QPalette::ButtonText, QPalette::Text,
        QPalette::Light,      QPalette::Shadow,          QPalette::Midlight,   QPalette::ToolTipText,
        QPalette::ToolTipBase,
    };
    const int i = c.systemIndex;
    return i >= 0 && i < int(std::size(roles)) ? QGuiApplication::palette().color(roles[i]) : QColor(Qt::black);
}

using StyleMap = std::initializer_list<std::pair<const char *, std::initializer_list<int>>>;

std::vector<int> stylesFor(const StyleMap &map, const QString &attribute)
{
    for (const auto &[name, styles] : map)
        if (attribute == QLatin1String(name))
            return std::vector<int>(styles);
    return {};
}

std::vector<int> stylesOf(Colouring colouring, const QString &attribute)
{
    using H = QsciLexerHTML;
    using C = QsciLexerCPP;
    using P = QsciLexerPascal;
    using R = QsciLexerPerl;
    switch (colouring) {
    case Colouring::Html:
    case Colouring::MultiHighlighter:
        return stylesFor({{"ASP", {H::ASPStart, H::ASPAtStart, H::ASPVBScriptDefault}},
                          {"Comment", {H::HTMLComment}},
                          {"Escape", {H::Entity}},
                          {"Identifier", {H::Attribute, H::UnknownAttribute}},
                          {"Reserved word", {H::Tag}},
                          {"Space", {H::Default}},
                          {"Symbol", {H::OtherInTag}},
                          {"Unknown word", {H::UnknownTag}},
                          {"Value", {H::HTMLDoubleQuotedString, H::HTMLSingleQuotedString, H::HTMLValue, H::HTMLNumber}}},
                         attribute);
    case Colouring::Php:
        return stylesFor({{"Comment", {H::PHPComment, H::PHPCommentLine}},
                          {"Identifier", {H::PHPDefault}},
                          {"Number", {H::PHPNumber}},
                          {"Reserved word", {H::PHPKeyword}},
                          {"Space", {H::PHPDefault}},
                          {"String", {H::PHPDoubleQuotedString, H::PHPSingleQuotedString}},
                          {"Symbol", {H::PHPOperator}},
                          {"Variable", {H::PHPVariable, H::PHPDoubleQuotedVariable}}},
                         attribute);
    case Colouring::Java:
    case Colouring::Javascript:
        return stylesFor({{"Comment", {C::Comment, C::CommentLine, C::CommentDoc}},
                          {"Identifier", {C::Identifier}},
                          {"Number", {C::Number}},
                          {"Reserved word", {C::Keyword}},
                          {"Space", {C::Default}},
                          {"String", {C::DoubleQuotedString, C::SingleQuotedString}},
                          {"Symbol", {C::Operator}}},
                         attribute);
    case Colouring::ObjectPascal:
        return stylesFor({{"Comment", {P::Comment, P::CommentParenthesis, P::CommentLine}},
                          {"Identifier", {P::Identifier}},
                          {"Number", {P::Number}},
                          {"Reserved word", {P::Keyword}},
                          {"Space", {P::Default}},
                          {"String", {P::SingleQuotedString}},
                          {"Symbol", {P::Operator}}},
                         attribute);
    case Colouring::Perl:
        return stylesFor({{"Comment", {R::Comment}},
                          {"Identifier", {R::Identifier}},
                          {"Number", {R::Number}},
                          {"Reserved word", {R::Keyword}},
                          {"Space", {R::Default}},
                          {"String", {R::DoubleQuotedString, R::SingleQuotedString}},
                          {"Symbol", {R::Operator}},
                          {"Variable", {R::Scalar, R::Array, R::Hash}}},
                         attribute);
    default:
        return {};
    }
}

} // namespace

QString schemeLanguageOf(Colouring colouring)
{
    switch (colouring) {
    case Colouring::Html:
    case Colouring::MultiHighlighter: return QStringLiteral("HTML Document");
    case Colouring::Php: return QStringLiteral("PHP");
    case Colouring::Java: return QStringLiteral("Java");
    case Colouring::Javascript: return QStringLiteral("Javascript");
    case Colouring::ObjectPascal: return QStringLiteral("ObjectPascal");
    case Colouring::Perl: return QStringLiteral("Perl");
    default: return QString();
    }
}

namespace {

// The Scintilla lexer and keywords of the colourings that have no QScintilla
// lexer class; false for the others.
bool setScintillaLexerLanguage(QsciScintilla *editor, Colouring colouring)
{
    static const char kVb[] =
        "and as boolean byref byte byval call case class const currency date declare dim do double each else "
        "elseif empty end enum erase error event exit explicit false for function get global gosub goto if "
        "implements in integer is let lib like long loop me mod new next not nothing null object on option "
        "optional or preserve private property public raiseevent redim rem resume return select set single "
        "static step stop string sub then to true type until variant wend while with xor";
    static const char kFoxpro[] =
        "accept activate and append average blank browse calculate cancel case clear close continue copy "
        "count create define delete dimension display do else endcase enddo endfor endif endproc endscan "
        "endtext endwith erase exit find for function go goto if index insert into label list local locate "
        "loop modify next not on or otherwise parameters private procedure public quit read recall reindex "
        "release replace report restore return save scan seek select set skip sort store sum text to "
        "total update use wait while with zap";
    const char *language = nullptr;
    const char *keywords = nullptr;
    switch (colouring) {
    case Colouring::VisualBasic: language = "vb"; keywords = kVb; break;
    case Colouring::VbScript: language = "vbscript"; keywords = kVb; break;
    case Colouring::Foxpro: language = "vb"; keywords = kFoxpro; break;
    default: return false;
    }
    using Sci = QsciScintillaBase;
    editor->SendScintilla(Sci::SCI_SETLEXERLANGUAGE, 0UL, language);
    editor->SendScintilla(Sci::SCI_SETKEYWORDS, 0UL, keywords);
    return true;
}

} // namespace

void applyLexerToDocument(QsciScintilla *editor, const Colouring *colouring)
{
    using Sci = QsciScintillaBase;
    if (QsciLexer *lexer = editor->lexer()) {
        // What QsciScintilla::setLexer sets on the document, without its
        // colouring of the whole text at once.
        if (lexer->lexer())
            editor->SendScintilla(Sci::SCI_SETLEXERLANGUAGE, 0UL, lexer->lexer());
        else
            editor->SendScintilla(Sci::SCI_SETLEXER, static_cast<unsigned long>(lexer->lexerId()));
        constexpr int kKeywordSets = 9; // Scintilla's KEYWORDSET_MAX + 1
        for (int set = 0; set < kKeywordSets; ++set) {
            const char *words = lexer->keywords(set + 1);
            editor->SendScintilla(Sci::SCI_SETKEYWORDS, static_cast<unsigned long>(set), words ? words : "");
        }
        lexer->refreshProperties();
        return;
    }
    if (!colouring || !setScintillaLexerLanguage(editor, *colouring))
        editor->SendScintilla(Sci::SCI_SETLEXER, static_cast<unsigned long>(Sci::SCLEX_CONTAINER));
}

bool applyScintillaLexer(QsciScintilla *editor, Colouring colouring, const QFont &font)
{
    if (!setScintillaLexerLanguage(editor, colouring))
        return false;
    using Sci = QsciScintillaBase;
    const QByteArray family = font.family().toUtf8();
    for (int style = 0; style <= 10; ++style) {
        editor->SendScintilla(Sci::SCI_STYLESETFONT, static_cast<unsigned long>(style), family.constData());
        editor->SendScintilla(Sci::SCI_STYLESETSIZE, static_cast<unsigned long>(style), static_cast<long>(font.pointSize()));
    }
    // Comments green italic, keywords bold dark blue, the rest black.
    editor->SendScintilla(Sci::SCI_STYLESETFORE, 1UL, 0x008000L); // BGR: green 128
    editor->SendScintilla(Sci::SCI_STYLESETITALIC, 1UL, 1L);
    editor->SendScintilla(Sci::SCI_STYLESETFORE, 3UL, 0xA00000L); // BGR: red 0, green 0, blue 160
    editor->SendScintilla(Sci::SCI_STYLESETBOLD, 3UL, 1L);
    editor->SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
    return true;
}

void applyScheme(QsciLexer *lexer, Colouring colouring, const QVector<AttributeLook> &looks)
{
    if (!lexer)
        return;
    for (const AttributeLook &look : looks) {
        for (int style : stylesOf(colouring, look.attribute)) {
            if (look.foreground)
                lexer->setColor(resolve(*look.foreground), style);
            if (look.background)
                lexer->setPaper(resolve(*look.background), style);
            if (look.style) {
                QFont font = lexer->font(style);
                font.setBold(*look.style & 1);
                font.setItalic(*look.style & 2);
                font.setUnderline(*look.style & 4);
                font.setStrikeOut(*look.style & 8);
                lexer->setFont(font, style);
            }
        }
    }
}

void applyColouring(CodeEditor *editor, const Colouring *colouring, const QFont &font,
                    const QVector<AttributeLook> &looks)
{
    QsciLexer *old = editor->lexer();
    editor->setLexer(nullptr);
    delete old;
    // Back to plain text first, whatever lexer ran before.
    editor->SendScintilla(QsciScintillaBase::SCI_SETLEXER, static_cast<unsigned long>(QsciScintillaBase::SCLEX_CONTAINER));
    editor->SendScintilla(QsciScintillaBase::SCI_STYLECLEARALL);
    QsciLexer *lexer = colouring ? createLexer(*colouring, editor) : nullptr;
    if (lexer)
        editor->setLexer(lexer);
    editor->setEditorFont(font);
    if (lexer)
        applyScheme(lexer, *colouring, looks);
    else if (colouring)
        applyScintillaLexer(editor, *colouring, font);
}

const Colouring *colouringOfSchemeLanguage(const QString &language)
{
    static const Colouring colourings[] = {Colouring::Html, Colouring::Php, Colouring::Java,
                                           Colouring::Javascript, Colouring::ObjectPascal, Colouring::Perl};
    for (const Colouring &c : colourings)
        if (schemeLanguageOf(c) == language)
            return &c;
    return nullptr;
}

QVector<AttributeLook> completeScheme(const QString &language, const QVector<AttributeLook> &stored)
{
    QVector<AttributeLook> looks;
    const Colouring *colouring = colouringOfSchemeLanguage(language);
    std::unique_ptr<QsciLexer> lexer(colouring ? createLexer(*colouring, nullptr) : nullptr);
    if (lexer)
        applyScheme(lexer.get(), *colouring, stored);
    auto fixed = [](const QColor &c) {
        StoredColour s;
        s.red = c.red();
        s.green = c.green();
        s.blue = c.blue();
        return s;
    };
    for (const QString &attribute : schemeAttributes(language)) {
        AttributeLook look;
        look.attribute = attribute;
        for (const AttributeLook &s : stored)
            if (s.attribute == attribute)
                look = s;
        const std::vector<int> styles = lexer ? stylesOf(*colouring, attribute) : std::vector<int>{};
        const int style = styles.empty() ? 0 : styles.front();
        if (!look.foreground)
            look.foreground = fixed(lexer ? lexer->color(style) : QColor(Qt::black));
        if (!look.background)
            look.background = fixed(lexer ? lexer->paper(style) : QColor(Qt::white));
        if (!look.style) {
            const QFont font = lexer ? lexer->font(style) : QFont();
            look.style = (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
                         (font.strikeOut() ? 8 : 0);
        }
        looks.append(look);
    }
    return looks;
}

} // namespace tagloom
