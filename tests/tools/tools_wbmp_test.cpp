// tagloom-tools wbmp: a Windows bitmap in, a WBMP picture out.
#include "common/temp_data.h"
#include "tool_runs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// A bottom-up 24-bit bitmap of `width` by `height` pixels, every pixel
// (b, g, r) from `colour(x, y)` (y from the top).
QByteArray bitmap(int width, int height, const std::function<std::array<uchar, 3>(int, int)> &colour)
{
    const int row = ((width * 3) + 3) / 4 * 4;
    auto le = [](QByteArray &b, quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
    };
    QByteArray b = "BM";
    le(b, 54 + row * height, 4);
    le(b, 0, 4);
    le(b, 54, 4);
    le(b, 40, 4);
    le(b, width, 4);
    le(b, height, 4);
    le(b, 1, 2);
    le(b, 24, 2);
    le(b, 0, 4);
    le(b, row * height, 4);
    le(b, 2835, 4);
    le(b, 2835, 4);
    le(b, 0, 4);
    le(b, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        QByteArray line;
        for (int x = 0; x < width; ++x)
            for (uchar c : colour(x, y))
                line.append(char(c));
        line.resize(row, '\0');
        b += line;
    }
    return b;
}

TEST(ToolsWbmp, ConvertsABitmapAndRefusesWhatItCannot)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.bmp"));
    const QString out = dir.filePath(QStringLiteral("out.wbmp"));
    // White on the top row, black below it, 9 pixels wide: rows of 2 bytes.
    test::writeBytes(in, bitmap(9, 2, [](int, int y) {
                         return y == 0 ? std::array<uchar, 3>{255, 255, 255} : std::array<uchar, 3>{0, 0, 0};
                     }));
    const test::ToolRun run = test::runTools({QStringLiteral("wbmp"), in, out});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(test::readBytes(out).toHex(' '), QByteArray("00 00 09 02 ff 80 00 00"));

    // Not a bitmap: status 2, a message naming the file, and no output.
    const QString text = dir.filePath(QStringLiteral("page.htm"));
    test::writeBytes(text, "<html></html>");
    const QString none = dir.filePath(QStringLiteral("none.wbmp"));
    const test::ToolRun refused = test::runTools({QStringLiteral("wbmp"), text, none});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains("page.htm")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(none));

    // Too wide for the format.
    test::writeBytes(in, bitmap(2057, 1, [](int, int) { return std::array<uchar, 3>{0, 0, 0}; }));
    const test::ToolRun tooWide = test::runTools({QStringLiteral("wbmp"), in, none});
    EXPECT_EQ(tooWide.status, 2);
    EXPECT_TRUE(tooWide.err.contains("2056")) << tooWide.err.toStdString();
    EXPECT_FALSE(QFile::exists(none));

    EXPECT_EQ(test::runTools({QStringLiteral("wbmp"), in}).status, 2);
}

} // namespace
