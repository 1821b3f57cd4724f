// The per-minute detail text: which hours a range selects, the line format and
// the saved text in code page 950 with CR LF.
#include "analysis/GpsDetailQuery.h"
#include "analysis/GpsDecoder.h"
#include "analysis/GpsDetailListModel.h"
#include "fixtures/GpsBuilder.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {
Bytes view(const QByteArray& b) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size()));
}

// Hours 2023/10/14 23:00, 2023/10/15 08:00, 08:00 again (a second record of
// the same hour), 09:00, and 2023/10/16 00:00.
std::shared_ptr<const GpsModel> threeDays() {
    return DecodeGpsRecord(
        view(GpsBuilder()
                 .hour(2023, 10, 14, 23)
                 .hour(2023, 10, 15, 8, 12, 34)
                 .rawMinute(0, {0x12, 0x15, 0x64, 0x46, 0x25, 0x03, 0x39, 0x64, 0x00, 0x35, 0x3C})
                 .hour(2023, 10, 15, 8)
                 .hour(2023, 10, 15, 9)
                 .hour(2023, 10, 16, 0)
                 .bytes()));
}

const QString kWorkedLine = QStringLiteral("2023/10/15 08:00:00 (緯,經)=(  25.03396, 121.56446)  "
                                           "高度(公尺)： 35  平均速度(km/h)：60");
} // namespace

TEST(GpsDetail, RangeKeyIsTheDayDigitsAndTheHour) {
    EXPECT_EQ(GpsDetailQuery::RangeKey(u"2023/10/15", u"08"), QStringLiteral("2023101508"));
}

struct RangeCase {
    const char* name;
    const char16_t *fromDay, *fromHour, *toDay, *toHour;
    std::vector<int> hours;
};

class GpsDetailRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(GpsDetailRange, SelectsTheHoursBetweenTheKeys) {
    const RangeCase& c = GetParam();
    const GpsDetailQuery q(threeDays(), GpsDetailQuery::RangeKey(c.fromDay, c.fromHour),
                           GpsDetailQuery::RangeKey(c.toDay, c.toHour));
    std::vector<int> hours;
    for (int h = 0; h < q.hourCount(); ++h)
        hours.push_back(q.hourAt(h));
    EXPECT_EQ(hours, c.hours);
    EXPECT_EQ(q.lineCount(), 60 * static_cast<qsizetype>(c.hours.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GpsDetailRange,
    ::testing::Values(RangeCase{"OneHour", u"2023/10/15", u"08", u"2023/10/15", u"08", {1, 2}},
                      RangeCase{"WholeDay", u"2023/10/15", u"00", u"2023/10/15", u"23", {1, 2, 3}},
                      RangeCase{
                          "AcrossMidnight", u"2023/10/14", u"23", u"2023/10/16", u"00", {0, 1, 2, 3, 4}},
                      RangeCase{"EndsAreIncluded", u"2023/10/15", u"09", u"2023/10/16", u"00", {3, 4}},
                      RangeCase{"Reversed", u"2023/10/15", u"09", u"2023/10/15", u"08", {}},
                      RangeCase{"ReversedDays", u"2023/10/16", u"00", u"2023/10/14", u"23", {}},
                      RangeCase{"NoHourInRange", u"2023/10/15", u"10", u"2023/10/15", u"23", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GpsDetail, OneHourGivesSixtyLinesFromTheFullHour) {
    const GpsDetailQuery q(threeDays(), QStringLiteral("2023101508"), QStringLiteral("2023101508"));
    ASSERT_EQ(q.hourCount(), 2);
    ASSERT_EQ(q.lineCount(), 120);
    // The record starting at 08:12:34 still lists 08:00 to 08:59.
    EXPECT_EQ(q.line(0), kWorkedLine);
    EXPECT_EQ(q.line(59), QStringLiteral("2023/10/15 08:59:00 (緯,經)=(   0.00000,   0.00000)  "
                                         "高度(公尺)：  0  平均速度(km/h)：0"));
    EXPECT_TRUE(q.line(60).startsWith(QStringLiteral("2023/10/15 08:00:00 ")));
    EXPECT_TRUE(q.line(120).isEmpty());
}

TEST(GpsDetail, LineFormat) {
    struct Case {
        TGPSMinute gps;
        const char* tail;
    };
    const Case cases[] = {
        {{25.033964, 121.56446, 60, 35}, "(  25.03396, 121.56446)  高度(公尺)： 35  平均速度(km/h)：60"},
        {{9.5, 0.000005, 0, 1234}, "(   9.50000,   0.00001)  高度(公尺)：1234  平均速度(km/h)：0"},
        {{0.0, 0.0, 255, 0}, "(   0.00000,   0.00000)  高度(公尺)：  0  平均速度(km/h)：255"},
    };
    const DateTimeValue t = *DateTimeValue::fromParts(2021, 6, 7, 23, 59, 0);
    for (const Case& c : cases)
        EXPECT_EQ(GpsDetailQuery::FormatLine(t, c.gps),
                  QStringLiteral("2021/06/07 23:59:00 (緯,經)=") + QString::fromUtf8(c.tail));
}

TEST(GpsDetail, BaseTimeOfAnHourKey) {
    EXPECT_EQ(GpsDetailQuery::BaseTime(u"2023101508"), *DateTimeValue::fromParts(2023, 10, 15, 8, 0, 0));
    EXPECT_TRUE(GpsDetailQuery::BaseTime(u"20231014A0").isZero());
    EXPECT_TRUE(GpsDetailQuery::BaseTime(u"2023101499").isZero());
    EXPECT_TRUE(GpsDetailQuery::BaseTime(u"20231015").isZero());
}

TEST(GpsDetail, HourWithImpossibleDigitsInRangeListsFromTheZeroDate) {
    // "20231014A0" lies between "2023101400" and "2023101523" as text.
    const auto model =
        DecodeGpsRecord(view(GpsBuilder().rawHour({0x20, 0x23, 0x10, 0x14, 0xA0, 0, 0}).bytes()));
    const GpsDetailQuery q(model, QStringLiteral("2023101400"), QStringLiteral("2023101523"));
    ASSERT_EQ(q.hourCount(), 1);
    EXPECT_TRUE(q.line(1).startsWith(QStringLiteral("1899/12/30 00:01:00 ")));
}

TEST(GpsDetail, WrittenTextIsCodePage950WithCrLf) {
    const GpsDetailQuery q(threeDays(), QStringLiteral("2023101508"), QStringLiteral("2023101508"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(q.WriteText(buffer));
    const QByteArray bytes = buffer.data();

    // The worked line in code page 950: 緯 BD 6E, 經 B8 67, 高度(公尺)：
    // B0 AA AB D7 28 A4 BD A4 D8 29 A1 47, 平均速度(km/h)：
    // A5 AD A7 A1 B3 74 AB D7 28 6B 6D 2F 68 29 A1 47.
    const QByteArray first = QByteArray("2023/10/15 08:00:00 (") + QByteArray::fromHex("bd6e") + "," +
                             QByteArray::fromHex("b867") + ")=(  25.03396, 121.56446)  " +
                             QByteArray::fromHex("b0aaabd728a4bda4d829a147") + " 35  " +
                             QByteArray::fromHex("a5ada7a1b374abd7286b6d2f6829a147") + "60\r\n";
    EXPECT_EQ(bytes.left(first.size()), first);
    EXPECT_EQ(bytes.count("\r\n"), 120);
    EXPECT_EQ(bytes.count('\n'), 120);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.contains('?'));
}

TEST(GpsDetail, WritingStopsWhenProgressSaysSo) {
    const GpsDetailQuery q(threeDays(), QStringLiteral("2023101400"), QStringLiteral("2023101623"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int calls = 0;
    EXPECT_FALSE(q.WriteText(buffer, [&](qsizetype) { return ++calls < 1; }));
    EXPECT_TRUE(buffer.data().isEmpty());
}

TEST(GpsDetail, ListModelShowsTheQueryLines) {
    GpsDetailListModel list;
    EXPECT_EQ(list.rowCount(), 0);
    list.setQuery(std::make_shared<const GpsDetailQuery>(threeDays(), QStringLiteral("2023101508"),
                                                         QStringLiteral("2023101508")));
    ASSERT_EQ(list.rowCount(), 120);
    EXPECT_EQ(list.data(list.index(0)).toString(), kWorkedLine);
    list.clear();
    EXPECT_EQ(list.rowCount(), 0);
}
