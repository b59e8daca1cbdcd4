#include "tags/download_timer.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(DownloadTimer, SizeAndTimesForEachConnection)
{
    const struct {
        const char *name;
        qint64 bytes;
        const char *fileSize;
        QStringList times;
    } cases[] = {
        {"an empty page", 0, "00", QStringList(6, QStringLiteral("0.00 Secs"))},
        {"ten kilobytes", 10240, "10",
         {"8.53 Secs", "5.69 Secs", "2.84 Secs", "1.46 Secs", "1.28 Secs", "0.60 Secs"}},
        {"0.4 kilobytes rounds down to two zeros", 410, "00",
         {"0.34 Secs", "0.23 Secs", "0.11 Secs", "0.06 Secs", "0.05 Secs", "0.02 Secs"}},
        {"12.6 kilobytes rounds up", 12903, "13",
         {"10.75 Secs", "7.17 Secs", "3.58 Secs", "1.84 Secs", "1.61 Secs", "0.76 Secs"}},
        {"a megabyte keeps all its digits", 1048576, "1024",
         {"873.79 Secs", "582.55 Secs", "291.27 Secs", "149.82 Secs", "131.07 Secs", "61.59 Secs"}},
    };
    for (const auto &c : cases) {
        const DownloadTimes t = downloadTimes(c.bytes);
        EXPECT_EQ(t.fileSize, QLatin1String(c.fileSize)) << c.name;
        EXPECT_EQ(t.times, c.times) << c.name;
    }
}

TEST(DownloadTimer, TheFastestRowIsTwoIsdnChannelsAtTheirRealRate)
{
    // Sixteen and five eighths kilobytes a second: a page of exactly that
    // size takes one second.
    ASSERT_EQ(connectionRates().size(), 6u);
    EXPECT_STREQ(connectionRates().back().caption, " ISDN Modem x2");
    EXPECT_EQ(downloadTimes(17024).times.back(), QStringLiteral("1.00 Secs"));
}

TEST(DownloadTimer, RoundingAtTheEdges)
{
    const struct {
        double value;
        const char *whole;
        const char *seconds;
    } cases[] = {
        {0.5, "01", "0.50 Secs"},
        {0.499, "00", "0.50 Secs"},
        {0.004, "00", "0.00 Secs"},
        {0.995, "01", "1.00 Secs"}, // carries into the whole seconds, never "0.100"
        {9.999, "10", "10.00 Secs"},
        {99.5, "100", "99.50 Secs"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(formatWholeKilobytes(c.value), QLatin1String(c.whole)) << c.value;
        EXPECT_EQ(formatSeconds(c.value), QLatin1String(c.seconds)) << c.value;
    }
}

} // namespace
