#include "analysis/TechDataDecoder.h"
#include "fixtures/DemoBlocks.h"
#include "fixtures/TechDataBuilder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
Bytes span(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())};
}

QStringList childTexts(const TechDataNode& n) {
    QStringList out;
    for (const TechDataNode& c : n.children)
        out << c.text;
    return out;
}

TechThreshold threshold(const char* before, const char* after, int from, int to) {
    return {BcdBytes(QString::fromLatin1(before)), BcdBytes(QString::fromLatin1(after)), from, to};
}

// One record in each log.
TechDataBuilder oneOfEach() {
    TechDataBuilder b;
    b.calibrations.push_back({QStringLiteral("王小明"),
                              123456,
                              123460,
                              BcdBytes(QStringLiteral("20210601080000")),
                              BcdBytes(QStringLiteral("20210601083000")),
                              {}});
    b.clockAdjustments.push_back(
        {BcdBytes(QStringLiteral("20210602090000")), BcdBytes(QStringLiteral("20210602090130"))});
    b.drivingThresholds.push_back(threshold("20210603100000", "20210603100500", 240, 230));
    b.restThresholds.push_back(threshold("20210604110000", "20210604110500", 30, 45));
    return b;
}

const QStringList kHeadOfDefaultBuilder = {
    QStringLiteral("車裝機體製造商名稱：測試科技股份有限公司"),
    QStringLiteral("車裝機體製造商地址：新竹市東區光復路二段101號"),
    QStringLiteral("車裝機體序號：0000202106070001"),
    QStringLiteral("車裝機體軟體號碼：V1.2"),
    QStringLiteral("車裝機體軟體版本安裝日期時間：2021/06/07 14:44:54"),
    QStringLiteral("車裝機體製造年份：00002021"),
    QStringLiteral("車裝機體認證號碼：TW123456"),
    QStringLiteral("車牌號碼：ABC-1234"),
};
} // namespace

TEST(TechDataDecoder, FullBlockGivesHeadAndFourLogsInOrder) {
    const QByteArray block = oneOfEach().bytes();
    ASSERT_EQ(block.size(), 122 + 58 + 1 + 14 + 1 + 18 + 1 + 18);
    const TechData d = DecodeTechData(span(block));
    ASSERT_TRUE(d.root.has_value());
    EXPECT_EQ(d.root->text, QStringLiteral("技術資料"));
    EXPECT_EQ(d.mszVechileID, QStringLiteral("ABC-1234"));

    QStringList expected = kHeadOfDefaultBuilder;
    expected << QStringLiteral("校正紀錄：[1] 筆") << QStringLiteral("時間調整紀錄：[1] 筆")
             << QStringLiteral("連續行駛時間門檻值調整紀錄：[1] 筆")
             << QStringLiteral("累計休息時間門檻值調整紀錄：[1] 筆");
    EXPECT_EQ(childTexts(*d.root), expected);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(d.root->children[i].children.empty());

    EXPECT_EQ(childTexts(d.root->children[8]),
              QStringList{QStringLiteral(
                  "校正前日期時間：[20210601080000] 公里數：[  12345.6] --> "
                  "校正後日期時間：[20210601083000] 公里數：[  12346.0] 調校者姓名：[王小明] ")});
    EXPECT_EQ(childTexts(d.root->children[9]),
              QStringList{
                  QStringLiteral("調整前日期時間：[20210602090000] --> 調整後日期時間：[20210602090130] ")});
    EXPECT_EQ(childTexts(d.root->children[10]),
              QStringList{QStringLiteral("調整前日期時間：[20210603100000] 門檻值：[0240] --> "
                                         "調整後日期時間：[20210603100500] 門檻值：[0230]")});
    EXPECT_EQ(childTexts(d.root->children[11]),
              QStringList{QStringLiteral("調整前日期時間：[20210604110000] 門檻值：[0030] --> "
                                         "調整後日期時間：[20210604110500] 門檻值：[0045]")});
}

TEST(TechDataDecoder, SmallestBlockHasEmptyGroups) {
    const QByteArray block = TechDataBuilder().bytes();
    ASSERT_EQ(block.size(), 125);
    const TechData d = DecodeTechData(span(block));
    ASSERT_TRUE(d.root.has_value());
    QStringList expected = kHeadOfDefaultBuilder;
    expected << QStringLiteral("校正紀錄：[0] 筆") << QStringLiteral("時間調整紀錄：[0] 筆")
             << QStringLiteral("連續行駛時間門檻值調整紀錄：[0] 筆")
             << QStringLiteral("累計休息時間門檻值調整紀錄：[0] 筆");
    EXPECT_EQ(childTexts(*d.root), expected);
    for (const TechDataNode& n : d.root->children)
        EXPECT_TRUE(n.children.empty()) << n.text.toStdString();
}

