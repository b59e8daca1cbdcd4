#include "document/syntax_table.h"

#include <QVector>
#include <algorithm>

namespace tagloom {

const QVector<ColouringInfo> &colourings()
{
    static const QVector<ColouringInfo> table = {
        {Colouring::Javascript, "Javascript", "Javascript (*.js)|*.js"},
        {Colouring::MultiHighlighter, "General Multi-Highlighter", ""},
        {Colouring::Html, "HTML Document",
         "HTML Document (*.htm,*.html,*.shtm,*.shtml,*.asp,*.cfm)|*.htm;*.html;*.shtm;*.shtml;*.asp;*.cfm"},
        {Colouring::Awk, "AWK Script", "AWK Script (*.awk)|*.awk"},
        {Colouring::Java, "Java", "Java Files (*.java)|*.java"},
        {Colouring::VbScript, "MS VBScript", "MS VBScript Files (*.vbs)|*.vbs"},
        {Colouring::Cpp, "C++", "C++ Files (*.cpp,*.h,*.hpp)|*.cpp;*.h;*.hpp"},
        {Colouring::ObjectPascal, "ObjectPascal", "Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc"},
        {Colouring::Perl, "Perl", "Perl Files (*.pl,*.pm,*.cgi)|*.pl;*.pm;*.cgi"},
        {Colouring::Fortran, "Fortran", "Fortran Files (*.for)|*.for"},
        {Colouring::Foxpro, "Foxpro", "Foxpro Files (*.prg)|*.prg"},
        {Colouring::Php, "PHP", "PHP Files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc"},
        {Colouring::Python, "Python", "Python Files (*.py)|*.py"},
        {Colouring::Sql, "SQL", "SQL Files (*.sql)|*.sql"},
        {Colouring::VisualBasic, "Visual Basic", "Visual Basic Files (*.bas)|*.bas"},
        {Colouring::Tcl, "Tcl/Tk", "Tcl/Tk Files (*.tcl)|*.tcl"},
        {Colouring::Css, "Cascading Stylesheets", "Cascading Stylesheets (*.css)|*.css"},
    };
    return table;
}

QStringList syntaxSelectorItems()
{
    QStringList items{QLatin1String(NoColouring)};
    for (const ColouringInfo &info : colourings())
        items.append(QLatin1String(info.languageName));
    std::sort(items.begin(), items.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return items;
}

const ColouringInfo *colouringForExtension(const QString &extension)
{
    const QString wanted = extension.toUpper();
    for (const ColouringInfo &info : colourings()) {
        const QString filter = QLatin1String(info.filter);
        const qsizetype bar = filter.indexOf(QLatin1Char('|'));
        if (bar < 0)
            continue;
        const QStringList patterns = filter.mid(bar + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &pattern : patterns) {
            const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
            if (pattern.mid(dot + 1).trimmed().toUpper() == wanted)
                return &info;
        }
    }
    return nullptr;
}

const ColouringInfo *colouringByName(const QString &name)
{
    for (const ColouringInfo &info : colourings())
        if (name == QLatin1String(info.languageName))
            return &info;
    return nullptr;
}

QString upperExtension(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

} // namespace tagloom
