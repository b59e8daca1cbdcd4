#include "tags/ui/colour_swatch.h"

#include "base/ui/colour_dialogs.h"

#include <QMouseEvent>

namespace tagloom {

ColourSwatch::ColourSwatch(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setFixedSize(24, 20);
    setAutoFillBackground(true);
    setToolTip(QStringLiteral("Double-click to choose a colour"));
    clearColour();
}

void ColourSwatch::setColour(const QColor &colour)
{
    m_colour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void ColourSwatch::clearColour()
{
    setColour(parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                             : QPalette().color(QPalette::Window));
}

void ColourSwatch::chooseColour()
{
    const QColor chosen = tagloom::chooseColour(window(), m_colour);
    if (!chosen.isValid())
        return;
    setColour(chosen);
    emit colourChosen(upperHexColour(chosen));
}

void ColourSwatch::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        chooseColour();
}

QString upperHexColour(const QColor &colour)
{
    return colour.name(QColor::HexRgb).toUpper();
}

} // namespace tagloom
