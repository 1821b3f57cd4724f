// The rows of the driver activity list: column texts, duration texts, the
// closing row, the date filter and the row colours.
#include "DriverTestRecords.h"
#include "analysis/DriverDuration.h"
#include "analysis/DriverRowColours.h"

#include <gtest/gtest.h>

using namespace drivertest;

namespace {

using Columns = std::array<const char*, kDriverColumnCount>;

void ExpectRow(const DriverRow& row, const Columns& expected) {
    for (int c = 0; c < kDriverColumnCount; ++c)
        EXPECT_EQ(row[c], QString::fromUtf8(expected[static_cast<std::size_t>(c)])) << "column " << c;
}

struct DurationCase {
    const char* name;
    DurationMs duration;
    const char* text;
};

class DriverDurationText : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DriverDurationText, HoursAndMinutes) {
    EXPECT_EQ(ToDayHourMinute(GetParam().duration), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Durations, DriverDurationText,
    ::testing::Values(DurationCase{"zero", 0, "0h00"},
                      DurationCase{"oneDayThreeHoursFive", Min(27 * 60 + 5), "27h05"},
                      DurationCase{"fourHours", Min(240), "4h00"},
                      DurationCase{"threeFiftyNine", Min(239), "3h59"},
                      // the one second added turns a time a second short of a minute into the minute
                      DurationCase{"secondShortOfFourHours", Min(240) - Sec(1), "4h00"},
                      DurationCase{"twoSecondsShort", Min(240) - Sec(2), "3h59"},
                      DurationCase{"secondShortOfADay", Min(24 * 60) - Sec(1), "24h00"},
                      DurationCase{"oneDay", Min(24 * 60), "24h00"},
                      DurationCase{"hundredDays", Min(100 * 24 * 60 + 7), "2400h07"},
                      DurationCase{"minusNinety", -Min(90), "-1h30"},
                      DurationCase{"minusSecondShortOfQuarter", -(Min(15) - Sec(1)), "-0h15"},
                      DurationCase{"minusTwoDays", -Min(48 * 60), "-48h00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriverListing, DrivingRestDrivingRows) {
    const DriverActivity a =
        Analysed({{kDriverA, '1', T(8, 0)}, {kDriverA, '4', T(12, 0)}, {kDriverA, '1', T(13, 0)}});
    const auto rows = a.Rows(a.defaultRange());
    ASSERT_EQ(rows.size(), 4u);
    ExpectRow(rows[0], {"0", "2024/05/20 08:00:00", "A123456789", "王小明", "1", "[行駛中]", "行駛", "4h00",
                        "0h00", "0h00", "0", "", "0h00"});
    ExpectRow(rows[1], {"1", "2024/05/20 12:00:00", "A123456789", "王小明", "4", "[休息中]", "休息", "1h00",
                        "4h00", "0h00", "1", "", "1h00"});
    ExpectRow(rows[2], {"2", "2024/05/20 13:00:00", "A123456789", "王小明", "1", "[行駛中]", "行駛", "0h01",
                        "0h00", "1h00", "3", "", "0h00"});
    // The closing row one minute after the last change, driving: a minute more driving.
    ExpectRow(rows[3], {"3", "2024/05/20 13:01:00", "", "", "", "", "", "", "0h01", "1h00", "", "", ""});
    // The rest is shown red (4 hours of driving before it, not a complete rest in
    // the end); the driving resumed after it green.
    EXPECT_EQ(DriverRowColour(rows[1], false).text, kDriverTextOverTime);
    EXPECT_EQ(DriverRowColour(rows[2], false).background, kDriverRowResumed);
}

TEST(DriverListing, ClosingRowAfterARestAddsTheMinuteToTheRest) {
    const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)}, {kDriverA, '3', T(12, 0)}});
    const auto rows = a.Rows(a.defaultRange());
    ASSERT_EQ(rows.size(), 3u);
    ExpectRow(rows[2], {"2", "2024/05/20 12:01:00", "", "", "", "", "", "", "4h00", "0h01", "", "", ""});
}

TEST(DriverListing, ClosingRowAfterAnUnknownStateHasNoDurations) {
    const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)}, {kDriverA, '0', T(12, 0)}});
    const auto rows = a.Rows(a.defaultRange());
    ASSERT_EQ(rows.size(), 3u);
    ExpectRow(rows[1], {"1", "2024/05/20 12:00:00", "A123456789", "王小明", "0", "", "", "0h01", "", "", "0",
                        "", "0h00"});
    ExpectRow(rows[2], {"2", "2024/05/20 12:01:00", "", "", "", "", "", "", "", "", "", "", ""});
}

