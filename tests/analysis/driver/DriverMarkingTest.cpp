// The marks and durations worked out for each change: continuous driving,
// accumulated rest, valid rests in one piece or split, and the thresholds.
#include "DriverTestRecords.h"
#include "analysis/DriverActivityMarking.h"

#include <gtest/gtest.h>

using namespace drivertest;

namespace {

// What a record should end with.
struct Expect {
    int restValid;
    bool temp;
    DurationMs lasted;
    DurationMs driving;
    DurationMs rest;
};

void ExpectMarks(const DriverActivity& a, const std::vector<Expect>& expected) {
    const auto& r = a.gmDI();
    ASSERT_EQ(r.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "record " << i);
        EXPECT_EQ(r[i].RestValidFlag, expected[i].restValid);
        EXPECT_EQ(r[i].IsTempFlag, expected[i].temp);
        EXPECT_EQ(r[i].Continue, expected[i].lasted);
        EXPECT_EQ(r[i].ContinueDriving, expected[i].driving);
        EXPECT_EQ(r[i].ContinueRest, expected[i].rest);
    }
}

TEST(DriverMarking, DrivingRestDrivingOfOneDriver) {
    // The rest of an hour is complete (mark 2) until the last pass lowers a
    // single rest right after driving to 1; the driving after it still counts as
    // resumed after a complete rest.
    const DriverActivity a =
        Analysed({{kDriverA, '1', T(8, 0)}, {kDriverA, '4', T(12, 0)}, {kDriverA, '1', T(13, 0)}});
    ExpectMarks(
        a, {{0, false, Min(240), 0, 0}, {1, false, Min(60), Min(240), 0}, {3, false, Min(1), 0, Min(60)}});
    EXPECT_EQ(a.gmDI()[1].TempRest, Min(60));
}

TEST(DriverMarking, SingleRecordGetsNoDerivedValues) {
    const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)}});
    ExpectMarks(a, {{0, false, 0, 0, 0}});
}

TEST(DriverMarking, SplitRestOfFifteenAndTwentyFiveMinutesIsComplete) {
    const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)},
                                       {kDriverA, '4', T(10, 0)},
                                       {kDriverA, '1', T(10, 15)},
                                       {kDriverA, '4', T(11, 0)},
                                       {kDriverA, '1', T(11, 25)},
                                       {kDriverA, '1', T(12, 0)}});
    ExpectMarks(a, {{0, false, Min(120), 0, 0},
                    {1, false, Min(15), Min(120), 0},
                    {0, false, Min(45), Min(120), Min(15)},
                    {1, false, Min(25), Min(165), Min(15)},
                    {3, true, Min(35), 0, Min(40)},
                    {0, false, Min(1), Min(35), 0}});
    EXPECT_EQ(a.gmDI()[1].TempRest, Min(15));
    EXPECT_EQ(a.gmDI()[3].TempRest, 0); // counted into the complete rest
}

TEST(DriverMarking, SplitRestWithPiecesUnderFifteenMinutesDoesNotCount) {
    // 10 + 10 + 20 minutes between driving: only the 20-minute piece is a rest
    // piece, and it alone is not a complete rest; the short rests are driving time.
    const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)},
                                       {kDriverA, '4', T(10, 0)},
                                       {kDriverA, '1', T(10, 10)},
                                       {kDriverA, '4', T(11, 0)},
                                       {kDriverA, '1', T(11, 10)},
                                       {kDriverA, '4', T(12, 0)},
                                       {kDriverA, '1', T(12, 20)}});
    ExpectMarks(a, {{0, false, Min(120), 0, 0},
                    {0, false, Min(10), Min(120), 0},
                    {0, false, Min(50), Min(130), 0},
                    {0, false, Min(10), Min(180), 0},
                    {0, false, Min(50), Min(190), 0},
                    {1, false, Min(20), Min(240), 0},
                    {0, false, Min(1), Min(240), Min(20)}});
}

TEST(DriverMarking, RestRunOfTenTenAndTwentyMinutesIsComplete) {
    // Standby, resting, standby in a row: one run of 40 minutes; its pieces are
    // intermediate points, and the piece before the run's end becomes complete.
    const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)},
                                       {kDriverA, '3', T(10, 0)},
                                       {kDriverA, '4', T(10, 10)},
                                       {kDriverA, '3', T(10, 20)},
                                       {kDriverA, '1', T(10, 40)},
                                       {kDriverA, '1', T(11, 0)}});
    ExpectMarks(a, {{0, false, Min(120), 0, 0},
                    {1, true, Min(10), Min(120), 0},
                    {2, true, Min(10), Min(120), Min(10)},
                    {2, false, Min(20), Min(120), Min(20)},
                    {3, true, Min(20), 0, Min(40)},
                    {0, false, Min(1), Min(20), 0}});
    EXPECT_EQ(a.gmDI()[3].TempRest, Min(40));
}