// Lengths around each count of a block with one record in every log: the
// calibration count needs 122 bytes, C2 sits at 180, C3 at 195, C4 at 214,
// and the whole block is 233 bytes long.
struct LengthCase {
    int length;
    bool tree; // false: empty tree and unknown plate
};

class TechDataLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(TechDataLength, TooShortForCountsEmptiesTheTreeOtherwiseReportsTheLength) {
    QByteArray block = oneOfEach().bytes();
    ASSERT_EQ(block.size(), 233);
    const LengthCase c = GetParam();
    if (c.length <= block.size())
        block.truncate(c.length);
    else
        block.append(c.length - block.size(), '\0');
    const TechData d = DecodeTechData(span(block));
    if (!c.tree) {
        EXPECT_FALSE(d.root.has_value());
        EXPECT_EQ(d.mszVechileID, QStringLiteral("未知車牌"));
        return;
    }
    ASSERT_TRUE(d.root.has_value());
    EXPECT_EQ(d.mszVechileID, QStringLiteral("ABC-1234"));
    ASSERT_EQ(d.root->children.size(), 9u);
    EXPECT_EQ(d.root->children[8].text,
              QStringLiteral("區塊錯誤：區塊標示資料長度 [%1], 但應為 [233]").arg(c.length));
    EXPECT_TRUE(d.root->children[8].children.empty());
}

INSTANTIATE_TEST_SUITE_P(Lengths, TechDataLength,
                         ::testing::Values(LengthCase{0, false}, LengthCase{1, false}, LengthCase{121, false},
                                           LengthCase{122, false}, LengthCase{180, false},
                                           LengthCase{181, false}, LengthCase{195, false},
                                           LengthCase{196, false}, LengthCase{214, false},
                                           LengthCase{215, true}, LengthCase{232, true},
                                           LengthCase{234, true}, LengthCase{1000, true}));

TEST(TechDataDecoder, OneByteMoreThanSmallestBlockShowsHeadAndLengthError) {
    QByteArray block = TechDataBuilder().bytes();
    block.append('\0');
    const TechData d = DecodeTechData(span(block));
    ASSERT_TRUE(d.root.has_value());
    QStringList expected = kHeadOfDefaultBuilder;
    expected << QStringLiteral("區塊錯誤：區塊標示資料長度 [126], 但應為 [125]");
    EXPECT_EQ(childTexts(*d.root), expected);
}

TEST(TechDataDecoder, CountsBeyondTheBlockNeverReadOutside) {
    // The calibration count claims 65535 records in a block of 200 bytes.
    QByteArray block = TechDataBuilder().bytes();
    block[120] = char(0xFF);
    block[121] = char(0xFF);
    block.append(75, char(0xFF));
    EXPECT_FALSE(DecodeTechData(span(block)).root.has_value());
}

TEST(TechDataDecoder, BlankPlateIsUnknown) {
    const QByteArray plates[] = {QByteArray(17, ' '), QByteArray(17, '\0'),
                                 QByteArray("\0 \t\r\n      \0\0\0\0\0\0", 17)};
    for (const QByteArray& raw : plates) {
        TechDataBuilder b;
        b.rawPlate = raw;
        const QByteArray block = b.bytes();
        const TechData d = DecodeTechData(span(block));
        ASSERT_TRUE(d.root.has_value());
        EXPECT_EQ(d.mszVechileID, QStringLiteral("未知車牌"));
        EXPECT_EQ(d.root->children[7].text, QStringLiteral("車牌號碼：未知車牌"));
        EXPECT_EQ(DecodeTechPlate(span(block)), QString());
    }
}

TEST(TechDataDecoder, PlateIsTrimmedAndDecodedFromCodePage950) {
    TechDataBuilder b;
    b.rawPlate = QByteArray("  ") + TextField(QStringLiteral("臨時-123"), 13, '\0') + QByteArray(2, ' ');
    const QByteArray block = b.bytes();
    EXPECT_EQ(DecodeTechData(span(block)).mszVechileID, QStringLiteral("臨時-123"));
    EXPECT_EQ(DecodeTechPlate(span(block)), QStringLiteral("臨時-123"));
    // The plate field ends at byte 119: a shorter block has no plate.
    EXPECT_EQ(DecodeTechPlate(span(block.left(120))), QStringLiteral("臨時-123"));
    EXPECT_EQ(DecodeTechPlate(span(block.left(119))), QString());
}

