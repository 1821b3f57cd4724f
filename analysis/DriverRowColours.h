#pragma once
// The colours of a row of the driver activity list: yellow when selected,
// green for driving resumed after a complete rest, and red text for four hours
// or more of continuous driving without a valid rest.
#include "analysis/DriverActivityListing.h"

#include <cstdint>
#include <optional>

inline constexpr std::uint32_t kDriverRowSelected = 0xFFFF00; // RGB
inline constexpr std::uint32_t kDriverRowResumed = 0x00FF00;
inline constexpr std::uint32_t kDriverRowPlain = 0xFFFFFF;
inline constexpr std::uint32_t kDriverTextOverTime = 0xFF0000;
inline constexpr std::uint32_t kDriverTextNormal = 0x000000;
inline constexpr int kDriverHoursLimit = 4;

struct DriverRowColours {
    std::uint32_t background = kDriverRowPlain;
    std::optional<std::uint32_t> text; // absent: the list's own text colour
};

// The same rule serves the row and each of its cells.
DriverRowColours DriverRowColour(const DriverRow& row, bool selected);
