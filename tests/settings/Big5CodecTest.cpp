// The code page 950 codec: Microsoft's table, and defined results for bad bytes.
#include "settings/Big5Codec.h"

#include <gtest/gtest.h>

namespace {
TEST(Big5Codec, IsMicrosoftsTable) {
    ASSERT_TRUE(Big5Codec::isAvailable());
    EXPECT_EQ(Big5Codec::fromUnicode(u"技術資料"), QByteArray("\xa7\xde\xb3\x4e\xb8\xea\xae\xc6"));
    EXPECT_EQ(Big5Codec::fromUnicode(u"駕駛活動類型資料").size(), 16);
    EXPECT_EQ(Big5Codec::toUnicode(QByteArray("\xa7\xde\xb3\x4e")), QStringLiteral("技術"));
    // Microsoft's extensions: the euro sign at A3E1 and the box-drawing row F9F9.
    EXPECT_EQ(Big5Codec::toUnicode(QByteArray("\xa3\xe1")), QStringLiteral("€"));
    EXPECT_EQ(Big5Codec::toUnicode(QByteArray("\xf9\xf9")), QString(QChar(0x2550)));
    EXPECT_EQ(Big5Codec::fromUnicode(u"ABC 123"), QByteArray("ABC 123"));
}

TEST(Big5Codec, InvalidBytesBecomeReplacementCharactersWithoutCuttingTheText) {
    // A lead byte followed by a byte that cannot trail, and a lone lead byte at the end.
    const QString a = Big5Codec::toUnicode(QByteArray("A\xa7\x09Z"));
    EXPECT_TRUE(a.startsWith(QLatin1Char('A')));
    EXPECT_TRUE(a.contains(QChar(0xFFFD)));
    EXPECT_TRUE(a.contains(QLatin1Char('Z')));
    const QString b = Big5Codec::toUnicode(QByteArray("OK\xa7"));
    EXPECT_EQ(b, QStringLiteral("OK") + QChar(0xFFFD));
    const QString c = Big5Codec::toUnicode(QByteArray("\x80\xff", 2));
    EXPECT_FALSE(c.isEmpty());
    // NUL bytes are kept.
    EXPECT_EQ(Big5Codec::toUnicode(QByteArray("A\0B", 3)).size(), 3);
}

TEST(Big5Codec, UnmappableCharactersAreReplacedNotDropped) {
    const QByteArray bytes = Big5Codec::fromUnicode(u"A\U0001F600B");
    EXPECT_TRUE(bytes.startsWith('A'));
    EXPECT_TRUE(bytes.endsWith('B'));
    EXPECT_GT(bytes.size(), 2);
}
} // namespace
