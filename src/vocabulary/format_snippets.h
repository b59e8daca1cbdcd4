#pragma once
// The format bar's generators and the document window's fixed Format and
// Insert snippets. Field values go into the mark-up as they stand: no
// trimming, no validation.

#include "document/insertion.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tagloom {

// "Apply": Wrap `<FONT face="face" size="size">` / "</font>".
Insertion fontApply(const QString &face, const QString &size);
// A Font Sizes item: the caption without its plus sign ("+5" -> size="5").
Insertion fontSize(const QString &caption);

Insertion boldWrap();      // "<B>" / "</b>"
Insertion italicWrap();    // "<I>" / "</i>"
Insertion underlineWrap(); // "<U>" / "</u>"
Insertion horizontalRule(); // Line "<HR>"
Insertion anchorLine();     // Line `<A name="..">`
Insertion commentLine();    // Line "<!-- //-->"
Insertion lineBreak();      // Append "<BR>"
Insertion nonBreakingSpace(); // Append "&nbsp;"

// The format bar's drop-downs: items in list order and their starting texts.
const QStringList &formatBarFonts();
QString formatBarInitialFont();
const QStringList &formatBarSizes();
QString formatBarInitialSize();

// The document window's snippet items by action id ("Format.Bold",
// "Format.Size.+5", "Insert.Nbsp", ...). Besides the fixed items this holds
// "Format.Size.0", the Blank Tags items (each wraps the selection: "<>" and
// "</>" around it, "<>" before it, "</>" after it, comment and script marks
// with one blank on their inner side: "<% " / " %>") and the Alignment items
// (`<div align="left">` / "</div>" and so on).
struct FormatSnippet {
    QString actionId;
    Insertion insertion;
};
const QList<FormatSnippet> &documentSnippets();

// The time stamp: a line that shows the date the page was last modified.
Insertion timestampInsertion();
std::optional<Insertion> documentSnippet(const QString &actionId);

} // namespace tagloom