TEST(DriverListing, SingleRecordRowAndClosingRow) {
    const DriverActivity a = Analysed({{kDriverA, '4', T(8, 0)}});
    const auto rows = a.Rows(a.defaultRange());
    ASSERT_EQ(rows.size(), 2u);
    ExpectRow(rows[0], {"0", "2024/05/20 08:00:00", "A123456789", "王小明", "4", "[休息中]", "休息", "0h00",
                        "0h00", "0h00", "0", "", "0h00"});
    ExpectRow(rows[1], {"1", "2024/05/20 08:01:00", "", "", "", "", "", "", "0h00", "0h01", "", "", ""});
}

TEST(DriverListing, PowerFlagsInTheActivityColumns) {
    // 70H without a driver: powered off, rest under the last driver, listed
    // without driver and state. F1H: off and on marks, still driving.
    const DriverActivity a = Analysed(
        {{kDriverA, '1', T(8, 0), 0x80}, {QString(), '0', T(9, 0), 0x40}, {QString(), '1', T(10, 0), 0xC0}});
    ASSERT_EQ(a.gmDI()[1].szDriver, kDriverA + kNameA);
    const auto rows = a.Rows(a.defaultRange());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][kDriverColActivity], QStringLiteral("[有開機][行駛中]"));
    // An hour's rest before another driver's record: a complete rest piece.
    ExpectRow(rows[1], {"1", "2024/05/20 09:00:00", "", "", "0", "[關機]", "", "1h00", "1h00", "0h00", "2",
                        "*", "0h00"});
    EXPECT_EQ(rows[2][kDriverColIdentity], QString());
    EXPECT_EQ(rows[2][kDriverColName], QString());
    EXPECT_EQ(rows[2][kDriverColCode], QStringLiteral("0"));
    EXPECT_EQ(rows[2][kDriverColActivity], QStringLiteral("[關機][有開機][行駛中]"));
    EXPECT_EQ(rows[2][kDriverColState], QStringLiteral("行駛"));
}

TEST(DriverListing, StandbyAndStoppedTexts) {
    const DriverActivity a = Analysed({{kDriverA, '2', T(8, 0)}, {kDriverA, '3', T(8, 10)}});
    const auto rows = a.Rows(a.defaultRange());
    EXPECT_EQ(rows[0][kDriverColActivity], QStringLiteral("[車停中]"));
    EXPECT_EQ(rows[0][kDriverColState], QStringLiteral("行駛"));
    EXPECT_EQ(rows[1][kDriverColActivity], QStringLiteral("[待班中]"));
    EXPECT_EQ(rows[1][kDriverColState], QStringLiteral("休息"));
}

TEST(DriverListing, IntermediatePointIsStarred) {
    const DriverActivity a =
        Analysed({{kDriverA, '1', T(8, 0)}, {kDriverA, '2', T(9, 0)}, {kDriverA, '4', T(10, 0)}});
    const auto rows = a.Rows(a.defaultRange());
    EXPECT_EQ(rows[0][kDriverColIntermediate], QStringLiteral("*"));
    EXPECT_EQ(rows[1][kDriverColIntermediate], QString());
}

TEST(DriverListing, NegativeDurationsReadWithAMinusSign) {
    const DriverActivity a = Analysed({{kDriverA, '1', T(10, 0)}, {kDriverA, '1', T(8, 30)}});
    const auto rows = a.Rows(a.wholeRange());
    EXPECT_EQ(rows[0][kDriverColLasted], QStringLiteral("-1h30"));
    EXPECT_EQ(rows[1][kDriverColDriving], QStringLiteral("-1h30"));
    EXPECT_EQ(rows[2][kDriverColDriving], QStringLiteral("-1h29")); // a minute on from -1h30
    EXPECT_EQ(DriverRowColour(rows[1], false).text, kDriverTextNormal);
}

TEST(DriverListing, FourHoursOfDrivingIsRedThreeFiftyNineBlack) {
    struct Case {
        DateTimeValue second;
        const char* driving;
        std::uint32_t text;
    };
    for (const Case& c :
         {Case{T(12, 0), "4h00", kDriverTextOverTime}, Case{T(11, 59), "3h59", kDriverTextNormal}}) {
        SCOPED_TRACE(c.driving);
        const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)}, {kDriverA, '2', c.second}});
        const auto rows = a.Rows(a.defaultRange());
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[1][kDriverColDriving], QString::fromLatin1(c.driving));
        EXPECT_EQ(DriverRowColour(rows[1], false).text, c.text);
    }
}

