#pragma once
// One entry of the recorder's log of operations done on it (block 05H).
#include "settings/DateTimeValue.h"

#include <cstdint>

struct TControlInfo {
    DateTimeValue ActiveDate;       // time of the operation (Unix seconds, no time-zone shift)
    std::uint8_t u8ControlType = 0; // operation code
};
