#pragma once
// Pictures of every format Qt reads (BMP, JPEG, GIF, PNG, ICO, WBMP, ...)
// decoded into the neutral pixel buffer that the core conversions take.

#include "base/result.h"
#include "wireless/pixel_buffer.h"

#include <QString>

class QImage;

namespace tagloom {

Result<PixelBuffer> readPicturePixels(const QString &path);
PixelBuffer pixelsOf(const QImage &image);

} // namespace tagloom
