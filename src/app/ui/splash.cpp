#include "app/ui/splash.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace tagloom {

QSplashScreen *createSplash()
{
    QPixmap picture(420, 220);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(28, 64, 112));
    sky.setColorAt(1, QColor(70, 130, 180));
    p.fillRect(picture.rect(), sky);
    // A loom of tags: angle brackets woven across the picture.
    p.setPen(QPen(QColor(255, 255, 255, 60), 2));
    for (int x = -40; x < 460; x += 28)
        p.drawLine(x, 0, x + 60, 220);
    p.setPen(Qt::white);
    QFont title(QStringLiteral("Sans Serif"), 30, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 40, 420, 60), Qt::AlignCenter, QStringLiteral("<Tagloom/>"));
    QFont subtitle(QStringLiteral("Sans Serif"), 11);
    p.setFont(subtitle);
    p.drawText(QRect(0, 100, 420, 24), Qt::AlignCenter, QStringLiteral("Quenby Tagloom 5.0"));
    QFont loading(QStringLiteral("Sans Serif"), 10, QFont::Bold);
    p.setFont(loading);
    p.drawText(QRect(0, 170, 420, 24), Qt::AlignCenter, QStringLiteral("Loading..."));
    p.end();
    auto *splash = new QSplashScreen(picture, Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
    return splash;
}

} // namespace tagloom
