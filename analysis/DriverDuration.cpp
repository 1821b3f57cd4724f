#include "analysis/DriverDuration.h"

QString ToDayHourMinute(DurationMs duration) {
    // The one second added makes a time a moment short of a whole minute read
    // as that minute.
    const bool negative = duration < 0;
    const DurationMs length = (negative ? -duration : duration) + DateTimeValue::kMsPerSecond;
    const long long hours = length / DateTimeValue::kMsPerHour;
    const long long minutes = (length % DateTimeValue::kMsPerHour) / DateTimeValue::kMsPerMinute;
    return QString::asprintf("%s%lldh%.2lld", negative ? "-" : "", hours, minutes);
}