class DriverDateFilter : public ::testing::Test {
  protected:
    // Two records on the 21st, one on the 22nd, two on the 23rd.
    DriverActivity a = Analysed({{kDriverA, '1', At(2024, 5, 21, 8, 0)},
                                 {kDriverA, '4', At(2024, 5, 21, 12, 0)},
                                 {kDriverA, '1', At(2024, 5, 22, 8, 0)},
                                 {kDriverA, '4', At(2024, 5, 23, 9, 0)},
                                 {kDriverA, '1', At(2024, 5, 23, 10, 0)}});

    static std::vector<QString> Captions(const std::vector<DriverRow>& rows) {
        std::vector<QString> out;
        for (const DriverRow& r : rows)
            out.push_back(r[kDriverColIndex]);
        return out;
    }
};

TEST_F(DriverDateFilter, RangesKeepRecordNumbersAndCloseOnlyWithTheLastRecord) {
    struct Case {
        std::optional<QString> from, to;
        std::vector<QString> captions;
    };
    const std::vector<Case> cases = {
        {"2024/05/23", "2024/05/23", {"3", "4", "5"}},
        {"2024/05/22", "2024/05/22", {"2"}},
        {"2024/05/21", "2024/05/22", {"0", "1", "2"}},
        {"2024/05/21", "2024/05/23", {"0", "1", "2", "3", "4", "5"}},
        {"2024/05/23", "2024/05/21", {}}, // reversed: nothing
        {std::nullopt, "2024/05/21", {"0", "1"}},
        {"2024/05/22", std::nullopt, {"2", "3", "4", "5"}},
        {std::nullopt, std::nullopt, {"0", "1", "2", "3", "4", "5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.value_or("-").toStdString() + " .. " + c.to.value_or("-").toStdString());
        EXPECT_EQ(Captions(a.Rows({c.from, c.to})), c.captions);
    }
}

TEST_F(DriverDateFilter, DefaultRangeIsTheLastDay) {
    EXPECT_EQ(Captions(a.Rows(a.defaultRange())), (std::vector<QString>{"3", "4", "5"}));
}

struct ColourCase {
    const char* name;
    const char* state;
    const char* driving;
    const char* restValid;
    bool selected;
    std::uint32_t background;
    std::optional<std::uint32_t> text;
};

class DriverRowColourRule : public ::testing::TestWithParam<ColourCase> {};

TEST_P(DriverRowColourRule, BackgroundAndText) {
    const ColourCase& c = GetParam();
    DriverRow row;
    row.columns[kDriverColState] = QString::fromUtf8(c.state);
    row.columns[kDriverColDriving] = QString::fromUtf8(c.driving);
    row.columns[kDriverColRestValid] = QString::fromUtf8(c.restValid);
    const DriverRowColours colours = DriverRowColour(row, c.selected);
    EXPECT_EQ(colours.background, c.background);
    EXPECT_EQ(colours.text, c.text);
}

constexpr std::uint32_t kRed = 0xFF0000, kBlack = 0x000000, kWhite = 0xFFFFFF, kGreen = 0x00FF00,
                        kYellow = 0xFFFF00;

INSTANTIATE_TEST_SUITE_P(
    Rows, DriverRowColourRule,
    ::testing::Values(ColourCase{"drivingFourHours", "行駛", "4h00", "0", false, kWhite, kRed},
                      ColourCase{"drivingThreeFiftyNine", "行駛", "3h59", "0", false, kWhite, kBlack},
                      ColourCase{"drivingLongResumed", "行駛", "27h05", "3", false, kGreen, kRed},
                      ColourCase{"resumedSelected", "行駛", "0h00", "3", true, kYellow, kBlack},
                      ColourCase{"restAfterFourHoursPiece", "休息", "4h00", "1", false, kWhite, kRed},
                      ColourCase{"restAfterFourHoursNone", "休息", "5h10", "0", false, kWhite, kRed},
                      ColourCase{"restAfterFourHoursComplete", "休息", "4h00", "2", false, kWhite, kBlack},
                      ColourCase{"restShortDriving", "休息", "3h59", "0", false, kWhite, kBlack},
                      ColourCase{"noState", "", "9h00", "0", false, kWhite, std::nullopt},
                      ColourCase{"noDurationText", "行駛", "", "0", false, kWhite, std::nullopt},
                      ColourCase{"closingRow", "", "0h01", "", false, kWhite, std::nullopt},
                      ColourCase{"closingRowSelected", "", "0h01", "", true, kYellow, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
