#pragma once
// How tool windows and modeless dialogs come to the front.

class QWidget;

namespace tagloom {

// Centres `window` (at its present size) on the primary screen.
void centreOnScreen(QWidget *window);

// Centres `window` on the primary screen, shows it and brings it to the front.
void showCentredOnScreen(QWidget *window);

// Shows `window` where it was, brings it to the front and gives it the focus.
void showAndRaise(QWidget *window);

} // namespace tagloom
