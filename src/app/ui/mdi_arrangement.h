#pragma once
// Window arrangements of the multi-document area beyond Qt's own cascade.

class QMdiArea;

namespace tagloom {

// One above the other, each as wide as the area, without overlap.
void tileHorizontally(QMdiArea *area);
// The icons of minimised windows lined up along the bottom.
void arrangeIcons(QMdiArea *area);

} // namespace tagloom
