// Exact date-time values: the calendar, the epoch and whole-millisecond differences.
#include "settings/DateTimeValue.h"

#include <gtest/gtest.h>

namespace {
TEST(DateTimeValue, EpochAndKnownDays) {
    EXPECT_EQ(DateTimeValue().toString(), QStringLiteral("1899/12/30 00:00:00"));
    EXPECT_EQ(DateTimeValue::fromParts(1970, 1, 1, 0, 0, 0)->days(), 25569.0);
    EXPECT_EQ(DateTimeValue::fromParts(1900, 3, 1, 0, 0, 0)->days(), 61.0);
    EXPECT_EQ(DateTimeValue::fromParts(1899, 12, 29, 18, 0, 0)->days(), -0.25);
    EXPECT_EQ(DateTimeValue::fromParts(2021, 6, 7, 14, 44, 54)->toString(),
              QStringLiteral("2021/06/07 14:44:54"));
}

TEST(DateTimeValue, RejectsDatesOutsideTheCalendar) {
    struct Case {
        int y, mo, d, h, mi, s;
        bool ok;
    };
    const Case cases[] = {
        {2021, 2, 29, 0, 0, 0, false}, {2020, 2, 29, 0, 0, 0, true},  {1900, 2, 29, 0, 0, 0, false},
        {2000, 2, 29, 0, 0, 0, true},  {2021, 4, 31, 0, 0, 0, false}, {2021, 13, 1, 0, 0, 0, false},
        {0, 1, 1, 0, 0, 0, false},     {2021, 1, 1, 24, 0, 0, false}, {2021, 1, 1, 23, 59, 59, true},
        {2021, 1, 1, 0, 60, 0, false}, {2021, 1, 0, 0, 0, 0, false}};
    for (const Case& c : cases)
        EXPECT_EQ(DateTimeValue::fromParts(c.y, c.mo, c.d, c.h, c.mi, c.s).has_value(), c.ok)
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi;
}

TEST(DateTimeValue, WholeMinuteDifferencesAreExact) {
    const auto a = *DateTimeValue::fromParts(2024, 3, 5, 8, 0, 0);
    const auto b = *DateTimeValue::fromParts(2024, 3, 5, 8, 15, 0);
    EXPECT_EQ(b - a, 15 * DateTimeValue::kMsPerMinute);
    // The floating-point form of the same difference falls short of 15/1440.
    EXPECT_LT(b.days() - a.days(), 15.0 / 1440.0);
    EXPECT_EQ(DateTimeValue::fromDays(b.days()), b);
}

TEST(DateTimeValue, ComponentsRoundTripAcrossCenturies) {
    for (int y : {1, 1899, 1900, 1970, 2000, 2024, 2106, 9999}) {
        for (int mo : {1, 2, 12}) {
            const auto v = DateTimeValue::fromParts(y, mo, 28, 23, 59, 58, 999);
            ASSERT_TRUE(v);
            EXPECT_EQ(v->year(), y);
            EXPECT_EQ(v->month(), mo);
            EXPECT_EQ(v->day(), 28);
            EXPECT_EQ(v->hour(), 23);
            EXPECT_EQ(v->minute(), 59);
            EXPECT_EQ(v->second(), 58);
            EXPECT_EQ(v->millisecond(), 999);
        }
    }
}
} // namespace
