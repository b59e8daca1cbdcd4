#pragma once
// The Insert Image dialog's mark-up: one img tag, optionally inside a
// paragraph that aligns it. Field values go in verbatim; an optional
// attribute is written only when its field is non-empty.

#include "tags/markup_outcome.h"

#include <QString>

namespace tagloom {

// The dialog's fields, named after its controls (EditSrc, EditHeight, ...),
// with the values they hold when the dialog is shown.
struct ImageFields {
    QString Src;
    QString Height;
    QString Width;
    QString AltText;
    QString LowRes;
    QString Style;
    QString Border = QStringLiteral("0");
    QString Align;
    QString Name;
};

// `<img src=".." height=".." width=".." alt=".." lowres=".." border=".."
// style=".." name="..">` in that fixed order, wrapped in `<p align="..">` and
// "</p>" when Align is set.
QString imageTag(const ImageFields &fields);

// OK: a line below the caret line, or in edit mode a replacement of the
// selected tag. An empty Src only warns; the tag is still inserted.
MarkupOutcome imageMarkup(const ImageFields &fields, bool editMode);

// The image dialog's picture chooser filters ("Display|patterns"); the
// rollover's and the WBMP conversion's choosers add the two metafile kinds.
QStringList imageFileFilters();
QStringList pictureFiltersWithMetafiles();

} // namespace tagloom
