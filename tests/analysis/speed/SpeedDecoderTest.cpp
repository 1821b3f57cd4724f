// The detailed speed block: which blocks are accepted, the minute list, the
// day list of the whole-day chart and the sample lookup by time text.
#include "analysis/SpeedDecoder.h"
#include "fixtures/SpeedBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace {
Bytes view(const QByteArray& b) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size()));
}

std::shared_ptr<const SpeedModel> decode(const QByteArray& block) {
    return DecodeSpeedRecord(view(block));
}

std::vector<int> values(Bytes b) {
    return std::vector<int>(b.begin(), b.end());
}

std::vector<int> expectedSamples(const SpeedBuilder::Samples& s) {
    return std::vector<int>(s.begin(), s.end());
}

QStringList all(const QStringList& dates) {
    return QStringList{QStringLiteral("全部")} + dates;
}
} // namespace

TEST(SpeedDecoder, OneRecordBlockGivesOneMinuteAndItsDay) {
    const QByteArray block = SpeedBuilder().minute(2021, 6, 7, 14, 44, 54, SpeedBuilder::Ramp(0)).bytes();
    ASSERT_EQ(block.size(), 2 + 127);
    const auto m = decode(block);
    EXPECT_TRUE(m->isValid());
    EXPECT_EQ(m->chartTag(), 1);
    EXPECT_EQ(m->recordCount(), 1);
    EXPECT_EQ(m->texts(), QStringList{QStringLiteral("2021/06/07 14:44:54")});
    EXPECT_EQ(m->dayItems(), all({QStringLiteral("2021/06/07")}));
    EXPECT_EQ(m->defaultDayIndex(/*testCentre=*/false), 1);
    EXPECT_EQ(m->defaultDayIndex(/*testCentre=*/true), 0);
}

struct RejectedCase {
    const char* name;
    QByteArray block;
};

