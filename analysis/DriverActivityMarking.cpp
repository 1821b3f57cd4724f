#include "analysis/DriverActivityMarking.h"

#include <QHash>
#include <algorithm>

namespace {
// Each record's driver as a small number: records of the same identity share it.
std::vector<int> driverNumbers(const std::vector<TDriverInfo>& list, int n, int& driverCount) {
    std::vector<int> numbers(static_cast<std::size_t>(n));
    QHash<QStringView, int> known;
    for (int i = 0; i < n; ++i) {
        const QStringView id =
            QStringView(list[static_cast<std::size_t>(i)].szDriver).left(kDriverIdentityChars);
        auto it = known.constFind(id);
        if (it == known.constEnd()) it = known.insert(id, static_cast<int>(known.size()));
        numbers[static_cast<std::size_t>(i)] = *it;
    }
    driverCount = static_cast<int>(known.size());
    return numbers;
}
} // namespace

void AnalyseDriverMarkTemp(std::vector<TDriverInfo>& list, int high) {
    const int n = std::min(high + 1, static_cast<int>(list.size()));
    if (n < 2) return;
    int driverCount = 0;
    const std::vector<int> drv = driverNumbers(list, n, driverCount);
    const auto K = static_cast<std::size_t>(driverCount);
    auto at = [&](int i) -> TDriverInfo& { return list[static_cast<std::size_t>(i)]; };
    auto driverOf = [&](int i) { return static_cast<std::size_t>(drv[static_cast<std::size_t>(i)]); };
    auto sameDriver = [&](int i, int j) {
        return drv[static_cast<std::size_t>(i)] == drv[static_cast<std::size_t>(j)];
    };

    // 1. Intermediate points (the state carries on, or a rest is followed by
    //    another driver) and single rest pieces.
    for (int i = 0; i + 1 < n; ++i) {
        TDriverInfo& r = at(i);
        TDriverInfo& next = at(i + 1);
        if (r.isDriving() && sameDriver(i, i + 1) && next.isDriving()) r.IsTempFlag = true;
        if (r.isRest() && (!sameDriver(i, i + 1) || next.isRest())) {
            r.IsTempFlag = true;
            const DurationMs d = next.ActiveDate - r.ActiveDate;
            if (d >= kShortRest) next.RestValidFlag = kRestPiece;
            if (d >= kCompleteRest) r.RestValidFlag = kRestComplete;
        }
    }

    // 2. Rest runs: a rest that ends the run of its driver's rests since the
    //    driver last drove lasts from the run's first rest to the next record.
    //    The run's intermediate pieces become rest pieces.
    {
        std::vector<int> runStart(K, -1);        // first rest since the driver last drove
        std::vector<std::vector<int>> pieces(K); // intermediate rests since then, not yet marked
        for (int i = 0; i < n; ++i) {
            TDriverInfo& r = at(i);
            const std::size_t k = driverOf(i);
            if (i + 1 < n && !r.IsTempFlag && r.isRest()) {
                const DateTimeValue start = runStart[k] >= 0 ? at(runStart[k]).ActiveDate : r.ActiveDate;
                const DurationMs total = at(i + 1).ActiveDate - start;
                if (total >= kShortRest) r.RestValidFlag = kRestPiece;
                if (total >= kCompleteRest) r.RestValidFlag = kRestComplete;
                r.TempRest = total;
                for (int j : pieces[k])
                    if (at(j).RestValidFlag <= kRestPiece) at(j).RestValidFlag = kRestPiece;
                pieces[k].clear();
            }
            if (r.isDriving()) {
                runStart[k] = -1;
                pieces[k].clear();
            } else if (r.isRest()) {
                if (runStart[k] < 0) runStart[k] = i;
                if (r.IsTempFlag) pieces[k].push_back(i);
            }
        }
    }

    // 3. Split rests: a rest piece completes a rest when, together with the
    //    driver's earlier pieces back to the last complete rest, it reaches 40
    //    minutes. best[k] is the greatest sum of the driver's latest pieces
    //    (none at all counting as 0), so a piece completes a rest exactly when
    //    walking back over those pieces would reach 40 minutes.
    {
        std::vector<DurationMs> best(K, 0);
        for (int i = 0; i + 1 < n; ++i) {
            TDriverInfo& r = at(i);
            if (r.IsTempFlag) continue;
            const std::size_t k = driverOf(i);
            if (r.RestValidFlag == kRestPiece) {
                if (r.TempRest + best[k] >= kCompleteRest) {
                    r.TempRest = 0;
                    r.RestValidFlag = kRestComplete;
                    best[k] = 0;
                } else {
                    best[k] = std::max<DurationMs>(0, best[k] + r.TempRest);
                }
            } else if (r.RestValidFlag >= kRestComplete) {
                best[k] = 0;
            }
        }
    }

    // 4. The driver's first driving after a complete rest.
    {
        std::vector<char> resting(K, 0);
        for (int i = 0; i < n; ++i) {
            TDriverInfo& r = at(i);
            const std::size_t k = driverOf(i);
            if (r.isDriving() && resting[k]) {
                r.RestValidFlag = kDrivingResumed;
                resting[k] = 0;
            }
            if (i + 1 < n && r.RestValidFlag == kRestComplete) resting[k] = 1;
        }
    }

    // 5. How long each state lasted.
    for (int i = 0; i + 1 < n; ++i)
        at(i).Continue = at(i + 1).ActiveDate - at(i).ActiveDate;
    at(n - 1).Continue = kLastChangeLasts;

    // 6 and 7. Accumulated rest and continuous driving, each carried on from the
    //    driver's previous record.
    {
        std::vector<int> previous(K, -1);
        for (int i = 0; i < n; ++i) {
            TDriverInfo& r = at(i);
            const std::size_t k = driverOf(i);
            const int j = previous[k];
            previous[k] = i;
            if (j < 0) continue;
            const TDriverInfo& p = at(j);
            const DurationMs since = r.ActiveDate - p.ActiveDate;
            if (r.isDriving()) {
                if (r.RestValidFlag == kDrivingResumed) {
                    r.ContinueRest = since + p.ContinueRest;
                    r.ContinueDriving = 0;
                } else {
                    if (p.RestValidFlag == kDrivingResumed) {
                        r.ContinueRest = 0;
                    } else {
                        r.ContinueRest = p.ContinueRest;
                        if (p.isRest() && p.RestValidFlag > kRestNone)
                            r.ContinueRest = since + p.ContinueRest;
                    }
                    r.ContinueDriving = p.ContinueDriving;
                    // A rest that did not count is driving time.
                    if (p.isDriving() || (p.isRest() && p.RestValidFlag == kRestNone))
                        r.ContinueDriving += since;
                }
            } else if (r.isRest()) {
                r.ContinueRest = p.RestValidFlag == kDrivingResumed ? 0 : p.ContinueRest;
                if (r.RestValidFlag > kRestNone && p.isRest()) r.ContinueRest += since;
                r.ContinueDriving = p.ContinueDriving;
                // Here the rest's own mark decides.
                if (p.isDriving() || (p.isRest() && r.RestValidFlag == kRestNone)) r.ContinueDriving += since;
            }
        }
    }

    // 8. Chained rest pieces: a piece that follows another piece becomes part of
    //    a complete rest when the pieces after it lead, without driving or an
    //    unmarked record in between, to a complete rest. stop[j] is the first
    //    record from j on that ends such a look ahead.
    {
        std::vector<int> stop(static_cast<std::size_t>(n) + 1, n);
        for (int j = n - 1; j >= 0; --j)
            stop[static_cast<std::size_t>(j)] = (at(j).isDriving() || at(j).RestValidFlag != kRestPiece)
                                                    ? j
                                                    : stop[static_cast<std::size_t>(j) + 1];
        for (int i = 1; i < n; ++i) {
            TDriverInfo& r = at(i);
            const TDriverInfo& p = at(i - 1);
            if (!(r.isRest() && p.isRest() && p.IsTempFlag && p.RestValidFlag >= kRestPiece && r.IsTempFlag &&
                  r.RestValidFlag == kRestPiece))
                continue;
            const int s = stop[static_cast<std::size_t>(i) + 1];
            if (s < n && !at(s).isDriving() && at(s).RestValidFlag >= kRestComplete)
                r.RestValidFlag = kRestComplete;
        }
    }

    // 9. A single rest right after driving stays a rest piece.
    for (int i = 1; i + 1 < n; ++i) {
        TDriverInfo& r = at(i);
        const TDriverInfo& p = at(i - 1);
        if (r.isRest() && !r.IsTempFlag && r.RestValidFlag == kRestComplete && !p.isRest() && !p.IsTempFlag)
            r.RestValidFlag = kRestPiece;
    }
}
