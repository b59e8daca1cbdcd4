#pragma once
// Colour values as mark-up writes them.

#include <QString>

namespace tagloom {

// Two upper-case hexadecimal digits of a 0-255 component ("0F", "FF").
QString hexByte(int value);
// "#RRGGBB" from 0-255 components.
QString hexColour(int red, int green, int blue);

} // namespace tagloom
