#include "analysis/DriverActivityListing.h"

#include "analysis/DriverActivityMarking.h"
#include "analysis/DriverDuration.h"

namespace {
QString stateText(std::uint8_t code, bool poweredOff) {
    switch (code) {
    case kStateDriving:
        return QStringLiteral("[行駛中]");
    case kStateStopped:
        return QStringLiteral("[車停中]");
    case kStateStandby:
        return QStringLiteral("[待班中]");
    case kStateResting:
        return poweredOff ? QString() : QStringLiteral("[休息中]");
    default:
        return {};
    }
}
} // namespace

DriverRow DriverRecordRow(const TDriverInfo& r, int i) {
    DriverRow row;
    auto& c = row.columns;
    const bool off = r.poweredOff();
    c[kDriverColIndex] = QString::number(i);
    c[kDriverColTime] = r.ActiveDate.toString();
    if (!off) {
        c[kDriverColIdentity] = r.identity();
        c[kDriverColName] = r.name();
    }
    c[kDriverColCode] = off ? QStringLiteral("0") : QString(QChar(r.stateCode()));
    QString activity;
    if (off) activity += QStringLiteral("[關機]");
    if (r.poweredOn()) activity += QStringLiteral("[有開機]");
    activity += stateText(r.stateCode(), off);
    c[kDriverColActivity] = activity;
    if (r.isDriving())
        c[kDriverColState] = kDriverStateDriving;
    else if (r.isRest() && !off)
        c[kDriverColState] = kDriverStateRest;
    c[kDriverColLasted] = ToDayHourMinute(r.Continue);
    if (r.stateCode() != kStateNone) {
        c[kDriverColDriving] = ToDayHourMinute(r.ContinueDriving);
        c[kDriverColRest] = ToDayHourMinute(r.ContinueRest);
    }
    c[kDriverColRestValid] = QString::number(r.RestValidFlag);
    if (r.IsTempFlag) c[kDriverColIntermediate] = QStringLiteral("*");
    c[kDriverColTempRest] = ToDayHourMinute(r.TempRest);
    return row;
}

std::vector<DriverRow> AnalyseDriverShow(const std::vector<TDriverInfo>& list, int high,
                                         const DriverDateRange& range) {
    std::vector<DriverRow> rows;
    const int n = std::min(high + 1, static_cast<int>(list.size()));
    if (n <= 0) return rows;
    bool lastShown = false;
    for (int i = 0; i < n; ++i) {
        const TDriverInfo& r = list[static_cast<std::size_t>(i)];
        lastShown = range.contains(r.ActiveDate.toDateString());
        if (lastShown) rows.push_back(DriverRecordRow(r, i));
    }
    if (!lastShown) return rows;

    // The closing row: the moment one minute after the last change.
    const TDriverInfo& last = list[static_cast<std::size_t>(n - 1)];
    DriverRow closing;
    auto& c = closing.columns;
    c[kDriverColIndex] = QString::number(n);
    c[kDriverColTime] = (last.ActiveDate + kLastChangeLasts).toString();
    if (last.isDriving()) {
        c[kDriverColDriving] = ToDayHourMinute(last.ContinueDriving + kLastChangeLasts);
        c[kDriverColRest] = ToDayHourMinute(last.ContinueRest);
    } else if (last.isRest()) {
        c[kDriverColDriving] = ToDayHourMinute(last.ContinueDriving);
        c[kDriverColRest] = ToDayHourMinute(last.ContinueRest + kLastChangeLasts);
    }
    rows.push_back(std::move(closing));
    return rows;
}
