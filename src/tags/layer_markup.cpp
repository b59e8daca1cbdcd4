#include "tags/layer_markup.h"

namespace tagloom {

QString layerLine(const LayerFields &f)
{
    return QLatin1Char('<') + f.Tag + QStringLiteral(" id=\"") + f.Name +
           QStringLiteral("\" style=\"position:absolute; top: ") + f.Top + QStringLiteral(" left: ") + f.Left +
           QStringLiteral(" height: ") + f.Height + QStringLiteral(" width: ") + f.Width +
           QStringLiteral(" background-color: ") + f.Color + QStringLiteral(";\"></") + f.Tag + QLatin1Char('>');
}

MarkupOutcome layerMarkup(const LayerFields &fields)
{
    QList<DialogMessage> messages;
    if (fields.Tag.isEmpty())
        messages.append({DialogMessage::Kind::Error, QString::fromLatin1(NoLayerTagMessage)});
    return MarkupOutcome::inserting(lineInsertion(layerLine(fields)), messages);
}

QString htmlColour(quint32 rgb)
{
    return QLatin1Char('#') + QStringLiteral("%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

QString visualLayerLine(const QString &tag, QPoint start, QPoint end, quint32 fillRgb)
{
    return QLatin1Char('<') + tag + QStringLiteral(" style=\"position:absolute; top: %1px; left: %2px; height: %3px; "
                                                   "width: %4px; background-color:")
                                        .arg(start.y())
                                        .arg(start.x())
                                        .arg(end.y() - start.y())
                                        .arg(end.x() - start.x()) +
           htmlColour(fillRgb) + QStringLiteral(";\"></") + tag + QLatin1Char('>');
}

} // namespace tagloom
