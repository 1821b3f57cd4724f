#include "analysis/ControlLogDecoder.h"
#include "fixtures/ControlLogBuilder.h"
#include "fixtures/DemoBlocks.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {
Bytes span(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())};
}

QByteArray raw(std::initializer_list<int> bytes) {
    QByteArray b;
    for (int v : bytes)
        b.append(static_cast<char>(v));
    return b;
}
} // namespace

TEST(ControlLogDecoder, TimesAreLittleEndianUnsignedUnixSeconds) {
    struct Case {
        QByteArray entry;
        const char* time;
    };
    const Case cases[] = {
        {raw({0x00, 0x00, 0x00, 0x00, 0x01}), "1970/01/01 00:00:00"},
        {raw({0xA0, 0x6D, 0x01, 0x00, 0x01}), "1970/01/02 02:00:00"},
        {raw({0x00, 0x00, 0x00, 0x80, 0x01}), "2038/01/19 03:14:08"},
        {raw({0xFF, 0xFF, 0xFF, 0xFF, 0x01}), "2106/02/07 06:28:15"},
    };
    for (const Case& c : cases) {
        const QByteArray block = raw({0x00, 0x01}) + c.entry;
        const std::vector<TControlInfo> info = DecodeControlLog(span(block));
        ASSERT_EQ(info.size(), 1u);
        EXPECT_EQ(info[0].ActiveDate.toString(), QString::fromLatin1(c.time));
        EXPECT_EQ(info[0].u8ControlType, 1);
        EXPECT_EQ(ControlLogTexts(0, info[0]), (QStringList{"0", QString::fromLatin1(c.time), "檢視(1)"}));
    }
}

TEST(ControlLogDecoder, OperationTexts) {
    const std::pair<int, const char*> cases[] = {
        {0, "None(0)"},           {1, "檢視(1)"},           {2, "列印駕駛活動(2)"},
        {3, "列印事件/故障(3)"},  {4, "列印技術資料(4)"},   {5, "列印十分鐘詳細速度(5)"},
        {6, "下載事件/故障(6)"},  {7, "下載詳細速度(7)"},   {8, "下載技術資料(8)"},
        {9, "下載駕駛活動(9)"},   {10, "下載定位資料(10)"}, {11, "下載系統控制(11)"},
        {12, "下載簽章(12)"},     {13, "未知控制(13)"},     {99, "未知控制(99)"},
        {100, "最早的下載(100)"}, {101, "最近的下載(101)"}, {102, "未知控制(102)"},
        {255, "未知控制(255)"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(ControlTypeText(static_cast<std::uint8_t>(code)), QString::fromUtf8(text)) << code;
}

TEST(ControlLogDecoder, EntriesInBlockOrderWithIndexFromZero) {
    ControlLogBuilder b;
    b.add(*DateTimeValue::fromParts(2021, 6, 7, 9, 0, 0), 12)
        .add(*DateTimeValue::fromParts(2020, 1, 1, 0, 0, 0), 200)
        .add(*DateTimeValue::fromParts(2021, 6, 7, 8, 59, 59), 101);
    const std::vector<TControlInfo> info = DecodeControlLog(span(b.bytes()));
    ASSERT_EQ(info.size(), 3u);
    EXPECT_EQ(ControlLogTexts(0, info[0]), (QStringList{"0", "2021/06/07 09:00:00", "下載簽章(12)"}));
    EXPECT_EQ(ControlLogTexts(1, info[1]), (QStringList{"1", "2020/01/01 00:00:00", "未知控制(200)"}));
    EXPECT_EQ(ControlLogTexts(2, info[2]), (QStringList{"2", "2021/06/07 08:59:59", "最近的下載(101)"}));
}

TEST(ControlLogDecoder, OnlyExactLengthsAreDecoded) {
    struct Case {
        QByteArray block;
        std::size_t entries;
    };
    const QByteArray one = ControlLogBuilder().add(1u, 1).bytes();
    const QByteArray two = ControlLogBuilder().add(1u, 1).add(2u, 2).bytes();
    const Case cases[] = {
        {QByteArray(), 0}, {raw({0x00}), 0},       {raw({0x00, 0x00}), 0}, {raw({0x00, 0x00, 0x01}), 0},
        {one, 1},          {one.left(6), 0},       {one + raw({0x00}), 0}, {two, 2},
        {two.left(11), 0}, {raw({0xFF, 0xFF}), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeControlLog(span(c.block)).size(), c.entries) << c.block.toHex().constData();
}

TEST(ControlLogDecoder, LargestCount) {
    ControlLogBuilder b;
    for (std::uint32_t k = 0; k < 65535; ++k)
        b.add(k * 60u, static_cast<std::uint8_t>(k % 256));
    const std::vector<TControlInfo> info = DecodeControlLog(span(b.bytes()));
    ASSERT_EQ(info.size(), 65535u);
    // 65534 minutes are 45 days, 12 hours and 14 minutes.
    EXPECT_EQ(ControlLogTexts(65534, info[65534]),
              (QStringList{"65534", "1970/02/15 12:14:00", "未知控制(254)"}));
}

TEST(ControlLogDecoder, DemoBlockHoldsTheScenarioOperationsAndTheDownloads) {
    const DemoScenario s = MakeDemoScenario();
    const std::vector<TControlInfo> info = DecodeControlLog(span(DemoControlLogBlock(s)));
    // The scenario's operations, the earliest download, seven category downloads and the latest.
    ASSERT_EQ(info.size(), s.operations.size() + 9);
    EXPECT_TRUE(std::is_sorted(info.begin(), info.end(), [](const TControlInfo& a, const TControlInfo& b) {
        return a.ActiveDate < b.ActiveDate;
    }));
    EXPECT_EQ(info.back().u8ControlType, 101);
}
