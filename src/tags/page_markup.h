#pragma once
// The page wizard's mark-up: a BODY tag of the chosen colours, background
// and margins, either as the heart of a new page's skeleton (the page goes
// into a new document window) or, in edit mode, as the replacement of the
// selected BODY tag.

#include "tags/markup_outcome.h"

#include <QString>
#include <QStringList>

namespace tagloom {

// The fields of "Create Page Wizard", named after its controls. Values go
// into the tag verbatim.
struct PageFields {
    QString EditTitle;
    QString EditBG;
    QString EditLink;
    QString EditVLink;
    QString EditALink;
    QString EditBGI;
    QString EditTop;
    QString EditLeft;
    QString EditHeight;
    QString EditWidth;
    bool watermark = false; // "Watermark Image (Internet Explorer)"
};

// `<BODY`, each non-empty attribute in the fixed order BGCOLOR, LINK, VLINK,
// ALINK, BACKGROUND, TOPMARGIN, LEFTMARGIN, MARGINHEIGHT, MARGINWIDTH, then
// BGPROPERTIES="FIXED" for a watermark, then ">".
QString bodyTag(const PageFields &fields);

// The eleven lines of a new page around bodyTag(), titled EditTitle.
QStringList newPageLines(const PageFields &fields);

// A new page: its lines for the end of a new, empty document. Edit mode: the
// BODY tag alone, replacing the selection (the title is never written).
MarkupOutcome pageMarkup(const PageFields &fields, bool editMode);

// "Reference External Stylesheet...": the LINK tag to a style sheet, as a
// new line directly above the caret line. An empty file name is not refused.
QString styleSheetLinkTag(const QString &fileName);
MarkupOutcome styleSheetLinkMarkup(const QString &fileName);

} // namespace tagloom
