// The production marking against the passes written out literally, on many
// random record lists: several drivers, every state code, gaps around the 15
// and 40 minute thresholds, and times going back.
#include "LiteralDriverMarking.h"
#include "analysis/DriverActivityMarking.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Driver texts: the last two share their identity and differ in the name.
const QString kDrivers[] = {QStringLiteral("A123456789王小明"), QStringLiteral("B223344556李美華"), QString(),
                            QStringLiteral("C998877665陳志強"), QStringLiteral("C998877665林一")};

DurationMs RandomGap(std::mt19937& rng) {
    static constexpr DurationMs kMin = DateTimeValue::kMsPerMinute, kSec = DateTimeValue::kMsPerSecond;
    static const DurationMs kNearThresholds[] = {
        15 * kMin - kSec, 15 * kMin, 15 * kMin + kSec, 40 * kMin - kSec, 40 * kMin, 40 * kMin + kSec,
        5 * kMin,         10 * kMin, 20 * kMin,        25 * kMin,        30 * kMin, 0};
    std::uniform_int_distribution<int> kind(0, 9);
    switch (kind(rng)) {
    case 0: // back in time
        return -std::uniform_int_distribution<DurationMs>(1, 90 * 60)(rng) * kSec;
    case 1:
    case 2: // anything up to five hours, to the second
        return std::uniform_int_distribution<DurationMs>(0, 5 * 3600)(rng) * kSec;
    default: {
        std::uniform_int_distribution<std::size_t> pick(0, std::size(kNearThresholds) - 1);
        return kNearThresholds[pick(rng)];
    }
    }
}

std::vector<TDriverInfo> RandomList(std::mt19937& rng, int length, int drivers) {
    static const std::uint8_t kCodes[] = {'0', '1', '2', '3', '4'};
    static const std::uint8_t kFlags[] = {0x00, 0x00, 0x00, 0x80, 0x40, 0xC0};
    std::vector<TDriverInfo> list(static_cast<std::size_t>(length));
    DateTimeValue t = *DateTimeValue::fromParts(2024, 5, 20, 6, 0, 0);
    std::uniform_int_distribution<int> driver(0, drivers - 1);
    // Rest codes more often than others, so that long rest runs occur.
    std::discrete_distribution<int> code({1, 3, 2, 3, 4});
    std::uniform_int_distribution<std::size_t> flag(0, std::size(kFlags) - 1);
    std::bernoulli_distribution keepDriver(0.6);
    int current = driver(rng);
    for (TDriverInfo& r : list) {
        if (!keepDriver(rng)) current = driver(rng);
        r.szDriver = kDrivers[current];
        r.ActiveType = static_cast<std::uint8_t>(kFlags[flag(rng)] | kCodes[code(rng)]);
        r.ActiveDate = t;
        t = t + RandomGap(rng);
    }
    return list;
}

void ExpectSameMarks(const std::vector<TDriverInfo>& expected, const std::vector<TDriverInfo>& actual,
                     unsigned round) {
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TDriverInfo& e = expected[i];
        const TDriverInfo& a = actual[i];
        const bool same = e.ContinueDriving == a.ContinueDriving && e.ContinueRest == a.ContinueRest &&
                          e.Continue == a.Continue && e.RestValidFlag == a.RestValidFlag &&
                          e.TempRest == a.TempRest && e.IsTempFlag == a.IsTempFlag &&
                          e.ActiveDate == a.ActiveDate && e.ActiveType == a.ActiveType &&
                          e.szDriver == a.szDriver;
        ASSERT_TRUE(same) << "round " << round << ", record " << i << " of " << expected.size()
                          << ": literal flag " << e.RestValidFlag << " temp " << e.IsTempFlag << " rest "
                          << e.TempRest << " cont " << e.Continue << " driving " << e.ContinueDriving
                          << " accumulated " << e.ContinueRest << "; production flag " << a.RestValidFlag
                          << " temp " << a.IsTempFlag << " rest " << a.TempRest << " cont " << a.Continue
                          << " driving " << a.ContinueDriving << " accumulated " << a.ContinueRest;
    }
}

TEST(DriverMarkingDifferential, ProductionEqualsLiteralPassesOnRandomLists) {
    std::mt19937 rng(20240520);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> drivers(1, 5);
    for (unsigned round = 0; round < 5000; ++round) {
        const std::vector<TDriverInfo> list = RandomList(rng, length(rng), drivers(rng));
        std::vector<TDriverInfo> literal = list, production = list;
        LiteralDriverMarkTemp(literal, static_cast<int>(list.size()) - 1);
        AnalyseDriverMarkTemp(production, static_cast<int>(list.size()) - 1);
        ExpectSameMarks(literal, production, round);
        if (HasFatalFailure()) return;
    }
}

TEST(DriverMarkingDifferential, ProductionEqualsLiteralPassesOnLongLists) {
    std::mt19937 rng(7);
    for (unsigned round = 0; round < 40; ++round) {
        const std::vector<TDriverInfo> list = RandomList(rng, 600, 1 + static_cast<int>(round % 5));
        std::vector<TDriverInfo> literal = list, production = list;
        LiteralDriverMarkTemp(literal, static_cast<int>(list.size()) - 1);
        AnalyseDriverMarkTemp(production, static_cast<int>(list.size()) - 1);
        ExpectSameMarks(literal, production, round);
        if (HasFatalFailure()) return;
    }
}

TEST(DriverMarkingDifferential, PartialRangeEqualsLiteralPasses) {
    std::mt19937 rng(99);
    for (unsigned round = 0; round < 500; ++round) {
        const std::vector<TDriverInfo> list = RandomList(rng, 30, 3);
        const int high = static_cast<int>(round % 30);
        std::vector<TDriverInfo> literal = list, production = list;
        LiteralDriverMarkTemp(literal, high);
        AnalyseDriverMarkTemp(production, high);
        ExpectSameMarks(literal, production, round);
        if (HasFatalFailure()) return;
    }
}

} // namespace
