#include "LiteralDriverMarking.h"

namespace {
constexpr DurationMs k15 = 15 * 60 * 1000;
constexpr DurationMs k40 = 40 * 60 * 1000;

bool drivingClass(const TDriverInfo& r) {
    const int t = r.ActiveType & 0x3F;
    return t == '1' || t == '2';
}
bool restClass(const TDriverInfo& r) {
    const int t = r.ActiveType & 0x3F;
    return t == '3' || t == '4';
}
bool same(const TDriverInfo& a, const TDriverInfo& b) {
    return QStringView(a.szDriver).left(10) == QStringView(b.szDriver).left(10);
}
} // namespace

void LiteralDriverMarkTemp(std::vector<TDriverInfo>& L, int high) {
    const int N = high + 1;
    if (N < 2) return;
    auto d = [&](int i) { return L[i].ActiveDate.milliseconds(); };

    // Pass 1
    for (int i = 0; i <= N - 2; ++i) {
        if (drivingClass(L[i]) && same(L[i], L[i + 1]) && drivingClass(L[i + 1])) L[i].IsTempFlag = true;
        if (restClass(L[i]) && (!same(L[i], L[i + 1]) || restClass(L[i + 1]))) {
            L[i].IsTempFlag = true;
            const DurationMs D = d(i + 1) - d(i);
            if (D >= k15) L[i + 1].RestValidFlag = 1;
            if (D >= k40) L[i].RestValidFlag = 2;
        }
    }
    // Pass 2
    for (int i = 0; i <= N - 2; ++i) {
        if (L[i].IsTempFlag || !restClass(L[i])) continue;
        DurationMs start = d(i);
        for (int j = i - 1; j >= 0; --j) {
            if (!same(L[j], L[i])) continue;
            if (drivingClass(L[j])) break;
            if (restClass(L[j])) start = d(j);
        }
        const DurationMs total = d(i + 1) - start;
        if (total >= k15) L[i].RestValidFlag = 1;
        if (total >= k40) L[i].RestValidFlag = 2;
        L[i].TempRest = total;
        for (int j = i - 1; j >= 0; --j) {
            if (!same(L[j], L[i])) continue;
            if (drivingClass(L[j])) break;
            if (restClass(L[j]) && L[j].IsTempFlag && L[j].RestValidFlag <= 1) L[j].RestValidFlag = 1;
        }
    }
    // Pass 3
    for (int i = 0; i <= N - 2; ++i) {
        if (L[i].IsTempFlag || L[i].RestValidFlag != 1) continue;
        DurationMs sum = L[i].TempRest;
        for (int j = i - 1; j >= 0 && sum < k40; --j) {
            if (!same(L[j], L[i]) || L[j].IsTempFlag) continue;
            if (L[j].RestValidFlag >= 2) break;
            if (L[j].RestValidFlag == 1) sum += L[j].TempRest;
        }
        if (sum >= k40) {
            L[i].TempRest = 0;
            L[i].RestValidFlag = 2;
        }
    }
    // Pass 4
    for (int i = 0; i <= N - 2; ++i) {
        if (L[i].RestValidFlag != 2) continue;
        for (int j = i + 1; j <= N - 1; ++j) {
            if (same(L[j], L[i]) && drivingClass(L[j])) {
                L[j].RestValidFlag = 3;
                break;
            }
        }
    }
    // Pass 5
    for (int i = 0; i <= N - 2; ++i)
        L[i].Continue = d(i + 1) - d(i);
    L[N - 1].Continue = 60 * 1000;
    // Pass 6
    for (int i = 0; i <= N - 1; ++i) {
        int j = i - 1;
        while (j >= 0 && !same(L[j], L[i]))
            --j;
        if (j < 0) continue;
        if (drivingClass(L[i]) && L[i].RestValidFlag == 3) {
            L[i].ContinueRest = d(i) - d(j) + L[j].ContinueRest;
        } else if (drivingClass(L[i])) {
            if (L[j].RestValidFlag == 3) {
                L[i].ContinueRest = 0;
            } else {
                L[i].ContinueRest = L[j].ContinueRest;
                if (restClass(L[j]) && L[j].RestValidFlag > 0)
                    L[i].ContinueRest = d(i) - d(j) + L[j].ContinueRest;
            }
        } else if (restClass(L[i])) {
            L[i].ContinueRest = L[j].RestValidFlag == 3 ? 0 : L[j].ContinueRest;
            if (L[i].RestValidFlag > 0 && restClass(L[j])) L[i].ContinueRest += d(i) - d(j);
        }
    }
    // Pass 7
    for (int i = 0; i <= N - 1; ++i) {
        int j = i - 1;
        while (j >= 0 && !same(L[j], L[i]))
            --j;
        if (j < 0) continue;
        if (drivingClass(L[i]) && L[i].RestValidFlag == 3) {
            L[i].ContinueDriving = 0;
        } else if (drivingClass(L[i])) {
            L[i].ContinueDriving = L[j].ContinueDriving;
            if (drivingClass(L[j]) || (restClass(L[j]) && L[j].RestValidFlag == 0))
                L[i].ContinueDriving += d(i) - d(j);
        } else if (restClass(L[i])) {
            L[i].ContinueDriving = L[j].ContinueDriving;
            if (drivingClass(L[j]) || (restClass(L[j]) && L[i].RestValidFlag == 0))
                L[i].ContinueDriving += d(i) - d(j);
        }
    }
    // Pass 8
    for (int i = 1; i <= N - 1; ++i) {
        if (!(restClass(L[i]) && restClass(L[i - 1]) && L[i - 1].IsTempFlag && L[i - 1].RestValidFlag >= 1 &&
              L[i].IsTempFlag && L[i].RestValidFlag == 1))
            continue;
        for (int j = i + 1; j <= N - 1; ++j) {
            if (drivingClass(L[j]) || L[j].RestValidFlag < 1) break;
            if (L[j].RestValidFlag == 1) continue;
            L[i].RestValidFlag = 2;
            break;
        }
    }
    // Pass 9
    for (int i = 1; i <= N - 2; ++i) {
        if (restClass(L[i]) && !L[i].IsTempFlag && L[i].RestValidFlag == 2 && !restClass(L[i - 1]) &&
            !L[i - 1].IsTempFlag)
            L[i].RestValidFlag = 1;
    }
}
