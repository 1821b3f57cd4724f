#include "analysis/EventFaultDecoder.h"
#include "fixtures/DemoBlocks.h"
#include "fixtures/EventFaultBuilder.h"
#include "fixtures/TechDataBuilder.h"

#include <gtest/gtest.h>

namespace {
Bytes span(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())};
}

std::vector<QStringList> texts(const QByteArray& block) {
    std::vector<QStringList> out;
    for (const EventFaultRow& r : DecodeEventsAndFaults(span(block)))
        out.push_back(r.texts());
    return out;
}

QByteArray t(const char* digits) {
    return BcdBytes(QString::fromLatin1(digits));
}
const QByteArray kNotEndedBytes(7, '\0');
const QByteArray kFill(7, char(0xFF));
} // namespace

TEST(EventFaultDecoder, FaultsThenEventsInBlockOrder) {
    EventFaultBuilder b;
    b.fault('e', t("20231015080000"), kNotEndedBytes)
        .fault('c', t("20231016120000"), t("20231016123000"))
        .event('A', t("20231017070000"), t("20231017071500"), 5)
        .event('B', t("20231018235959"), t("20231019000001"), 1);
    const QByteArray block = b.bytes();
    ASSERT_EQ(block.size(), 2 + 15 * 2 + 16 * 2);
    const std::vector<QStringList> expected = {
        {"1", "故障", "e", "GNSS模組", "2023/10/15 08:00:00", "未結束", ""},
        {"2", "故障", "c", "NandFlash讀寫", "2023/10/16 12:00:00", "2023/10/16 12:30:00", ""},
        {"3", "事件", "A", "斷電", "2023/10/17 07:00:00", "2023/10/17 07:15:00", "5"},
        {"4", "事件", "B", "安全防護攻擊", "2023/10/18 23:59:59", "2023/10/19 00:00:01", "1"},
    };
    EXPECT_EQ(texts(block), expected);

    const std::vector<EventFaultRow> rows = DecodeEventsAndFaults(span(block));
    EXPECT_EQ(rows[0].start, *DateTimeValue::fromParts(2023, 10, 15, 8, 0, 0));
    EXPECT_FALSE(rows[0].end.has_value());
    EXPECT_EQ(rows[3].end, DateTimeValue::fromParts(2023, 10, 19, 0, 0, 1));
}

TEST(EventFaultDecoder, CodeDescriptions) {
    struct Case {
        char code;
        bool event;
        const char* text;
    };
    const Case cases[] = {
        {'a', false, "UART下載"},
        {'b', false, "USB下載"},
        {'c', false, "NandFlash讀寫"},
        {'d', false, "MRAM資料"},
        {'e', false, "GNSS模組"},
        {'f', false, "印表機"},
        {'g', false, "里程"},
        {'h', false, "行車紀錄模組"},
        {'i', false, "GNSS天線"},
        {'j', false, ""},
        {'A', false, ""},
        {'A', true, "斷電"},
        {'B', true, "安全防護攻擊"},
        {'Z', true, ""},
        {'a', true, ""},
    };
    for (const Case& c : cases) {
        EventFaultBuilder b;
        if (c.event)
            b.event(c.code, t("20230101000000"), kNotEndedBytes, 2);
        else
            b.fault(c.code, t("20230101000000"), kNotEndedBytes);
        const auto rows = texts(b.bytes());
        ASSERT_EQ(rows.size(), 1u) << c.code;
        EXPECT_EQ(rows[0][2], QString(QLatin1Char(c.code)));
        EXPECT_EQ(rows[0][3], QString::fromUtf8(c.text)) << c.code << c.event;
        EXPECT_EQ(rows[0][1], c.event ? QStringLiteral("事件") : QStringLiteral("故障"));
    }
}

// Valid and invalid lengths around the two forms 1 + 15F and 2 + 15F + 16E.
struct LengthCase {
    const char* name;
    QByteArray block;
    int rows; // -1: not a valid block (no rows)
};

class EventFaultLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(EventFaultLength, OnlyTheTwoExactFormsAreListed) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(static_cast<int>(DecodeEventsAndFaults(span(c.block)).size()), std::max(c.rows, 0)) << c.name;
}

