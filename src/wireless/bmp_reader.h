#pragma once
// A reader of Windows bitmap (BMP) files for code that may not use Qt's
// picture loaders: uncompressed bitmaps of 1, 4, 8, 16, 24 and 32 bits a
// pixel, with colour masks, bottom-up or top-down. Compressed (RLE) bitmaps
// and anything malformed are refused with a message; nothing is read past
// the end of the bytes.

#include "base/result.h"
#include "wireless/pixel_buffer.h"

#include <QByteArray>

namespace tagloom {

Result<PixelBuffer> readBmp(const QByteArray &fileBytes);

} // namespace tagloom
