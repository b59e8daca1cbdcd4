#pragma once
// Server-side includes as a web server would carry them out, for the
// preview: the page's include, echo, config, flastmod and fsize directives
// are replaced by what the server would put there, from local files.
// Nothing is ever run (#exec leaves a visible note) and nothing outside the
// site's folder is read. The page itself is not touched; the expanded text
// is a new string.

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTimeZone>

namespace tagloom {

// What the expansion reads besides the page's text.
struct IncludeSite {
    // The site's folder: "/" in a virtual path means this folder, and no
    // file outside it is read.
    QString root;
    // The page's file (for DOCUMENT_NAME, LAST_MODIFIED and cycles); empty
    // for a page without a file.
    QString pagePath;
    // The folder the page's relative paths start from (its own folder).
    QString pageFolder;
    // The clock and the zone DATE_LOCAL and file times are shown in; an
    // invalid `now` means the current time.
    QDateTime now;
    QTimeZone localZone = QTimeZone::systemTimeZone();
    // How deep includes may nest, and the most characters the expanded page
    // may grow to (a larger one gets notes in place of further includes).
    int maxDepth = 16;
    qsizetype maxLength = 32 * 1024 * 1024;
};

// The text a server prints for a directive it cannot carry out, until the
// page configures its own with `<!--#config errmsg="..." -->`.
inline constexpr char IncludeErrorText[] = "[an error occurred while processing this directive]";

// True when the page has anything that looks like a server directive.
bool holdsServerDirectives(QStringView page);
// Pages that servers parse for directives by their name alone
// (.shtml, .shtm, .stm, in any letter case).
bool isServerParsedName(const QString &path);
// The folder virtual paths start from: the open site's folder when the page
// lies inside it, else the page's own folder (`pageFolder`).
QString includeRootFor(const QString &pagePath, const QString &pageFolder, const QString &openSiteFolder);

// The page with every directive it and its included files hold carried out.
QString expandServerIncludes(const QString &page, const IncludeSite &site);

} // namespace tagloom
