#include "tags/image_map_markup.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace tagloom {

QString shortestDecimal(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // not "-0"
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString areaLine(MapShape shape, QPoint start, QPoint end, const QString &link, const QString &altText)
{
    QString coords;
    if (shape == MapShape::Rectangle) {
        coords = QStringLiteral("%1,%2,%3,%4").arg(start.x()).arg(start.y()).arg(end.x()).arg(end.y());
    } else {
        const double centreX = (double(start.x()) + end.x()) / 2;
        const double centreY = (double(start.y()) + end.y()) / 2;
        const double radius = std::abs(double(end.x()) - start.x()) / 2;
        coords = shortestDecimal(centreX) + QLatin1Char(',') + shortestDecimal(centreY) + QLatin1Char(',') +
                 shortestDecimal(radius);
    }
    const QString kind = shape == MapShape::Rectangle ? QStringLiteral("RECT") : QStringLiteral("CIRCLE");
    return QStringLiteral("<AREA SHAPE=\"") + kind + QStringLiteral("\" HREF=\"") + link + QStringLiteral("\" ALT=\"") +
           altText + QStringLiteral("\" COORDS=\"") + coords + QStringLiteral("\">");
}

QStringList imageMapLines(const ImageMapFields &f)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines{QStringLiteral("<MAP name=\"") + f.MapName + QStringLiteral("\">")};
    lines << f.Areas.split(lineBreak);
    lines << QStringLiteral("</MAP>");
    lines << QStringLiteral("<IMG src=\"") + f.PicturePath + QStringLiteral("\" height=\"") +
                 QString::number(f.PictureSize.height()) + QStringLiteral("\" width=\"") +
                 QString::number(f.PictureSize.width()) + QStringLiteral("\" usemap=\"#") + f.MapName +
                 QStringLiteral("\">");
    return lines;
}

MarkupOutcome imageMapMarkup(const ImageMapFields &fields)
{
    return MarkupOutcome::inserting(linesInsertion(imageMapLines(fields)));
}

} // namespace tagloom
