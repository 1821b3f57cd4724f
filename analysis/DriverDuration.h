#pragma once
// The duration texts of the driver activity list.
#include "analysis/TDriverInfo.h"

#include <QString>

// "%dh%s": the whole hours (days counted as 24 hours) and the two-digit minute
// of the duration plus one second; 1 day 3 hours 5 minutes reads "27h05",
// 23:59:59 reads "24h00". A negative duration (records going back in time)
// reads as its length with a minus sign in front: "-1h30".
QString ToDayHourMinute(DurationMs duration);
