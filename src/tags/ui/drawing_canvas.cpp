#include "tags/ui/drawing_canvas.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>

namespace tagloom {

DrawingCanvas::DrawingCanvas(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void DrawingCanvas::clear(Shape shape)
{
    m_shapes = QImage(size().expandedTo(m_picture.size()), QImage::Format_ARGB32_Premultiplied);
    m_shapes.fill(Qt::transparent);
    m_shape = shape;
    m_fill.reset();
    m_start.reset();
    update();
}

void DrawingCanvas::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    setMinimumSize(picture.size());
    growShapes(size().expandedTo(picture.size()));
    update();
}

void DrawingCanvas::growShapes(QSize size)
{
    if (m_shapes.width() >= size.width() && m_shapes.height() >= size.height())
        return;
    QImage grown(size.expandedTo(m_shapes.size()), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter(&grown).drawImage(0, 0, m_shapes);
    m_shapes = grown;
}

void DrawingCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    growShapes(size()); // a smaller window keeps what lies outside it
}

QRect DrawingCanvas::dragRect(QPoint end) const
{
    // Corner to corner as dragged, in whichever direction.
    return QRect(*m_start, end).normalized();
}

void DrawingCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    painter.drawImage(0, 0, m_shapes);
    if (m_start) {
        // The outline inverts what lies under it, so it shows on any picture.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        const QRect outline = dragRect(m_current);
        if (m_shape == Shape::Ellipse)
            painter.drawEllipse(outline);
        else
            painter.drawRect(outline);
    }
}

void DrawingCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_start = event->position().toPoint();
    m_current = *m_start;
    emit pressed(*m_start);
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent *event)
{
    m_current = event->position().toPoint();
    if (m_start)
        update();
    emit moved(m_current);
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_start)
        return;
    const QPoint start = *m_start;
    const QPoint end = event->position().toPoint();
    m_start.reset();
    growShapes(size());
    {
        QPainter painter(&m_shapes);
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        painter.setBrush(m_fill ? QBrush(*m_fill) : QBrush(Qt::NoBrush));
        const QRect shape = QRect(start, end).normalized();
        if (m_shape == Shape::Ellipse)
            painter.drawEllipse(shape);
        else
            painter.drawRect(shape);
    }
    update();
    emit released(start, end);
}

QStatusBar *makeStatusPanels(QWidget *parent, int count, int width, QList<QLabel *> &panels)
{
    auto *bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < count; ++i) {
        auto *panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setFixedWidth(width);
        bar->addWidget(panel);
        panels.append(panel);
    }
    return bar;
}

QString originText(QPoint at) { return QStringLiteral("Origin: (%1, %2)").arg(at.x()).arg(at.y()); }
QString currentText(QPoint at) { return QStringLiteral("Current: (%1, %2)").arg(at.x()).arg(at.y()); }

} // namespace tagloom
