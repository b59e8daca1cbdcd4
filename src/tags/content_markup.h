#pragma once
// "Other Content Wizards...": ready-made scripts and snippets, one page each.
// Every page but the bulleted list puts its lines below the caret line; the
// bulleted list becomes a page of its own in a new document window.

#include "base/result.h"
#include "tags/markup_outcome.h"

#include <QString>
#include <QStringList>

namespace tagloom {

// The pages, in the order the dialog shows them.
enum class ContentPage { NetscapeFix, FrameThrower, YourBrowser, ScreenSizes, BulletedList, YourLocation };

// "Type:" of "Your Browser".
enum class BrowserVariant { JavaScript, ActiveServerPages, ServerSideIncludes, Php };

struct ContentFields {
    QString EditBrowser;  // "Prefix: (ie. Your Browser Is...)"
    BrowserVariant browserType = BrowserVariant::JavaScript;
    QString URLA;         // 640 x 480
    QString URLB;         // 800 x 600
    QString URLC;         // 1024 x 768
    QString EditLocation; // "Prefix: (ie. Your Location Is...)"
    QString bulletHtml;   // the bulleted list's rich text as RtfToHtml gives it
};

// Reloads the page when Netscape 4 is resized, which it cannot lay out again.
QStringList netscapeFixLines();
// Moves the page out of another site's frame.
QStringList frameThrowerLines();
// The prefix with "<BR>", then the user agent in the chosen variant.
QStringList yourBrowserLines(const QString &prefix, BrowserVariant variant);
// Sends the visitor on to the page for the screen's height; an empty URL
// still writes its line.
QStringList screenSizeLines(const QString &url640, const QString &url800, const QString &url1024);
// The prefix with "<BR>", then the script that writes the page's address.
QStringList yourLocationLines(const QString &prefix);
// The twelve lines of the page that holds a bulleted list's HTML.
QStringList bulletedListPageLines(const QString &html);

// The bulleted list's HTML: its RTF source is saved to the working file
// TempRtf.rtf in `dataFolder` (UTF-8; overwritten every time and left
// behind), read back, and converted with RtfToHtml. Fails, saying why, when
// the working file cannot be written or read.
Result<QString> bulletedListHtml(const QString &dataFolder, const QString &rtf);

// The lines of `page`: below the caret line, or for the bulleted list at the
// end of a new, empty document.
MarkupOutcome contentMarkup(ContentPage page, const ContentFields &fields);

} // namespace tagloom
