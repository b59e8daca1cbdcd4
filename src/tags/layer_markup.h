#pragma once
// Absolutely positioned layers: the "Insert Layer..." dialog's one element
// from typed coordinates, and the lines of the visual layer dialog, one per
// rectangle drawn on its canvas.

#include "tags/markup_outcome.h"

#include <QPoint>
#include <QString>

namespace tagloom {

// The layer dialog's fields, named after its controls (EditTag, ...). The
// position and size fields carry their own unit and semicolon.
struct LayerFields {
    QString Tag;
    QString Name;
    QString Top = QStringLiteral("0px;");
    QString Left = QStringLiteral("0px;");
    QString Height = QStringLiteral("100px;");
    QString Width = QStringLiteral("100px;");
    QString Color;
};

inline constexpr char NoLayerTagMessage[] = "Please choose a tag type.";

// `<Tag id="Name" style="position:absolute; top: Top left: Left height:
// Height width: Width background-color: Color;"></Tag>`, values verbatim.
QString layerLine(const LayerFields &fields);
// A line below the caret line; an empty tag is reported and still written.
MarkupOutcome layerMarkup(const LayerFields &fields);

// A fill colour as "#RRGGBB" in upper-case hexadecimal; `rgb` is 0xRRGGBB.
QString htmlColour(quint32 rgb);

// The element for a rectangle dragged on the visual layer canvas from
// `start` to `end` (canvas pixels). Height and width are end minus start, so
// they are negative for a drag up or to the left.
QString visualLayerLine(const QString &tag, QPoint start, QPoint end, quint32 fillRgb);

} // namespace tagloom
