#pragma once
// WBMP (type 0) pictures for WML pages: one bit a pixel, white where a bit is
// set. Colours become black and white by the sum of their three channels and
// a seven-band ordered dither.

#include "base/result.h"
#include "wireless/pixel_buffer.h"

#include <QByteArray>
#include <QString>

namespace tagloom {

// The writer's limits: a row of at most 257 bytes, a height that fits in a
// two-byte integer.
inline constexpr int WbmpMaxWidth = 2056;
inline constexpr int WbmpMaxHeight = 16383;

// Appends `value` (0 to 16383) as a WBMP multi-byte integer: below 128 one
// byte, else 128 + value / 128 and then value % 128.
void WriteWbmpInteger(QByteArray &out, int value);

// Whether the pixel at (x, y), whose channels sum to `sum` (0 to 765), is
// white under the ordered dither.
bool wbmpPixelIsWhite(int sum, int x, int y);

// The whole WBMP file of `picture`; empty for an empty picture or one beyond
// the limits.
QByteArray wbmpBytes(const PixelBuffer &picture);

// Writes `picture` to `outputPath`, replacing a file there atomically. Fails
// with a message, and leaves no file, for an empty picture, one beyond the
// limits or a file that cannot be written.
Status BitmapToWbmp(const PixelBuffer &picture, const QString &outputPath);

// Reads `sourcePath` as a Windows bitmap and writes it as a WBMP.
Status ConvertFileToWbmp(const QString &sourcePath, const QString &outputPath);

} // namespace tagloom
