#pragma once
// The surface the visual layer dialog and the image map creator draw on:
// press, drag and release draw one shape, a rubber-band outline following
// the mouse meanwhile. Coordinates are the canvas's own pixels, the optional
// picture lying at its top-left corner at its natural size.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <optional>

class QLabel;
class QStatusBar;

namespace tagloom {

class DrawingCanvas : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Rectangle, Ellipse };

    explicit DrawingCanvas(QWidget *parent = nullptr);

    // Wipes every shape; the next ones are outlines (no fill) of `shape`.
    void clear(Shape shape = Shape::Rectangle);
    void setShape(Shape shape) { m_shape = shape; }
    Shape shape() const { return m_shape; }
    // Later shapes are filled with `fill`; none: outlines only.
    void setFill(std::optional<QColor> fill) { m_fill = fill; }
    // The picture under the shapes; a null pixmap shows none.
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    // What is drawn so far, shapes only (transparent elsewhere).
    const QImage &shapes() const { return m_shapes; }

signals:
    void pressed(QPoint at);
    // Every mouse move, with or without a button down.
    void moved(QPoint at);
    // A drag ended; its shape is drawn already.
    void released(QPoint start, QPoint end);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect dragRect(QPoint end) const;
    void growShapes(QSize size);

    QPixmap m_picture;
    QImage m_shapes;
    Shape m_shape = Shape::Rectangle;
    std::optional<QColor> m_fill;
    std::optional<QPoint> m_start; // set while the button is down
    QPoint m_current;
};

// A status bar of `count` panels, each a label `width` pixels wide, for a
// drawing dialog's origin, current point and size.
QStatusBar *makeStatusPanels(QWidget *parent, int count, int width, QList<QLabel *> &panels);

// "Origin: (x, y)" and "Current: (x, y)", as the panels show them.
QString originText(QPoint at);
QString currentText(QPoint at);

} // namespace tagloom
