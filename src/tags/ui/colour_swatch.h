#pragma once
// A small box painted in a colour beside a colour field. A double-click opens
// the colour dialog; a chosen colour paints the box and is offered as
// "#RRGGBB" (upper-case hexadecimal, red, green, blue) for the field.

#include <QFrame>

namespace tagloom {

class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);
    // Back to the window face colour, as when nothing is chosen.
    void clearColour();
    // What a double-click does.
    void chooseColour();

signals:
    void colourChosen(const QString &hex);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_colour;
};

// "#RRGGBB" in upper-case hexadecimal.
QString upperHexColour(const QColor &colour);

} // namespace tagloom
