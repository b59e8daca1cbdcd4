#include "document/server_time_format.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const QDateTime kTuesday(QDate(2024, 3, 5), QTime(14, 3, 1), QTimeZone::utc());

TEST(ServerTimeFormatTest, Conversions)
{
    struct Row {
        const char *format;
        QDateTime when;
        QTimeZone zone;
        const char *expected;
    };
    const QDateTime midnight(QDate(2024, 1, 1), QTime(0, 7, 9), QTimeZone::utc());
    const QTimeZone utc = QTimeZone::utc();
    const QTimeZone plusOne(3600);
    const QTimeZone minusFiveThirty(-(5 * 3600 + 30 * 60));
    const Row rows[] = {
        {"%a %A %b %B %h", kTuesday, utc, "Tue Tuesday Mar March Mar"},
        {"%d %e %j", kTuesday, utc, "05  5 065"},
        {"%H %I %p %P %M %S", kTuesday, utc, "14 02 PM pm 03 01"},
        {"%I:%M %p %k|%l", midnight, utc, "12:07 AM  0|12"},
        {"%y %Y %C %m %%", kTuesday, utc, "24 2024 20 03 %"},
        {"%U %W %V %G %g %u %w", kTuesday, utc, "09 10 10 2024 24 2 2"},
        {"%c", kTuesday, utc, "Tue Mar  5 14:03:01 2024"},
        {"%D %F %R %T %r", kTuesday, utc, "03/05/24 2024-03-05 14:03 14:03:01 02:03:01 PM"},
        {"%x %X", kTuesday, utc, "03/05/24 14:03:01"},
        {"%-d|%_m|%0e|%Od|%Ey", kTuesday, utc, "5| 3|05|05|24"},
        {"%s", kTuesday, utc, "1709647381"},
        {"%Z %z", kTuesday, utc, "GMT +0000"},
        {"%H:%M %z %d", kTuesday, plusOne, "15:03 +0100 05"},
        {"%H:%M %z %A", kTuesday, minusFiveThirty, "08:33 -0530 Tuesday"},
        {"%q %-q 100%", kTuesday, utc, "%q %-q 100%"},
        {"%A, %d-%b-%Y %H:%M:%S %Z", kTuesday, utc, "Tuesday, 05-Mar-2024 14:03:01 GMT"},
        {"", kTuesday, utc, ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(formatServerTime(QLatin1String(row.format), row.when, row.zone), QLatin1String(row.expected))
            << row.format;
}

TEST(ServerTimeFormatTest, Sizes)
{
    struct Row {
        qint64 bytes;
        const char *asBytes;
        const char *abbreviated;
    };
    const Row rows[] = {
        {0, "0", "0"},
        {972, "972", "972"},
        {973, "973", "1.0K"},
        {1000, "1,000", "1.0K"},
        {1536, "1,536", "1.5K"},
        {9 * 1024 + 972, "10,188", "9.9K"},
        {20000, "20,000", "20K"},
        {1234567, "1,234,567", "1.2M"},
        {5LL * 1024 * 1024 * 1024, "5,368,709,120", "5.0G"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(sizeInBytesText(row.bytes), QLatin1String(row.asBytes)) << row.bytes;
        EXPECT_EQ(abbreviatedSizeText(row.bytes), QLatin1String(row.abbreviated)) << row.bytes;
    }
}

} // namespace
