#include "base/ui/colour_dialogs.h"

#include <QColorDialog>

namespace tagloom {

namespace {

ColourDialogHandler &handler()
{
    static ColourDialogHandler h;
    return h;
}

} // namespace

QColor chooseColour(QWidget *parent, const QColor &initial)
{
    if (handler())
        return handler()(parent, initial);
    return QColorDialog::getColor(initial, parent);
}

ColourDialogHandler setColourDialogHandler(ColourDialogHandler h)
{
    std::swap(handler(), h);
    return h;
}

} // namespace tagloom
