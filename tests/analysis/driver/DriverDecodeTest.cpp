// Decoding of the driver activity block: the block's size rule, the driver
// text, the activity byte with the power-off rule, times and the date lists.
#include "DriverTestRecords.h"
#include "analysis/DriverActivityDecoder.h"
#include "settings/Big5Codec.h"

#include <gtest/gtest.h>

using namespace drivertest;

namespace {
struct SizeCase {
    const char* name;
    QByteArray block;
    bool accepted;
    std::size_t records;
};

QByteArray TwoRecords() {
    return Block({{kDriverA, '1', T(8, 0)}, {kDriverA, '4', T(9, 0)}});
}

class DriverBlockSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DriverBlockSize, OnlyCountTimesRecordSizePlusTwoIsAccepted) {
    const SizeCase& c = GetParam();
    DriverActivity a;
    EXPECT_EQ(a.Analyse(Span(c.block)), c.accepted);
    EXPECT_EQ(a.gmDI().size(), c.records);
    if (!c.accepted) {
        EXPECT_TRUE(a.dates().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DriverBlockSize,
    ::testing::Values(
        SizeCase{"missing", QByteArray(), false, 0}, SizeCase{"oneByte", QByteArray(1, '\0'), false, 0},
        SizeCase{"noRecords", QByteArray(2, '\0'), true, 0}, SizeCase{"twoRecords", TwoRecords(), true, 2},
        SizeCase{"oneByteShort", TwoRecords().chopped(1), false, 0},
        SizeCase{"oneByteLong", TwoRecords() + QByteArray(1, '\0'), false, 0},
        SizeCase{"countTooHigh",
                 DriverActivityBuilder().add(kDriverA, kNameA, '1', T(8, 0)).overrideCount(2).bytes(), false,
                 0},
        SizeCase{"countZeroWithRecord",
                 DriverActivityBuilder().add(kDriverA, kNameA, '1', T(8, 0)).overrideCount(0).bytes(), false,
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriverDecode, BlockOfNoRecordsListsNothingNotEvenAClosingRow) {
    DriverActivity a;
    ASSERT_TRUE(a.Analyse(Span(QByteArray(2, '\0'))));
    EXPECT_TRUE(a.dates().isEmpty());
    EXPECT_TRUE(a.Rows(a.defaultRange()).empty());
}

TEST(DriverDecode, RejectedBlockEmptiesAModelFilledBefore) {
    DriverActivity a;
    const QByteArray good = TwoRecords();
    ASSERT_TRUE(a.Analyse(Span(good)));
    const QByteArray bad = good.chopped(3);
    EXPECT_FALSE(a.Analyse(Span(bad)));
    EXPECT_TRUE(a.gmDI().empty());
    EXPECT_TRUE(a.dates().isEmpty());
}

TEST(DriverDecode, DriverTextIsBig5TrimmedAndSplitIntoIdentityAndName) {
    // Leading blanks and the NUL padding go; the name's double-byte characters survive.
    QByteArray field = QByteArray("  ") + Big5Codec::fromUnicode(QStringLiteral("A12345678王小明"));
    field.append(QByteArray(18 - field.size(), '\0'));
    ASSERT_EQ(field.size(), 18);
    const QByteArray block =
        DriverActivityBuilder().addRaw(field, '1', DriverActivityBuilder::BcdTime(T(8, 0))).bytes();
    std::vector<TDriverInfo> records;
    QStringList dates;
    ASSERT_TRUE(DecodeDriverActivity(Span(block), records, dates));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].szDriver, QStringLiteral("A12345678王小明"));
    EXPECT_EQ(records[0].identity(), QStringLiteral("A12345678王"));
    EXPECT_EQ(records[0].name(), QStringLiteral("小明"));
}

struct ActivityCase {
    const char* name;
    std::uint8_t activity;
    std::uint8_t activeType;
};

class DriverActivityByte : public ::testing::TestWithParam<ActivityCase> {};

TEST_P(DriverActivityByte, KeepsFlagsAndKnownCodesOnly) {
    const ActivityCase& c = GetParam();
    const QByteArray block = DriverActivityBuilder().add(kDriverA, kNameA, c.activity, T(8, 0)).bytes();
    DriverActivity a;
    ASSERT_TRUE(a.Analyse(Span(block)));
    EXPECT_EQ(a.gmDI()[0].ActiveType, c.activeType);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DriverActivityByte,
    ::testing::Values(ActivityCase{"driving", 0x31, 0x31}, ActivityCase{"stopped", 0x32, 0x32},
                      ActivityCase{"standby", 0x33, 0x33}, ActivityCase{"resting", 0x34, 0x34},
                      ActivityCase{"poweredOnDriving", 0xB1, 0xB1}, ActivityCase{"none", 0x30, 0x30},
                      ActivityCase{"five", 0x35, 0x30}, ActivityCase{"binaryOne", 0x01, 0x30},
                      ActivityCase{"poweredOnUnknown", 0xBF, 0xB0}, ActivityCase{"offForcesRest", 0x70, 0x74},
                      ActivityCase{"offDriving", 0x41, 0x74}, ActivityCase{"offAndOnKeepsCode", 0xF1, 0xF1},
                      ActivityCase{"offAndOnUnknown", 0xC0, 0xF0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriverDecode, PowerOffWithoutDriverTakesTheLastDriverText) {
    DriverActivityBuilder b;
    b.add(kDriverA, kNameA, '1', T(8, 0));
    b.add(QString(), QString(), 0x31, T(8, 30)); // no card: stays without a driver
    b.add(QString(), QString(), 0x70, T(9, 0));  // powered off: the last driver seen
    b.add(kDriverB, kNameB, 0x70, T(9, 30));     // powered off with a driver keeps it
    b.add(QString(), QString(), 0xF0, T(10, 0)); // off and on: not the power-off rule
    const QByteArray block = b.bytes();
    DriverActivity a;
    ASSERT_TRUE(a.Analyse(Span(block)));
    const auto& r = a.gmDI();
    ASSERT_EQ(r.size(), 5u);
    const QString textA = kDriverA + kNameA;
    EXPECT_EQ(r[1].szDriver, QString());
    EXPECT_EQ(r[2].szDriver, textA);
    EXPECT_EQ(r[3].szDriver, kDriverB + kNameB);
    EXPECT_EQ(r[4].szDriver, QString());
}

TEST(DriverDecode, InvalidTimeGivesTheZeroDateTime) {
    const QByteArray block = DriverActivityBuilder()
                                 .addRaw(DriverActivityBuilder::DriverField(kDriverA, kNameA), '1',
                                         {0x20, 0x21, 0x02, 0x30, 0x08, 0x00, 0x00}) // 30 February
                                 .addRaw(DriverActivityBuilder::DriverField(kDriverA, kNameA), '4',
                                         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
                                 .bytes();
    DriverActivity a;
    ASSERT_TRUE(a.Analyse(Span(block)));
    EXPECT_TRUE(a.gmDI()[0].ActiveDate.isZero());
    EXPECT_TRUE(a.gmDI()[1].ActiveDate.isZero());
    EXPECT_EQ(a.dates(), QStringList{QStringLiteral("1899/12/30")});
    const auto rows = a.Rows(a.defaultRange());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][kDriverColTime], QStringLiteral("1899/12/30 00:00:00"));
}

TEST(DriverDecode, DateListsAddADateWheneverItDiffersFromTheOneAddedLast) {
    // 21st, 21st, 22nd, back to the 21st, 23rd: the 21st comes twice.
    const DriverActivity a = Analysed({{kDriverA, '1', At(2024, 5, 21, 8, 0)},
                                       {kDriverA, '4', At(2024, 5, 21, 12, 0)},
                                       {kDriverA, '1', At(2024, 5, 22, 8, 0)},
                                       {kDriverA, '4', At(2024, 5, 21, 23, 0)},
                                       {kDriverA, '1', At(2024, 5, 23, 8, 0)}});
    EXPECT_EQ(a.dates(), (QStringList{"2024/05/21", "2024/05/21", "2024/05/22", "2024/05/23"}));
    EXPECT_EQ(a.defaultRange().from, QStringLiteral("2024/05/23"));
    EXPECT_EQ(a.defaultRange().to, QStringLiteral("2024/05/23"));
    EXPECT_EQ(a.wholeRange().from, QStringLiteral("2024/05/21"));
}

} // namespace
