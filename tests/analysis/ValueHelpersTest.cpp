// The value helpers every decoder reads its block with.
#include "analysis/ValueHelpers.h"
#include "analysis/BlockReader.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<std::uint8_t> B(std::initializer_list<int> v) {
    std::vector<std::uint8_t> out;
    for (int x : v)
        out.push_back(static_cast<std::uint8_t>(x));
    return out;
}

struct NumberCase {
    std::vector<std::uint8_t> bytes;
    int length;
    int offset;
    std::int32_t expected;
};

TEST(ValueHelpers, ToLongIsBigEndianKeepingTheLow32Bits) {
    const NumberCase cases[] = {
        {B({0xFF, 0xFF, 0xFF, 0xFF}), 4, 0, -1},
        {B({0x01, 0x00}), 2, 0, 256},
        {B({0x80, 0, 0, 0}), 4, 0, INT32_MIN},
        {B({0x12, 0x34, 0x56, 0x78, 0x9A}), 5, 0, 0x3456789A},
        {B({0x12}), 0, 0, 0},
        {B({0x12}), -1, 0, 0},
        {B({9, 0x01, 0x02}), 2, 1, 0x0102},
        {B({0x01, 0x02}), 2, 1, 0}, // beyond the block: nothing is read
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(ToLong(c.bytes, c.length, c.offset), c.expected) << c.length << "@" << c.offset;
}

TEST(ValueHelpers, ToBCDReadsHexDigitsAsDecimal) {
    const NumberCase cases[] = {
        {B({0x12, 0x34}), 2, 0, 1234},
        {B({0x00, 0x12}), 2, 0, 12},
        {B({0x99, 0x99, 0x99, 0x99, 0x99}), 5, 0, 0}, // beyond the 32-bit range
        {B({0x21, 0x47, 0x48, 0x36, 0x47}), 5, 0, 2147483647},
        {B({0x21, 0x47, 0x48, 0x36, 0x48}), 5, 0, 0},
        {B({0x1A}), 1, 0, 0},
        {B({0xA1}), 1, 0, 0},
        {B({}), 0, 0, 0},
        {B({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07}), 7, 0, 7},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(ToBCD(c.bytes, c.length, c.offset), c.expected) << c.length;
}

TEST(ValueHelpers, ToUnixTimeIsLittleEndian) {
    EXPECT_EQ(ToUnixTime(B({0x00, 0x00, 0x00, 0x80})), INT32_MIN);
    EXPECT_EQ(ToUnixTime(B({0x01, 0x02, 0x03, 0x04})), 0x04030201);
    EXPECT_EQ(ToUnixTime(B({0x01, 0x02, 0x03})), 0);
}

TEST(ValueHelpers, HexTextsAndTrimmedText) {
    EXPECT_EQ(ToStringBCD(B({0x20, 0x21}), 2, 0), QStringLiteral("2021"));
    EXPECT_EQ(ToStringBCD(B({0xFF}), 1, 0), QStringLiteral("FF"));
    EXPECT_EQ(ToStringHEX(B({0x0A, 0xBC}), 2, 0), QStringLiteral("0ABC"));
    EXPECT_EQ(ToStringBCD(B({0x0A}), 2, 0), QString());
    EXPECT_EQ(ToString(B({0x20, 0x41, 0x00, 0x42, 0x20, 0x00}), 6, 0), QByteArray("A\0B", 3));
    EXPECT_EQ(ToString(B({0x01, 0x20, 0x09}), 3, 0), QByteArray());
    EXPECT_EQ(ToString(B({0xA7, 0xDE, 0x20}), 3, 0), QByteArray("\xa7\xde"));
}

TEST(ValueHelpers, BcdDateTimesAreCheckedOrAssembledUnchecked) {
    EXPECT_EQ(FormatDateTime(BCDToDateTime("20210607144454")), QStringLiteral("2021/06/07 14:44:54"));
    const char* invalid[] = {"20210230000000",  "20211301000000", "20210431000000",
                             "00000101000000",  "20210101240000", "2021010100000",
                             "202101010000000", "2021A101000000", ""};
    for (const char* s : invalid)
        EXPECT_TRUE(BCDToDateTime(QString::fromLatin1(s)).isZero()) << s;
    EXPECT_EQ(BCDToDateTimeString("20210230000000"), QStringLiteral("2021/02/30 00:00:00"));
    EXPECT_EQ(BCDToDateTimeString("2021023000000"), QStringLiteral("1970/01/01 00:00:00"));
    EXPECT_EQ(ToStringBCDDateTime(B({0x20, 0x21, 0x06, 0x07, 0x14, 0x44, 0x54}), 7, 0),
              QStringLiteral("2021/06/07 14:44:54"));
    EXPECT_EQ(ToStringBCDDateTime(B({0x20, 0x21, 0x02, 0x30, 0x00, 0x00, 0x00}), 7, 0),
              QStringLiteral("1899/12/30 00:00:00"));
}

TEST(ValueHelpers, RecordTimeTextAndValue) {
    const auto t = B({0x20, 0x24, 0x03, 0x05, 0x08, 0x15, 0x00});
    EXPECT_EQ(BCDTimeText(t, 0), QStringLiteral("2024/03/05 08:15:00"));
    DateTimeValue v;
    ASSERT_TRUE(BCDTimeValue(t, 0, v));
    EXPECT_EQ(v, *DateTimeValue::fromParts(2024, 3, 5, 8, 15, 0));
    EXPECT_FALSE(BCDTimeValue(B({0x20, 0x24, 0x13, 0x05, 0x08, 0x15, 0x00}), 0, v));
    EXPECT_FALSE(BCDTimeValue(B({0x20, 0x24, 0x03, 0x05, 0x08, 0x15}), 0, v));
    EXPECT_EQ(BCDTimeText(B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0),
              QStringLiteral("FFFF/FF/FF FF:FF:FF"));
}

TEST(BlockReader, NeverReadsOutsideItsBlock) {
    const auto data = B({1, 2, 3, 4});
    const BlockReader r(data);
    EXPECT_TRUE(r.canRead(0, 4));
    EXPECT_FALSE(r.canRead(1, 4));
    EXPECT_FALSE(r.canRead(-1, 1));
    EXPECT_FALSE(r.canRead(0x7FFFFFFFFFFFFFFFLL, 2));
    EXPECT_EQ(r.u8(3), 4);
    EXPECT_EQ(r.u8(4), 0);
    EXPECT_EQ(r.be(2, 2), 0x0304u);
    EXPECT_EQ(r.be(2, 3), 0u);
    EXPECT_TRUE(r.slice(2, 3).empty());
    EXPECT_EQ(r.sub(1, 2).size(), 2u);
    EXPECT_EQ(r.sub(1, 2).u8(0), 2);
}
} // namespace
