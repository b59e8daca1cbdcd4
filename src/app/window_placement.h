#pragma once
// Tool windows and dialogs that open in the middle of the screen.

class QWidget;

namespace tagloom {

// Centres `window` (at its present size) on the primary screen, shows it and
// brings it to the front.
void showCentredOnScreen(QWidget *window);

} // namespace tagloom
