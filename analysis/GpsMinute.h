#pragma once
// One minute of an hour record of the position model.
#include <cstdint>

struct TGPSMinute {
    double Latitude = 0.0;     // degrees; 0 when the recorder had no fix
    double Longitude = 0.0;    // degrees
    std::int32_t Speed = 0;    // average speed of the minute, km/h
    std::int32_t Altitude = 0; // metres
};
