#include "document/file_filters.h"

#include <algorithm>

namespace tagloom {

const QStringList &openFilters()
{
    static const QStringList filters = {
        QStringLiteral("HTML Files (*.htm, *.html, *.asp, *.shtml)|*.htm; *.html; *.asp; *.shtml"),
        QStringLiteral("XML Files (*.xml,*.xhtml)|*.xml;*.xhtml"),
        QStringLiteral("CSS Files (*.css)|*.css"),
        QStringLiteral("JavaScript Files (*.js)|*.js"),
        QStringLiteral("WML Files (*.wml)|*.wml"),
        QStringLiteral("Perl Files (*.pl, *.cgi)|*.pl;*.cgi;*.perl"),
        QStringLiteral("Java Files (*.java)|*.java"),
        QStringLiteral("Object Pascal Files (*.pas)|*.pas"),
        QStringLiteral("Python Files (*.py)|*.py"),
        QStringLiteral("SQL Files (*.sql)|*.sql"),
        QStringLiteral("Text Files (*.txt)|*.txt"),
        QStringLiteral("PHP Files (*.php3, *.php, *.phtml)|*.php3; *.php;*.phtml"),
        QStringLiteral("VisualBASIC Files (*.bas)|*.bas"),
        QStringLiteral("All Files (*.*)|*"),
    };
    return filters;
}

const QStringList &saveFilters()
{
    static const QStringList filters = {
        QStringLiteral("HTML Files (*.htm, *.html, *.asp, *.shtml)|*.htm; *.html; *.asp; *.shtml"),
        QStringLiteral("XML Files (*.xml,*.xhtml)|*.xml;*.xhtml"),
        QStringLiteral("CSS Files (*.css)|*.css"),
        QStringLiteral("JavaScript Files (*.js)|*.js"),
        QStringLiteral("WML (*.wml)|*.wml"),
        QStringLiteral("Perl Files (*.pl,*.cgi)|*.pl;*.cgi;*.perl"),
        QStringLiteral("Java Files (*.java)|*.java"),
        QStringLiteral("Text Files (*.txt)|*.txt"),
        QStringLiteral("PHP Files (*.php3, *.php, *.phtml)|*.php3; *.php;*.phtml"),
        QStringLiteral("VisualBASIC Files (*.bas)|*.bas"),
        QStringLiteral("Object Pascal Files (*.pas)|*.pas"),
        QStringLiteral("All Files (*.*)|*"),
    };
    return filters;
}

bool isPageFileName(const QString &fileName)
{
    static const char *const suffixes[] = {"htm",  "html", "xhtml", "xht", "shtml", "shtm", "stm",  "php",  "php3",
                                           "php4", "php5", "phtml", "asp", "aspx",  "cfm",  "cfml", "jsp"};
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || fileName.indexOf(QLatin1Char('/'), dot) >= 0)
        return false;
    const QStringView suffix = QStringView(fileName).mid(dot + 1);
    return std::any_of(std::begin(suffixes), std::end(suffixes),
                       [suffix](const char *s) { return suffix.compare(QLatin1String(s), Qt::CaseInsensitive) == 0; });
}

} // namespace tagloom
