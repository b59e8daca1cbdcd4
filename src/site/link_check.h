#pragma once
// The site link check: every local reference of the pages and style sheets
// below a folder, resolved against the files really there. The folder is
// read once into an index; each page is read once and scanned as bytes.
//
// What counts:
// - pages: .htm .html .shtml .shtm .stm .xhtml .xht .php .php3 .php4 .php5
//   .phtml .asp .aspx .cfm .cfml .jsp; style sheets: .css;
// - a reference is resolved from its page's folder, or from the site folder
//   when it starts with "/"; its ?query and #fragment are dropped, %XX
//   escapes decoded, a backslash read as "/" (as browsers do); a reference
//   to a folder means that folder's index page;
// - remote addresses (a scheme such as http:, mailto:, javascript: or
//   data:, or "//host") are listed, never fetched; values holding
//   server-side code (<? <% <!--#) are passed over;
// - orphans are files no page or style sheet refers to; pages named index.*
//   or default.* are entry points in every folder and never orphans;
// - names starting with "." (.htaccess, .git) are not part of the site, and
//   linked folders are not followed.

#include "base/result.h"

#include <QList>
#include <QString>
#include <atomic>

namespace tagloom {

enum class LinkFindingKind {
    Broken,       // the target is not there
    CaseMismatch, // there only in another letter case: fine on Windows, broken on Linux
    Orphan,       // nothing refers to the file
    Remote,       // an address on another server, not checked
    Unread,       // a page that could not be read, so not checked
};

struct LinkFinding {
    LinkFindingKind kind = LinkFindingKind::Broken;
    QString file;      // relative to the site folder, "/" between folders
    int line = 0;      // from 1; 0 for a finding about a whole file
    int column = 0;    // from 1, in characters; 0 with line 0
    QString reference; // as the page writes it; empty for a whole file
    QString message;
};

struct LinkCheckReport {
    QString folder;              // the folder checked, absolute
    QList<LinkFinding> findings; // file by file in path order, each by position; orphans last
    int pages = 0;               // pages and style sheets scanned
    int files = 0;               // files in the site
    bool cancelled = false;

    int count(LinkFindingKind kind) const;
    // Broken targets or letter-case mismatches: what breaks on the server.
    bool hasProblems() const;
};

// "Broken", "Case", "Orphan", "Remote", "Unread".
const char *linkFindingKindName(LinkFindingKind kind);

// Checks the site below `folder`; fails only when it is not a folder that can
// be read. `cancel`, when given, is looked at between files.
Result<LinkCheckReport> checkSiteLinks(const QString &folder, const std::atomic<bool> *cancel = nullptr);

} // namespace tagloom
