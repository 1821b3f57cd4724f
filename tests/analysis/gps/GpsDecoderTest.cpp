// The GPS positions block: which blocks are accepted, the per-minute fields
// with their scale factors, and the sorted day lists.
#include "analysis/GpsDecoder.h"
#include "fixtures/GpsBuilder.h"

#include <gtest/gtest.h>

namespace {
Bytes view(const QByteArray& b) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size()));
}
std::shared_ptr<const GpsModel> decode(const QByteArray& block) {
    return DecodeGpsRecord(view(block));
}
} // namespace

TEST(GpsDecoder, MinuteEntryOfTheWorkedExample) {
    const auto m =
        decode(GpsBuilder()
                   .hour(2023, 10, 15, 8)
                   .rawMinute(0, {0x12, 0x15, 0x64, 0x46, 0x25, 0x03, 0x39, 0x64, 0x00, 0x35, 0x3C})
                   .bytes());
    ASSERT_EQ(m->hourCount(), 1);
    const TGPSMinute g = m->minute(0, 0);
    EXPECT_DOUBLE_EQ(g.Longitude, 121.56446);
    EXPECT_DOUBLE_EQ(g.Latitude, 25.033964);
    EXPECT_EQ(g.Altitude, 35);
    EXPECT_EQ(g.Speed, 60);
    // The whole hour record carries the same entry at minute 0.
    const TGPSHour h = m->hour(0);
    EXPECT_EQ(h.szStartDate, QStringLiteral("20231015080000"));
    EXPECT_DOUBLE_EQ(h.GPS[0].Latitude, 25.033964);
    EXPECT_EQ(h.GPS[1].Speed, 0);
}

TEST(GpsDecoder, FieldsWithFillOrHexDigitsReadAsZero) {
    const auto m =
        decode(GpsBuilder()
                   .hour(2023, 10, 15, 8)
                   .noFix(5, 47)
                   .rawMinute(6, {0x12, 0x15, 0x6A, 0x46, 0x25, 0x03, 0x39, 0x64, 0x0F, 0x35, 0xFF})
                   .fix(59, 22.627278, 120.301435, 9999, 255)
                   .bytes());
    const TGPSMinute fill = m->minute(0, 5);
    EXPECT_EQ(fill.Latitude, 0.0);
    EXPECT_EQ(fill.Longitude, 0.0);
    EXPECT_EQ(fill.Altitude, 0);
    EXPECT_EQ(fill.Speed, 47); // the speed byte is binary, not BCD
    const TGPSMinute hex = m->minute(0, 6);
    EXPECT_EQ(hex.Longitude, 0.0);
    EXPECT_DOUBLE_EQ(hex.Latitude, 25.033964);
    EXPECT_EQ(hex.Altitude, 0);
    EXPECT_EQ(hex.Speed, 255);
    const TGPSMinute last = m->minute(0, 59);
    EXPECT_NEAR(last.Latitude, 22.627278, 1e-9);
    EXPECT_NEAR(last.Longitude, 120.30144, 1e-9); // five decimals kept
    EXPECT_EQ(last.Altitude, 9999);
    EXPECT_EQ(last.Speed, 255);
}

struct RejectedCase {
    const char* name;
    QByteArray block;
};

class GpsRejectedBlock : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(GpsRejectedBlock, LeavesTheModelEmpty) {
    const auto m = decode(GetParam().block);
    EXPECT_FALSE(m->isValid());
    EXPECT_EQ(m->chartTag(), 0);
    EXPECT_EQ(m->hourCount(), 0);
    EXPECT_TRUE(m->days().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, GpsRejectedBlock,
    ::testing::Values(RejectedCase{"Missing", QByteArray()}, RejectedCase{"OneByte", QByteArray(1, '\x01')},
                      RejectedCase{"CountZero", GpsBuilder().count(0).bytes()},
                      RejectedCase{"CountZeroWithARecord",
                                   GpsBuilder().hour(2023, 10, 15, 8).count(0).bytes()},
                      RejectedCase{"OneByteTooMany",
                                   GpsBuilder().hour(2023, 10, 15, 8).trailing(QByteArray(1, '\0')).bytes()},
                      RejectedCase{"OneByteTooFew", GpsBuilder().hour(2023, 10, 15, 8).bytes().chopped(1)},
                      RejectedCase{"CountAboveRecords", GpsBuilder().hour(2023, 10, 15, 8).count(2).bytes()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GpsDecoder, DayListsAreSortedWithoutRepeats) {
    const auto m =
        decode(GpsBuilder().hour(2023, 10, 15, 8).hour(2023, 10, 15, 9).hour(2023, 10, 14, 22).bytes());
    EXPECT_TRUE(m->isValid());
    EXPECT_EQ(m->chartTag(), 1);
    EXPECT_EQ(m->days(), (QStringList{QStringLiteral("2023/10/14"), QStringLiteral("2023/10/15")}));
    // Hours stay in block order.
    EXPECT_EQ(m->szStartDate(2), QStringLiteral("20231014220000"));
    EXPECT_EQ(m->hoursOfDay(u"20231015"), (std::vector<int>{0, 1}));
    EXPECT_EQ(m->hoursOfDay(u"20231014"), (std::vector<int>{2}));
    EXPECT_TRUE(m->hoursOfDay(u"20231016").empty());
}

TEST(GpsDecoder, HourWithAnInvalidStartIsKeptUnderTheZeroDay) {
    const auto m = decode(GpsBuilder()
                              .hour(2023, 10, 15, 8)
                              .rawHour({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
                              .fix(3, 25.0, 121.0, 10, 30)
                              .rawHour({0x20, 0x23, 0x02, 0x30, 0x08, 0x00, 0x00}) // 30 February
                              .bytes());
    ASSERT_EQ(m->hourCount(), 3);
    EXPECT_EQ(m->szStartDate(1), QStringLiteral("FFFFFFFFFFFFFF"));
    EXPECT_EQ(m->szStartDate(2), QStringLiteral("20230230080000"));
    EXPECT_TRUE(m->startTime(1).isZero());
    EXPECT_EQ(m->dayText(2), QStringLiteral("1899/12/30"));
    EXPECT_EQ(m->minute(1, 3).Speed, 30);
    EXPECT_EQ(m->days(), (QStringList{QStringLiteral("1899/12/30"), QStringLiteral("2023/10/15")}));
}

TEST(GpsDecoder, StartDigitsKeepMinutesAndSeconds) {
    const auto m = decode(GpsBuilder().hour(2023, 10, 15, 8, 30, 15).bytes());
    EXPECT_EQ(m->szStartDate(0), QStringLiteral("20231015083015"));
    EXPECT_EQ(m->hourKey(0), QStringLiteral("2023101508"));
    EXPECT_EQ(m->startTime(0), *DateTimeValue::fromParts(2023, 10, 15, 8, 30, 15));
}

TEST(GpsDecoder, ReportsEveryRecordBeforeDecodingIt) {
    GpsBuilder b;
    for (int h = 0; h < 4; ++h)
        b.hour(2023, 10, 15, h);
    std::vector<int> seen;
    DecodeGpsRecord(view(b.bytes()), [&](int i) { seen.push_back(i); });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
}
