#include "base/ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tagloom {

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void showCentredOnScreen(QWidget *window)
{
    centreOnScreen(window);
    showAndRaise(window);
}

void showAndRaise(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tagloom
