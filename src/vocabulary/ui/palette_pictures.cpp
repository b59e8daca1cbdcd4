#include "vocabulary/ui/palette_pictures.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <functional>

namespace tagloom {

namespace {

// One small palette for all pictures, so the buttons read as one set.
const QColor kInk(0x33, 0x33, 0x33);
const QColor kBlue(0x2a, 0x6f, 0xb0);
const QColor kPale(0xe6, 0xee, 0xf7);
const QColor kGreen(0x3a, 0x8a, 0x3a);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kYellow(0xe8, 0xb5, 0x00);
const QColor kGrey(0x9a, 0x9a, 0x9a);

using Draw = std::function<void(QPainter &)>;

void pen(QPainter &p, const QColor &colour, qreal width = 1.2)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void box(QPainter &p, const QRectF &r, const QColor &fill = Qt::white, const QColor &outline = kInk)
{
    pen(p, outline);
    p.setBrush(fill);
    p.drawRect(r);
}

void glyph(QPainter &p, const QRectF &r, const QString &text, int pixels, bool bold, bool italic = false,
           const QColor &colour = kInk)
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void landscape(QPainter &p, const QRectF &r)
{
    box(p, r, kPale);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.32), r.width() * 0.12,
                  r.width() * 0.12);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.left() + r.width() * 0.45,
                                                                                r.top() + r.height() * 0.4),
                             QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.7),
                             QPointF(r.right() - 0.5, r.top() + r.height() * 0.45),
                             QPointF(r.right() - 0.5, r.bottom() - 0.5)}));
}

void arrowDown(QPainter &p, const QPointF &centre, qreal half)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({centre + QPointF(-half, -half / 2), centre + QPointF(half, -half / 2),
                             centre + QPointF(0, half / 2)}));
}

void drawBold(QPainter &p) { glyph(p, QRectF(0, 0, 22, 22), QStringLiteral("B"), 16, true); }
void drawItalic(QPainter &p) { glyph(p, QRectF(0, 0, 22, 22), QStringLiteral("I"), 16, true, true); }

