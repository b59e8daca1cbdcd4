#include "vocabulary/colour_hex.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(ColourHex, ComponentsAndColours)
{
    EXPECT_EQ(hexByte(0), QStringLiteral("00"));
    EXPECT_EQ(hexByte(15), QStringLiteral("0F"));
    EXPECT_EQ(hexByte(255), QStringLiteral("FF"));
    EXPECT_EQ(hexColour(255, 128, 0), QStringLiteral("#FF8000"));
}

} // namespace
