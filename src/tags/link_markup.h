#pragma once
// The Insert a Hyperlink dialog's mark-up: an anchor around the selection,
// or, in edit mode, a new opening tag in place of the selected one. Field
// values go in verbatim; an optional attribute is written only when its
// field is non-empty.

#include "tags/markup_outcome.h"

#include <QString>

namespace tagloom {

// The dialog's fields, named after its controls (EditLink, EditTarget, ...).
struct LinkFields {
    QString Link; // "Link To:"
    QString Target;
    QString Style;
    QString Name;
    QString Class;
};

// `<a href=".." target=".." style=".." name=".." class="..">`, always in
// that order.
QString linkOpeningTag(const LinkFields &fields);

// OK: refused without a link. Otherwise the opening tag and "</A>" wrap the
// selection (an empty anchor at the caret when nothing is selected); in
// edit mode the opening tag alone replaces the selection, and the link text
// and closing tag in the document stay as they are.
MarkupOutcome linkMarkup(const LinkFields &fields, bool editMode);

} // namespace tagloom
