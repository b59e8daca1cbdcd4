#include "site/remote_listing.h"

#include <gtest/gtest.h>

using namespace tagloom;

TEST(RemoteListingTest, SizeTexts)
{
    const struct {
        qint64 bytes;
        const char *text;
    } rows[] = {
        {0, "0 bytes"},          {512, "512 bytes"},       {1023, "1023 bytes"},   {1024, "1.00KB"},
        {1536, "1.50KB"},        {1048575, "1024.00KB"},   {1048576, "1.00MB"},    {2359296, "2.25MB"},
        {5368709120LL, "5120.00MB"}, // past 4 GB the whole size still counts
    };
    for (const auto &row : rows)
        EXPECT_EQ(remoteSizeText(row.bytes), row.text) << row.bytes;
}

TEST(RemoteListingTest, RowsAndWhichEntriesShow)
{
    const TFTPFindData folder{"pics", true, 4096, QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))};
    const RemoteRow f = remoteRow(folder);
    EXPECT_EQ(f.size, "");
    EXPECT_EQ(f.type, "Directory");
    EXPECT_EQ(f.lastModified, "04/03/2026 05:06:07");
    const RemoteRow file = remoteRow({"a.htm", false, 2048, {}});
    EXPECT_EQ(file.size, "2.00KB");
    EXPECT_EQ(file.type, "File");
    EXPECT_FALSE(isShownEntry({".", true, 0, {}}));
    EXPECT_FALSE(isShownEntry({"..", true, 0, {}}));
    EXPECT_TRUE(isShownEntry({"...", false, 0, {}}));
}