const QHash<QString, Draw> &pictures()
{
    static const QHash<QString, Draw> table = {
        {QStringLiteral("image"), [](QPainter &p) { landscape(p, QRectF(2.5, 4.5, 17, 13)); }},
        {QStringLiteral("rollover"),
         [](QPainter &p) {
             box(p, QRectF(1.5, 2.5, 12, 9), kPale, kGrey);
             landscape(p, QRectF(8.5, 9.5, 12, 10));
         }},
        {QStringLiteral("hyperlink"),
         [](QPainter &p) {
             pen(p, kBlue, 2);
             p.setBrush(Qt::NoBrush);
             p.translate(11, 11);
             p.rotate(-45);
             p.drawRoundedRect(QRectF(-9, -3, 10, 6), 3, 3);
             p.drawRoundedRect(QRectF(-1, -3, 10, 6), 3, 3);
         }},
        {QStringLiteral("anchor"),
         [](QPainter &p) {
             pen(p, kBlue, 1.8);
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(11, 4), 2, 2);
             p.drawLine(QPointF(11, 6), QPointF(11, 19));
             p.drawLine(QPointF(7, 9), QPointF(15, 9));
             p.drawArc(QRectF(4, 9, 14, 10), 180 * 16, 180 * 16);
         }},
        {QStringLiteral("script"),
         [](QPainter &p) {
             box(p, QRectF(3.5, 1.5, 15, 19));
             glyph(p, QRectF(3.5, 1.5, 15, 19), QStringLiteral("{ }"), 10, true, false, kBlue);
         }},
        {QStringLiteral("applet"),
         [](QPainter &p) {
             pen(p, kRed, 1.2);
             for (qreal x : {7.0, 11.0})
                 p.drawArc(QRectF(x, 1, 3, 6), 90 * 16, 180 * 16);
             box(p, QRectF(4.5, 9.5, 11, 9), QColor(0xf4, 0xe4, 0xd0));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(13, 11, 6, 5), -90 * 16, 180 * 16);
             p.drawLine(QPointF(3, 20.5), QPointF(17, 20.5));
         }},
        {QStringLiteral("comment"),
         [](QPainter &p) {
             QPainterPath bubble;
             bubble.addRoundedRect(QRectF(2.5, 3.5, 17, 11), 4, 4);
             bubble.moveTo(6, 14);
             bubble.lineTo(5, 19);
             bubble.lineTo(10, 14);
             pen(p, kInk);
             p.setBrush(kPale);
             p.drawPath(bubble.simplified());
             p.setPen(Qt::NoPen);
             p.setBrush(kInk);
             for (qreal x : {7.0, 11.0, 15.0})
                 p.drawEllipse(QPointF(x, 9), 1.2, 1.2);
         }},
        {QStringLiteral("shockwave"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawEllipse(QRectF(2, 2, 18, 18));
             p.setBrush(Qt::white);
             p.drawPolygon(QPolygonF({QPointF(12, 4), QPointF(7, 12), QPointF(11, 12), QPointF(9, 18),
                                      QPointF(15, 9), QPointF(11, 9)}));
         }},
        {QStringLiteral("video"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kInk);
             p.drawRect(QRectF(2, 4, 18, 14));
             p.setBrush(Qt::white);
             for (int i = 0; i < 5; ++i) {
                 p.drawRect(QRectF(3.5 + i * 3.4, 5, 1.8, 1.6));
                 p.drawRect(QRectF(3.5 + i * 3.4, 15.4, 1.8, 1.6));
             }
             p.setBrush(kBlue);
             p.drawRect(QRectF(4, 8, 14, 6));
         }},
        {QStringLiteral("sound"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kInk);
             p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(7, 8), QPointF(12, 3), QPointF(12, 19), QPointF(7, 14),
                                      QPointF(3, 14)}));
             pen(p, kBlue, 1.5);
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(9, 7, 6, 8), -60 * 16, 120 * 16);
             p.drawArc(QRectF(9, 4, 10, 14), -60 * 16, 120 * 16);
         }},
        {QStringLiteral("quicktime"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kBlue);
             p.drawEllipse(QRectF(2, 2, 18, 18));
             glyph(p, QRectF(2, 2, 18, 18), QStringLiteral("Q"), 13, true, false, Qt::white);
         }},
        {QStringLiteral("realvideo"),
         [](QPainter &p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0x1f, 0x3f, 0x8f));
             p.drawEllipse(QRectF(2, 2, 18, 18));
             glyph(p, QRectF(2, 2, 18, 18), QStringLiteral("R"), 13, true, false, kYellow);
         }},
        {QStringLiteral("navigation"),
         [](QPainter &p) {
             box(p, QRectF(2.5, 2.5, 17, 5));
             arrowDown(p, QPointF(16.5, 5.2), 2);
             box(p, QRectF(2.5, 8.5, 13, 11), kPale);
             pen(p, kBlue, 1.5);
             for (qreal y : {11.5, 14.0, 16.5})
                 p.drawLine(QPointF(4.5, y), QPointF(13.5, y));
         }},
        {QStringLiteral("activex"),
         [](QPainter &p) {
             box(p, QRectF(3.5, 3.5, 15, 15), kPale, kBlue);
             pen(p, kBlue, 2.6);
             p.drawLine(QPointF(7, 7), QPointF(15, 15));
             p.drawLine(QPointF(15, 7), QPointF(7, 15));
         }},
        {QStringLiteral("plugin"),
         [](QPainter &p) {
             pen(p, kInk, 1.8);
             p.drawLine(QPointF(8, 2), QPointF(8, 7));
             p.drawLine(QPointF(14, 2), QPointF(14, 7));
             box(p, QRectF(5.5, 7.5, 11, 7), kGrey);
             pen(p, kInk, 1.8);
             p.setBrush(Qt::NoBrush);
             QPainterPath cable(QPointF(11, 14.5));
             cable.cubicTo(QPointF(11, 19), QPointF(17, 17), QPointF(18, 21));
             p.drawPath(cable);
         }},
        {QStringLiteral("linebreak"),
         [](QPainter &p) {
             pen(p, kBlue, 2);
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF({QPointF(17, 4), QPointF(17, 13), QPointF(5, 13)}));
             p.drawPolyline(QPolygonF({QPointF(9, 9), QPointF(5, 13), QPointF(9, 17)}));
         }},
        {QStringLiteral("layer"),
         [](QPainter &p) {
             for (int i = 2; i >= 0; --i) {
                 const qreal y = 4.5 + i * 4;
                 pen(p, kInk);
                 p.setBrush(i == 0 ? kBlue : kPale);
                 p.drawPolygon(QPolygonF({QPointF(7, y), QPointF(20, y), QPointF(15, y + 5), QPointF(2, y + 5)}));
             }
         }},
        {QStringLiteral("timestamp"),
         [](QPainter &p) {
             pen(p, kInk, 1.4);
             p.setBrush(Qt::white);
             p.drawEllipse(QRectF(2.5, 2.5, 17, 17));
             pen(p, kBlue, 1.8);
             p.drawLine(QPointF(11, 11), QPointF(11, 5.5));
             p.drawLine(QPointF(11, 11), QPointF(15, 13));
         }},
        {QStringLiteral("form"),
         [](QPainter &p) {
             box(p, QRectF(1.5, 2.5, 19, 17), kPale);
             box(p, QRectF(4.5, 5.5, 13, 3));
             box(p, QRectF(4.5, 10.5, 13, 3));
             box(p, QRectF(11.5, 15, 6, 2.5), kGrey);
         }},
        {QStringLiteral("pushbutton"),
         [](QPainter &p) {
             QLinearGradient shade(0, 6, 0, 16);
             shade.setColorAt(0, Qt::white);
             shade.setColorAt(1, QColor(0xc8, 0xc8, 0xc8));
             pen(p, kInk);
             p.setBrush(shade);
             p.drawRoundedRect(QRectF(1.5, 6.5, 19, 10), 2.5, 2.5);
             glyph(p, QRectF(1.5, 6.5, 19, 10), QStringLiteral("OK"), 8, true);
         }},
        {QStringLiteral("checkbox"),
         [](QPainter &p) {
             box(p, QRectF(3.5, 3.5, 15, 15));
             pen(p, kGreen, 2.4);
             p.drawPolyline(QPolygonF({QPointF(6.5, 11), QPointF(10, 14.5), QPointF(16, 6.5)}));
         }},
        {QStringLiteral("radio"),
         [](QPainter &p) {
             pen(p, kInk, 1.4);
             p.setBrush(Qt::white);
             p.drawEllipse(QRectF(3.5, 3.5, 15, 15));
             p.setPen(Qt::NoPen);
             p.setBrush(kBlue);
             p.drawEllipse(QPointF(11, 11), 3.5, 3.5);
         }},
        {QStringLiteral("textfield"),
         [](QPainter &p) {
             box(p, QRectF(1.5, 6.5, 19, 9));
             glyph(p, QRectF(2.5, 6.5, 11, 9), QStringLiteral("ab"), 8, false);
             pen(p, kBlue, 1.2);
             p.drawLine(QPointF(14.5, 8.5), QPointF(14.5, 13.5));
         }},
        {QStringLiteral("textarea"),
         [](QPainter &p) {
             box(p, QRectF(1.5, 2.5, 19, 17));
             box(p, QRectF(16.5, 2.5, 4, 17), kPale);
             pen(p, kGrey, 1.4);
             for (qreal y : {6.0, 9.5, 13.0, 16.5})
                 p.drawLine(QPointF(4, y), QPointF(14, y));
         }},
        {QStringLiteral("select"),
         [](QPainter &p) {
             box(p, QRectF(1.5, 6.5, 19, 9));
             box(p, QRectF(14.5, 6.5, 6, 9), kPale);
             arrowDown(p, QPointF(17.5, 11.5), 2.2);
             pen(p, kGrey, 1.4);
             p.drawLine(QPointF(4, 11), QPointF(11, 11));
         }},
        {QStringLiteral("filefield"),
         [](QPainter &p) {
             box(p, QRectF(1.5, 6.5, 11, 9));
             p.setPen(QPen(kInk, 1));
             p.setBrush(kYellow);
             p.drawPolygon(QPolygonF({QPointF(14.5, 8.5), QPointF(17, 8.5), QPointF(18, 9.5), QPointF(20.5, 9.5),
                                      QPointF(20.5, 15.5), QPointF(14.5, 15.5)}));
         }},
        {QStringLiteral("imagefield"),
         [](QPainter &p) {
             box(p, QRectF(1.5, 4.5, 19, 13));
             landscape(p, QRectF(4.5, 7.5, 13, 8));
         }},
        {QStringLiteral("hidden"),
         [](QPainter &p) {
             p.setPen(QPen(kGrey, 1.2, Qt::DashLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(1.5, 6.5, 19, 9));
         }},
        // Strong and emphasis look like bold and italic, as browsers show them.
        {QStringLiteral("strong"), drawBold},
        {QStringLiteral("bold"), drawBold},
        {QStringLiteral("emphasis"), drawItalic},
        {QStringLiteral("italic"), drawItalic},
        {QStringLiteral("underline"),
         [](QPainter &p) {
             glyph(p, QRectF(0, 0, 22, 20), QStringLiteral("U"), 15, true);
             pen(p, kInk, 1.5);
             p.drawLine(QPointF(6, 19.5), QPointF(16, 19.5));
         }},
        {QStringLiteral("rule"),
         [](QPainter &p) {
             pen(p, kGrey, 1.2);
             p.drawLine(QPointF(3, 5), QPointF(19, 5));
             p.drawLine(QPointF(3, 17), QPointF(19, 17));
             pen(p, kInk, 2.4);
             p.drawLine(QPointF(2, 11), QPointF(20, 11));
         }},
    };
    return table;
}

// Draws a picture when a button first shows it, at the size asked for, and
// keeps it: building the palettes draws nothing, and hidden pages never do.
class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(const Draw *draw) : m_draw(draw) {}

    QIconEngine *clone() const override { return new PictureEngine(m_draw); }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const QString key = QStringLiteral("%1x%2/%3").arg(size.width()).arg(size.height()).arg(int(mode));
        if (const auto it = m_rendered.constFind(key); it != m_rendered.constEnd())
            return *it;
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        {
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.scale(size.width() / 22.0, size.height() / 22.0);
            (*m_draw)(p);
        }
        // Disabled and selected buttons get the style's own look of the picture.
        if (mode != QIcon::Normal && mode != QIcon::Active) {
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        m_rendered.insert(key, picture);
        return picture;
    }

private:
    const Draw *m_draw; // an entry of the table, which lives for the whole run
    QHash<QString, QPixmap> m_rendered;
};

} // namespace

QIcon palettePicture(const QString &name)
{
    const auto it = pictures().constFind(name);
    if (it == pictures().constEnd())
        return QIcon();
    return QIcon(new PictureEngine(&*it));
}

QStringList palettePictureNames() { return pictures().keys(); }

} // namespace tagloom
