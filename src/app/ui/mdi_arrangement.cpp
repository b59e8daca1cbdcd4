#include "app/ui/mdi_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tagloom {

void tileHorizontally(QMdiArea *area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : area->subWindowList(QMdiArea::CreationOrder))
        if (!sub->isMinimized())
            windows.append(sub);
    if (windows.isEmpty())
        return;
    const QRect space = area->viewport()->rect();
    const int height = space.height() / static_cast<int>(windows.size());
    int y = 0;
    for (QMdiSubWindow *sub : windows) {
        sub->showNormal();
        sub->setGeometry(0, y, space.width(), height);
        y += height;
    }
}

void arrangeIcons(QMdiArea *area)
{
    const QRect space = area->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow *sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        sub->move(x, space.height() - size.height());
        x += size.width();
    }
}

} // namespace tagloom