class SpeedRejectedBlock : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(SpeedRejectedBlock, LeavesTheModelEmpty) {
    const auto m = decode(GetParam().block);
    EXPECT_FALSE(m->isValid());
    EXPECT_EQ(m->chartTag(), 0);
    EXPECT_EQ(m->count(), 0);
    EXPECT_EQ(m->dayItems(), all({}));
    EXPECT_EQ(m->defaultDayIndex(false), 0);
    EXPECT_TRUE(m->AnalyseSpeedData(u"2021/06/07 10:00:00").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, SpeedRejectedBlock,
    ::testing::Values(
        RejectedCase{"Missing", QByteArray()}, RejectedCase{"OneByte", QByteArray(1, '\x01')},
        RejectedCase{"CountZero", SpeedBuilder().count(0).bytes()},
        RejectedCase{"CountZeroWithARecord", SpeedBuilder().minute(2021, 6, 7, 10, 0).count(0).bytes()},
        RejectedCase{"OneByteTooMany",
                     SpeedBuilder().minute(2021, 6, 7, 10, 0).trailing(QByteArray(1, '\0')).bytes()},
        RejectedCase{"OneByteTooFew", SpeedBuilder().minute(2021, 6, 7, 10, 0).bytes().chopped(1)},
        RejectedCase{"CountAboveRecords", SpeedBuilder().minute(2021, 6, 7, 10, 0).count(2).bytes()},
        RejectedCase{"CountBelowRecords",
                     SpeedBuilder().minute(2021, 6, 7, 10, 0).minute(2021, 6, 7, 10, 1).count(1).bytes()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeedDecoder, ThreeRecordsAndOneStrayByteAreRejected) {
    // 127 * N + 3 for N = 3: one stray byte after three good records.
    SpeedBuilder b;
    for (int i = 0; i < 3; ++i)
        b.minute(2021, 6, 7, 10, i);
    EXPECT_TRUE(decode(b.bytes())->isValid());
    EXPECT_FALSE(decode(b.trailing(QByteArray(1, '\0')).bytes())->isValid());
}

struct DayCase {
    const char* name;
    std::vector<DateTimeValue> starts;
    QStringList expectedDays;
};

DateTimeValue at(int y, int mo, int d, int h, int mi, int s = 0) {
    return *DateTimeValue::fromParts(y, mo, d, h, mi, s);
}

class SpeedDayList : public ::testing::TestWithParam<DayCase> {};

TEST_P(SpeedDayList, AddsADateWheneverItDiffersFromTheLastAdded) {
    SpeedBuilder b;
    for (const DateTimeValue& t : GetParam().starts)
        b.minute(t);
    const auto m = decode(b.bytes());
    EXPECT_EQ(m->dayItems(), all(GetParam().expectedDays));
    EXPECT_EQ(m->count(), static_cast<int>(GetParam().starts.size()));
    EXPECT_EQ(m->defaultDayIndex(false), GetParam().expectedDays.size());
}

INSTANTIATE_TEST_SUITE_P(
    Records, SpeedDayList,
    ::testing::Values(
        DayCase{"SameDay",
                {at(2021, 6, 7, 8, 0), at(2021, 6, 7, 8, 1), at(2021, 6, 7, 17, 59)},
                {QStringLiteral("2021/06/07")}},
        DayCase{"AcrossMidnight",
                {at(2021, 12, 31, 23, 59), at(2022, 1, 1, 0, 0)},
                {QStringLiteral("2021/12/31"), QStringLiteral("2022/01/01")}},
        DayCase{"BackInTime",
                {at(2023, 3, 1, 9, 0), at(2023, 3, 2, 9, 0), at(2023, 3, 1, 10, 0)},
                {QStringLiteral("2023/03/01"), QStringLiteral("2023/03/02"), QStringLiteral("2023/03/01")}},
        DayCase{"LeapDay",
                {at(2024, 2, 28, 23, 59), at(2024, 2, 29, 0, 0), at(2024, 3, 1, 0, 0)},
                {QStringLiteral("2024/02/28"), QStringLiteral("2024/02/29"), QStringLiteral("2024/03/01")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeedDecoder, SkipsRecordsWhoseTimeIsNotARealDateAndTime) {
    // Each bad record sits between two good ones of the same day: it adds
    // nothing to either list and does not break the day run.
    const std::vector<std::pair<const char*, SpeedBuilder::TimeBytes>> bad = {
        {"fill", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"30 February", {0x20, 0x21, 0x02, 0x30, 0x00, 0x00, 0x00}},
        {"month 13", {0x20, 0x21, 0x13, 0x01, 0x00, 0x00, 0x00}},
        {"hour 24", {0x20, 0x21, 0x06, 0x07, 0x24, 0x00, 0x00}},
        {"second 60", {0x20, 0x21, 0x06, 0x07, 0x10, 0x00, 0x60}},
        {"year 0000", {0x00, 0x00, 0x06, 0x07, 0x10, 0x00, 0x00}},
        {"hex digit", {0x20, 0x2A, 0x06, 0x07, 0x10, 0x00, 0x00}},
    };
    for (const auto& [what, time] : bad) {
        SCOPED_TRACE(what);
        const auto m = decode(SpeedBuilder()
                                  .minute(2021, 6, 7, 10, 0, 0, SpeedBuilder::Constant(1))
                                  .rawMinute(time, SpeedBuilder::Constant(2))
                                  .minute(2021, 6, 7, 10, 2, 0, SpeedBuilder::Constant(3))
                                  .bytes());
        EXPECT_TRUE(m->isValid());
        EXPECT_EQ(m->recordCount(), 3);
        EXPECT_EQ(m->texts(), (QStringList{QStringLiteral("2021/06/07 10:00:00"),
                                           QStringLiteral("2021/06/07 10:02:00")}));
        EXPECT_EQ(m->dayItems(), all({QStringLiteral("2021/06/07")}));
        ASSERT_EQ(m->count(), 2);
        EXPECT_EQ(m->recordOf(1), 2);
        EXPECT_EQ(values(m->minuteSamples(1)), expectedSamples(SpeedBuilder::Constant(3)));
    }
}

TEST(SpeedDecoder, TimeTextShowsTheBcdDigitsAsTheyStand) {
    const auto m =
        decode(SpeedBuilder().minute(2021, 6, 7, 14, 44, 54).minute(1999, 12, 31, 23, 59, 59).bytes());
    EXPECT_EQ(m->text(0), QStringLiteral("2021/06/07 14:44:54"));
    EXPECT_EQ(m->time(0), at(2021, 6, 7, 14, 44, 54));
    EXPECT_EQ(m->text(1), QStringLiteral("1999/12/31 23:59:59"));
}

TEST(SpeedDecoder, SampleLookupFindsTheFirstRecordWithTheTime) {
    const auto a = SpeedBuilder::Constant(10), b = SpeedBuilder::Ramp(50), c = SpeedBuilder::Constant(77);
    const auto m = decode(SpeedBuilder()
                              .minute(2021, 6, 7, 10, 0, 0, a)
                              .minute(2021, 6, 7, 10, 1, 0, b)
                              .minute(2021, 6, 7, 10, 0, 0, c) // the first minute again
                              .bytes());
    ASSERT_EQ(m->count(), 3);
    // Samples in sample order: b is 50, 51, ... 169.
    EXPECT_EQ(values(m->AnalyseSpeedData(u"2021/06/07 10:01:00")), expectedSamples(b));
    // Both entries of the repeated minute resolve to the first record.
    EXPECT_EQ(values(m->AnalyseSpeedData(u"2021/06/07 10:00:00")), expectedSamples(a));
    EXPECT_EQ(values(m->minuteSamples(2)), expectedSamples(a));
    // The record's own samples are still there for the tree.
    EXPECT_EQ(values(m->recordSamples(2)), expectedSamples(c));
}

TEST(SpeedDecoder, SampleLookupWithoutAMatch) {
    const auto m = decode(SpeedBuilder().minute(2021, 6, 7, 10, 0, 0, SpeedBuilder::Constant(5)).bytes());
    const char16_t* texts[] = {
        u"2021/06/07 10:00:01", // no such record
        u"2021/06/07 10:00",    // too short
        u"",
        u"2021/06/07 10:0x:00", // not hexadecimal
    };
    for (const char16_t* t : texts) {
        SCOPED_TRACE(QString::fromUtf16(t).toStdString());
        EXPECT_TRUE(m->AnalyseSpeedData(QStringView(t)).empty());
    }
}

TEST(SpeedDecoder, SampleLookupMatchesFillRecordsByTheirBytes) {
    // Fill records are not in the minute list, but the lookup compares bytes.
    const auto m =
        decode(SpeedBuilder()
                   .rawMinute({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, SpeedBuilder::Constant(9))
                   .bytes());
    EXPECT_EQ(m->count(), 0);
    EXPECT_EQ(values(m->AnalyseSpeedData(u"FFFF/FF/FF FF:FF:FF")),
              expectedSamples(SpeedBuilder::Constant(9)));
}

TEST(SpeedDecoder, ReportsEveryRecordBeforeDecodingIt) {
    SpeedBuilder b;
    for (int i = 0; i < 5; ++i)
        b.minute(2021, 6, 7, 10, i);
    std::vector<int> seen;
    DecodeSpeedRecord(view(b.bytes()), [&](int j) { seen.push_back(j); });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    seen.clear();
    DecodeSpeedRecord(view(b.trailing("x").bytes()), [&](int j) { seen.push_back(j); });
    EXPECT_TRUE(seen.empty());
}

TEST(SpeedDecoder, ModelOutlivesTheBlockItWasDecodedFrom) {
    auto block = std::make_unique<QByteArray>(
        SpeedBuilder().minute(2021, 6, 7, 10, 0, 0, SpeedBuilder::Constant(42)).bytes());
    const auto m = decode(*block);
    block->fill('\xEE');
    block.reset();
    EXPECT_EQ(m->text(0), QStringLiteral("2021/06/07 10:00:00"));
    EXPECT_EQ(values(m->AnalyseSpeedData(u"2021/06/07 10:00:00")),
              expectedSamples(SpeedBuilder::Constant(42)));
}