TEST(DriverMarking, RestPiecesInterleavedWithAnotherDriver) {
    // A rests 10:00 to 10:40 while B's record falls in between: A's rest run
    // passes over B's record.
    const DriverActivity a = Analysed({{kDriverA, '1', T(8, 0)},
                                       {kDriverA, '4', T(10, 0)},
                                       {kDriverB, '1', T(10, 5)},
                                       {kDriverA, '4', T(10, 10)},
                                       {kDriverA, '1', T(10, 40)},
                                       {kDriverA, '1', T(11, 0)}});
    ExpectMarks(a, {{0, false, Min(120), 0, 0},
                    {1, true, Min(5), Min(120), 0},
                    {0, false, Min(5), 0, 0},
                    {1, false, Min(30), Min(120), Min(10)},
                    {3, true, Min(20), 0, Min(40)},
                    {0, false, Min(1), Min(20), 0}});
    EXPECT_EQ(a.gmDI()[3].TempRest, Min(40));
}

struct ThresholdCase {
    const char* name;
    DurationMs length;
    int restMark;        // the rest's mark in the end
    int resumedMark;     // the driving after it
    int otherMark;       // another driver's record after a rest of that length
    int restBeforeOther; // the rest's mark when another driver's record follows
};

class DriverRestThreshold : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(DriverRestThreshold, AtLeastToTheMillisecond) {
    const ThresholdCase& c = GetParam();
    const DateTimeValue start = T(8, 0);
    const DateTimeValue end = start + c.length;
    {
        SCOPED_TRACE("rest between driving");
        const DriverActivity a =
            Analysed({{kDriverA, '1', T(6, 0)}, {kDriverA, '4', start}, {kDriverA, '1', end}});
        EXPECT_EQ(a.gmDI()[1].TempRest, c.length);
        EXPECT_EQ(a.gmDI()[1].RestValidFlag, c.restMark);
        EXPECT_EQ(a.gmDI()[2].RestValidFlag, c.resumedMark);
    }
    {
        SCOPED_TRACE("rest followed by another driver");
        const DriverActivity a =
            Analysed({{kDriverA, '1', T(6, 0)}, {kDriverA, '4', start}, {kDriverB, '1', end}});
        EXPECT_TRUE(a.gmDI()[1].IsTempFlag);
        EXPECT_EQ(a.gmDI()[1].RestValidFlag, c.restBeforeOther);
        EXPECT_EQ(a.gmDI()[2].RestValidFlag, c.otherMark);
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, DriverRestThreshold,
                         ::testing::Values(ThresholdCase{"m14s59", Min(14) + Sec(59), 0, 0, 0, 0},
                                           ThresholdCase{"m15", Min(15), 1, 0, 1, 0},
                                           ThresholdCase{"m39s59", Min(39) + Sec(59), 1, 0, 1, 0},
                                           ThresholdCase{"m40", Min(40), 1, 3, 1, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DriverMarking, ExactThresholdsOnWholeMinutesOfARecentDate) {
    // 08:15 - 08:00 and 08:40 - 08:00 as fractions of a day fall short of
    // 15/1440 and 40/1440; the marks must not.
    ASSERT_LT(T(8, 15).days() - T(8, 0).days(), 15.0 / 1440.0);
    const DriverActivity a = Analysed({{kDriverA, '1', T(7, 0)},
                                       {kDriverA, '4', T(8, 0)},
                                       {kDriverA, '1', T(8, 15)},
                                       {kDriverA, '4', T(9, 0)},
                                       {kDriverA, '1', T(9, 40)}});
    EXPECT_EQ(a.gmDI()[1].RestValidFlag, 1);
    EXPECT_EQ(a.gmDI()[3].RestValidFlag, 1);
    EXPECT_EQ(a.gmDI()[4].RestValidFlag, 3);
}

TEST(DriverMarking, TimesGoingBackGiveNegativeDurations) {
    const DriverActivity a =
        Analysed({{kDriverA, '1', T(10, 0)}, {kDriverA, '1', T(9, 0)}, {kDriverA, '4', T(9, 30)}});
    EXPECT_EQ(a.gmDI()[0].Continue, -Min(60));
    EXPECT_EQ(a.gmDI()[1].ContinueDriving, -Min(60));
    EXPECT_EQ(a.gmDI()[2].ContinueDriving, -Min(30));
}

TEST(DriverMarking, OnlyTheRecordsUpToHighAreMarked) {
    DriverActivity full =
        Analysed({{kDriverA, '1', T(8, 0)}, {kDriverA, '4', T(12, 0)}, {kDriverA, '1', T(13, 0)}});
    std::vector<TDriverInfo> records = full.gmDI();
    for (TDriverInfo& r : records)
        r = TDriverInfo{r.ActiveDate, r.ActiveType, r.szDriver};
    AnalyseDriverMarkTemp(records, 1);
    EXPECT_EQ(records[0].Continue, Min(240));
    EXPECT_EQ(records[1].Continue, Min(1)); // the last of the two marked
    EXPECT_EQ(records[2].Continue, 0);
    EXPECT_EQ(records[2].RestValidFlag, 0);
}

} // namespace
