#pragma once
// Works out, for every change of driver activity, how long the state lasted,
// the continuous driving time, the accumulated rest time and the rest marks.
#include "analysis/TDriverInfo.h"

#include <vector>

inline constexpr DurationMs kShortRest = 15 * DateTimeValue::kMsPerMinute;    // a rest piece
inline constexpr DurationMs kCompleteRest = 40 * DateTimeValue::kMsPerMinute; // a complete rest
inline constexpr DurationMs kLastChangeLasts = DateTimeValue::kMsPerMinute;

// Computes the derived fields of records 0 .. high in place. Fewer than two
// records are left untouched. Every record's walks over the earlier or later
// records of its driver are folded into running per-driver state, so the work
// grows linearly with the number of records whatever their shape.
void AnalyseDriverMarkTemp(std::vector<TDriverInfo>& list, int high);
