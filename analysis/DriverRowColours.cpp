#include "analysis/DriverRowColours.h"

namespace {
// The whole hours before the "h" of a duration text.
std::optional<int> wholeHours(const QString& text) {
    const qsizetype h = text.indexOf(QLatin1Char('h'));
    if (h < 0) return std::nullopt;
    bool ok = false;
    const int hours = text.left(h).toInt(&ok);
    if (!ok) return std::nullopt;
    return hours;
}
} // namespace

DriverRowColours DriverRowColour(const DriverRow& row, bool selected) {
    DriverRowColours colours;
    if (selected)
        colours.background = kDriverRowSelected;
    else if (row[kDriverColRestValid] == QLatin1String("3"))
        colours.background = kDriverRowResumed;

    const QString& state = row[kDriverColState];
    if (state != kDriverStateDriving && state != kDriverStateRest) return colours;
    const std::optional<int> hours = wholeHours(row[kDriverColDriving]);
    if (!hours) return colours;
    bool overTime = *hours >= kDriverHoursLimit;
    if (state == kDriverStateRest && overTime) {
        const QString& valid = row[kDriverColRestValid];
        overTime = valid == QLatin1String("0") || valid == QLatin1String("1");
    }
    colours.text = overTime ? kDriverTextOverTime : kDriverTextNormal;
    return colours;
}
