#pragma once
// The syntax colourings a document window offers, in their fixed order: the
// order decides which colouring an extension gets (".inc" meets ObjectPascal
// before PHP).

#include <QString>
#include <QStringList>

namespace tagloom {

enum class Colouring {
    Javascript,
    MultiHighlighter,
    Html,
    Awk,
    Java,
    VbScript,
    Cpp,
    ObjectPascal,
    Perl,
    Fortran,
    Foxpro,
    Php,
    Python,
    Sql,
    VisualBasic,
    Tcl,
    Css,
};

struct ColouringInfo {
    Colouring colouring;
    const char *languageName;
    // description "|" patterns separated by ";"; only the patterns are used.
    const char *filter;
};

// All colourings in their fixed order.
const QVector<ColouringInfo> &colourings();

inline constexpr char NoColouring[] = "(none)";

// "(none)" and every language name, sorted alphabetically ignoring case.
QStringList syntaxSelectorItems();

// The first colouring (in table order) with a pattern whose part after its
// first "." equals `extension` ignoring case; nullptr when none has.
const ColouringInfo *colouringForExtension(const QString &extension);

// The colouring whose language name equals `name` exactly; nullptr for
// "(none)" and any other text.
const ColouringInfo *colouringByName(const QString &name);

// Upper-cased extension of a path's file name part, without its dot.
QString upperExtension(const QString &path);

} // namespace tagloom
