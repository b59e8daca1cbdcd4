#include "vocabulary/colour_hex.h"

#include <algorithm>

namespace tagloom {

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(std::clamp(value, 0, 255), 2, 16, QLatin1Char('0')).toUpper();
}

QString hexColour(int red, int green, int blue)
{
    return QLatin1Char('#') + hexByte(red) + hexByte(green) + hexByte(blue);
}

} // namespace tagloom
