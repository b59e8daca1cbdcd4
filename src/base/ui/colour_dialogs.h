#pragma once
// Colour choosers of the program go through here, so that tests can answer
// them without showing a dialog.

#include <QColor>
#include <functional>

class QWidget;

namespace tagloom {

// The chosen colour, or an invalid one when the user cancelled.
using ColourDialogHandler = std::function<QColor(QWidget *parent, const QColor &initial)>;

QColor chooseColour(QWidget *parent, const QColor &initial);

// Replaces how colours are chosen (tests); an empty handler restores the
// real dialog. Returns the previous handler.
ColourDialogHandler setColourDialogHandler(ColourDialogHandler handler);

} // namespace tagloom
