#pragma once
// The image map creator's mark-up: one AREA line per shape dragged over the
// picture, and the MAP block with the IMG that uses it.

#include "tags/markup_outcome.h"

#include <QPoint>
#include <QSize>
#include <QString>

namespace tagloom {

enum class MapShape { Rectangle, Circle };

// The area for a drag from `start` to `end` (picture pixels). A rectangle
// keeps the start point first whatever the drag's direction; a circle is the
// one inscribed in the drag's width: centre at the drag rectangle's middle,
// radius half its width.
QString areaLine(MapShape shape, QPoint start, QPoint end, const QString &link, const QString &altText);

// A number in its shortest decimal form: 40, 37.5, -2.5.
QString shortestDecimal(double value);

struct ImageMapFields {
    QString MapName;
    QString Areas;       // "Generated Areas:" as the user left it
    QString PicturePath; // full path of the loaded picture
    QSize PictureSize{0, 0}; // no picture loaded: 0 by 0
};

// The MAP opening tag, the areas, </MAP> and the IMG, below the caret line.
// The areas keep their own line breaks, so the closing tag and the IMG come
// after every one of them.
QStringList imageMapLines(const ImageMapFields &fields);
MarkupOutcome imageMapMarkup(const ImageMapFields &fields);

} // namespace tagloom
