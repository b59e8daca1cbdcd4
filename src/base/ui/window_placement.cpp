#include "base/ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tagloom {

void showCentredOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    showAndRaise(window);
}

void showAndRaise(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tagloom
