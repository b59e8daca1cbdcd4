#pragma once
// A decoded picture as the conversions take it: rows from the top down, each
// pixel 0xRRGGBB. Core code decodes only Windows bitmaps itself; the windows
// decode every format Qt reads into the same buffer.

#include <QtGlobal>
#include <vector>

namespace tagloom {

struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<quint32> pixels; // width * height, row by row

    PixelBuffer() = default;
    PixelBuffer(int w, int h, quint32 fill = 0) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    bool isEmpty() const { return width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height); }
    quint32 at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    void set(int x, int y, quint32 rgb) { pixels[size_t(y) * size_t(width) + size_t(x)] = rgb; }
};

} // namespace tagloom
