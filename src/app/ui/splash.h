#pragma once
// The start-up splash: the product picture and a bold "Loading...".

#include <QSplashScreen>

namespace tagloom {

QSplashScreen *createSplash();

} // namespace tagloom
