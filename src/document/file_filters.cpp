#include "document/file_filters.h"

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

} // namespace tagloom
