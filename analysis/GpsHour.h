#pragma once
// One hour record of the position model.
#include "analysis/GpsLayout.h"
#include "analysis/GpsMinute.h"

#include <QString>
#include <array>

struct TGPSHour {
    // The record's start as the 14 digits YYYYMMDDhhmmss, written as the
    // hexadecimal digits of its BCD bytes (fill bytes show as F).
    QString szStartDate;
    // Minute m after the hour's start.
    std::array<TGPSMinute, GpsLayout::kMinutesPerHour> GPS{};
};
