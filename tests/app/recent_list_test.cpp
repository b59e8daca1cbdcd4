#include "app/recent_list.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(RecentList, AddMovesIgnoringCaseAndKeepsTen)
{
    RecentList recent;
    for (int i = 1; i <= 11; ++i)
        recent.add(QStringLiteral("/docs/file%1.htm").arg(i));
    ASSERT_EQ(recent.entries().size(), 10);
    EXPECT_EQ(recent.entries().first(), QStringLiteral("/docs/file11.htm"));
    EXPECT_FALSE(recent.entries().contains(QStringLiteral("/docs/file1.htm")));

    recent.add(QStringLiteral("/DOCS/FILE5.HTM"));
    EXPECT_EQ(recent.entries().first(), QStringLiteral("/docs/file5.htm"));
    EXPECT_EQ(recent.entries().size(), 10);
    const QStringList before = recent.entries();
    recent.add(QStringLiteral("/docs/file5.htm"));
    EXPECT_EQ(recent.entries(), before);

    EXPECT_EQ(RecentList::caption(0, QStringLiteral("/a")), QStringLiteral("&1 /a"));
    EXPECT_EQ(RecentList::caption(9, QStringLiteral("/b")), QStringLiteral("&A /b"));
}

} // namespace
