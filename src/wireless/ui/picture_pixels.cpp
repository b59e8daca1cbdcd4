#include "wireless/ui/picture_pixels.h"

#include <QImage>
#include <QImageReader>

namespace tagloom {

PixelBuffer pixelsOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PixelBuffer picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            picture.set(x, y, line[x] & 0xffffff);
    }
    return picture;
}

Result<PixelBuffer> readPicturePixels(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return Result<PixelBuffer>::failure(
            QStringLiteral("\"%1\" cannot be read as a picture: %2").arg(path, reader.errorString()));
    return Result<PixelBuffer>::success(pixelsOf(image));
}

} // namespace tagloom
