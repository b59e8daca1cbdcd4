#include "base/text_codec.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// A sequence placed at every offset around the eight-byte fast path, so a
// fault in the step from whole words to single bytes shows.
TEST(TextCodec, Utf8ValidityAtEveryOffset)
{
    const struct {
        const char *bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"\xc3\xa9", true},           // é
        {"\xe2\x82\xac", true},       // €
        {"\xf0\x9f\x98\x80", true},   // an emoji, four bytes
        {"\xe9", false},              // Latin-1 é
        {"\xc3", false},              // cut short
        {"\xe2\x82", false},          // cut short
        {"\xc0\xaf", false},          // overlong "/"
        {"\xe0\x80\xaf", false},      // overlong
        {"\xed\xa0\x80", false},      // a surrogate
        {"\xf4\x90\x80\x80", false},  // past U+10FFFF
        {"\xf5\x80\x80\x80", false},
        {"\x80", false},              // a lone continuation byte
    };
    for (const auto &c : cases) {
        for (int before = 0; before <= 17; ++before) {
            for (int after : {0, 1, 9}) {
                const QByteArray bytes = QByteArray(before, 'a') + c.bytes + QByteArray(after, 'z');
                EXPECT_EQ(isValidUtf8(bytes), c.valid) << before << " " << after << " " << QByteArray(c.bytes).toHex().constData();
            }
        }
    }
}

TEST(TextCodec, DecodeKeepsEveryByteOfAnInvalidFile)
{
    const QByteArray latin1("caf\xe9 <b>\x00x", 10);
    const QString text = decode8Bit(latin1);
    ASSERT_EQ(text.size(), latin1.size());
    EXPECT_EQ(text.at(3), QChar(0xe9));
    EXPECT_EQ(text.at(8), QChar(0));
    EXPECT_EQ(decode8Bit(QByteArray("caf\xc3\xa9")), QString::fromUtf8("caf\xc3\xa9"));
    // A byte-order mark is text like any other and comes back on encoding.
    const QByteArray marked("\xEF\xBB\xBFhi");
    EXPECT_EQ(decode8Bit(marked), QChar(0xFEFF) + QStringLiteral("hi"));
    EXPECT_EQ(encode8Bit(decode8Bit(marked)), marked);
}

} // namespace