namespace {
QByteArray twoFaults(bool eventCount) {
    EventFaultBuilder b;
    b.eventCount = eventCount;
    b.fault('a', t("20230101000000"), kNotEndedBytes).fault('b', t("20230102000000"), kNotEndedBytes);
    return b.bytes();
}

QByteArray faultAndEvents() {
    EventFaultBuilder b;
    b.fault('a', t("20230101000000"), kNotEndedBytes)
        .event('A', t("20230103000000"), kNotEndedBytes, 1)
        .event('B', t("20230104000000"), kNotEndedBytes, 1);
    return b.bytes();
}

QByteArray plus(QByteArray b, int extra) {
    if (extra < 0)
        b.chop(-extra);
    else
        b.append(extra, '\0');
    return b;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Lengths, EventFaultLength,
    ::testing::Values(LengthCase{"empty", QByteArray(), -1},
                      LengthCase{"one zero byte", QByteArray(1, '\0'), 0},
                      LengthCase{"two zero bytes", QByteArray(2, '\0'), 0},
                      LengthCase{"no faults, one byte too many", QByteArray(3, '\0'), -1},
                      LengthCase{"faults without event count", twoFaults(false), 2},
                      LengthCase{"faults with zero event count", twoFaults(true), 2},
                      LengthCase{"faults, one byte short", plus(twoFaults(false), -1), -1},
                      LengthCase{"faults, zero count and one byte more", plus(twoFaults(true), 1), -1},
                      LengthCase{"events", faultAndEvents(), 3},
                      LengthCase{"events, one byte short", plus(faultAndEvents(), -1), -1},
                      LengthCase{"events, one byte more", plus(faultAndEvents(), 1), -1},
                      LengthCase{"fault count beyond the block", QByteArray(1, char(0xFF)), -1}),
    [](const ::testing::TestParamInfo<LengthCase>& info) { return "case" + std::to_string(info.index); });

TEST(EventFaultDecoder, EndTimes) {
    struct Case {
        QByteArray end;
        const char* text; // nullptr: the record is left out
    };
    const Case cases[] = {
        {kNotEndedBytes, "未結束"},
        {t("19700101000000"), "未結束"},
        {t("19700101000001"), "1970/01/01 00:00:01"},
        {t("20240229235959"), "2024/02/29 23:59:59"},
        {kFill, nullptr},
        {t("20230229000000"), nullptr},
        {t("20230101240000"), nullptr},
        {t("00000101000000"), nullptr},
    };
    for (const Case& c : cases) {
        EventFaultBuilder b;
        b.fault('g', t("20230101000000"), c.end);
        const auto rows = texts(b.bytes());
        if (!c.text) {
            EXPECT_TRUE(rows.empty()) << c.end.toHex().constData();
            continue;
        }
        ASSERT_EQ(rows.size(), 1u) << c.end.toHex().constData();
        EXPECT_EQ(rows[0][5], QString::fromUtf8(c.text));
    }
}

TEST(EventFaultDecoder, RecordsWithUnusableTimesAreLeftOutAndNumbersCloseUp) {
    EventFaultBuilder b;
    b.fault('a', kFill, kNotEndedBytes) // start is fill
        .fault('b', t("20230101000000"), kNotEndedBytes)
        .fault('c', t("20230230000000"), kNotEndedBytes) // 30 February
        .event('A', t("20230102000000"), kFill, 1)       // end is fill
        .event('B', t("20230103000000"), t("20230103000100"), 7)
        .event('A', kNotEndedBytes, kNotEndedBytes, 1); // start all zero
    const auto rows = texts(b.bytes());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{"1", "故障", "b", "USB下載", "2023/01/01 00:00:00", "未結束", ""}));
    EXPECT_EQ(rows[1], (QStringList{"2", "事件", "B", "安全防護攻擊", "2023/01/03 00:00:00",
                                    "2023/01/03 00:01:00", "7"}));
}

TEST(EventFaultDecoder, MaximumCountsAreAllListed) {
    EventFaultBuilder b;
    for (int i = 0; i < 255; ++i) {
        b.fault('h', BcdTime(2023, 1, 1 + i % 28, i % 24, 0, 0), kNotEndedBytes);
        b.event('A', BcdTime(2023, 2, 1 + i % 28, 0, i % 60, 0), kNotEndedBytes, 255);
    }
    const auto rows = texts(b.bytes());
    ASSERT_EQ(rows.size(), 510u);
    EXPECT_EQ(rows[254][0], QStringLiteral("255"));
    EXPECT_EQ(rows[255][1], QStringLiteral("事件"));
    EXPECT_EQ(rows[509][0], QStringLiteral("510"));
    EXPECT_EQ(rows[509][6], QStringLiteral("255"));
}

TEST(EventFaultDecoder, ListColumns) {
    EXPECT_EQ(EventFaultCaptions(),
              (QStringList{"序號", "故障或事件", "類別", "說明", "開始時間", "結束時間", "同事件發生次數"}));
    EXPECT_EQ(EventFaultColumnWidths(), (std::vector<int>{50, 100, 50, 140, 200, 200, 140}));
}

TEST(EventFaultDecoder, DemoBlockListsEveryRecord) {
    const DemoScenario s = MakeDemoScenario();
    const QByteArray block = DemoEventsAndFaultsBlock(s);
    const auto rows = DecodeEventsAndFaults(span(block));
    const int faults = std::uint8_t(block[0]);
    ASSERT_GE(faults, static_cast<int>(s.faults.size()));
    ASSERT_EQ(rows.size(), std::size_t(faults) + s.events.size());
    for (const EventFaultRow& r : rows)
        EXPECT_FALSE(r.szDescription.isEmpty()) << r.szCode.toStdString();
}