TEST(TechDataDecoder, ThreeHundredCalibrationsAreAllListed) {
    TechDataBuilder b;
    for (int i = 0; i < 300; ++i)
        b.calibrations.push_back({QStringLiteral("校正員%1").arg(i + 1),
                                  std::uint32_t(i * 10),
                                  std::uint32_t(i * 10 + 5),
                                  BcdBytes(QStringLiteral("20210601080000")),
                                  BcdBytes(QStringLiteral("20210601083000")),
                                  {}});
    const QByteArray block = b.bytes();
    ASSERT_EQ(std::uint8_t(block[120]), 0x01);
    ASSERT_EQ(std::uint8_t(block[121]), 0x2C);
    const TechData d = DecodeTechData(span(block));
    ASSERT_TRUE(d.root.has_value());
    const TechDataNode& group = d.root->children[8];
    EXPECT_EQ(group.text, QStringLiteral("校正紀錄：[300] 筆"));
    ASSERT_EQ(group.children.size(), 300u);
    EXPECT_TRUE(
        group.children[0].text.endsWith(QStringLiteral("公里數：[      0.5] 調校者姓名：[校正員1] ")));
    EXPECT_TRUE(group.children[299].text.contains(QStringLiteral("公里數：[    299.0] -->")));
    EXPECT_TRUE(group.children[299].text.endsWith(QStringLiteral("調校者姓名：[校正員300] ")));
    EXPECT_EQ(d.root->children[9].text, QStringLiteral("時間調整紀錄：[0] 筆"));
}

TEST(TechDataDecoder, OdometerFormat) {
    struct Case {
        const char* hex;
        const char* text;
    };
    const Case cases[] = {
        {"00123456", "  12345.6"}, {"00000000", "      0.0"}, {"00000005", "      0.5"},
        {"12345678", "1234567.8"}, {"99999999", "9999999.9"}, {"FFFFFFFF", "      0.0"},
        {"0012345A", "      0.0"},
    };
    for (const Case& c : cases) {
        const QByteArray field = BcdBytes(QString::fromLatin1(c.hex));
        EXPECT_EQ(FormatOdometer(span(field)), QString::fromLatin1(c.text)) << c.hex;
    }
}

TEST(TechDataDecoder, RawFieldsShowTheirDigits) {
    TechDataBuilder b = oneOfEach();
    b.serial = BcdBytes(QStringLiteral("0123456789ABCDEF"));
    b.installTime = QByteArray(7, char(0xFF));
    b.year = BcdBytes(QStringLiteral("FFFF2021"));
    b.calibrations[0].rawOdometerBefore = QByteArray(4, char(0xFF));
    b.drivingThresholds[0].timeBefore = QByteArray(7, char(0xFF));
    const TechData d = DecodeTechData(span(b.bytes()));
    ASSERT_TRUE(d.root.has_value());
    const auto& c = d.root->children;
    EXPECT_EQ(c[2].text, QStringLiteral("車裝機體序號：0123456789ABCDEF"));
    EXPECT_EQ(c[4].text, QStringLiteral("車裝機體軟體版本安裝日期時間：1899/12/30 00:00:00"));
    EXPECT_EQ(c[5].text, QStringLiteral("車裝機體製造年份：FFFF2021"));
    EXPECT_TRUE(c[8].children[0].text.startsWith(
        QStringLiteral("校正前日期時間：[20210601080000] 公里數：[      0.0] -->")));
    EXPECT_TRUE(
        c[10].children[0].text.startsWith(QStringLiteral("調整前日期時間：[FFFFFFFFFFFFFF] 門檻值：[0240]")));
}

TEST(TechDataDecoder, TextsKeepInnerCharactersAndDoubleByteCharacters) {
    TechDataBuilder b;
    b.makerName = QStringLiteral("  許功蓋 科技 ");
    const TechData d = DecodeTechData(span(b.bytes()));
    ASSERT_TRUE(d.root.has_value());
    EXPECT_EQ(d.root->children[0].text, QStringLiteral("車裝機體製造商名稱：許功蓋 科技"));
}

TEST(TechDataDecoder, DemoBlockDecodesWholeWithTheScenarioPlate) {
    const DemoScenario s = MakeDemoScenario();
    const TechData d = DecodeTechData(span(DemoTechnicalDataBlock(s)));
    ASSERT_TRUE(d.root.has_value());
    EXPECT_EQ(d.mszVechileID, s.plate);
    ASSERT_EQ(d.root->children.size(), 12u);
    EXPECT_FALSE(d.root->children[8].children.empty());
}
