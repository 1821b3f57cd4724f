#pragma once
// One change of driver activity as the recorder logged it, with the durations
// and marks worked out for it. Durations are kept exact, in whole milliseconds.
#include "settings/DateTimeValue.h"

#include <QString>
#include <cstdint>

using DurationMs = std::int64_t;

// Bits of the activity byte.
inline constexpr std::uint8_t kActivityPoweredOn = 0x80;
inline constexpr std::uint8_t kActivityPoweredOff = 0x40;
inline constexpr std::uint8_t kActivityFlagMask = 0xC0;
inline constexpr std::uint8_t kActivityCodeMask = 0x3F;

// State codes (ASCII digits in bits 0-5).
inline constexpr std::uint8_t kStateNone = '0';
inline constexpr std::uint8_t kStateDriving = '1';
inline constexpr std::uint8_t kStateStopped = '2';
inline constexpr std::uint8_t kStateStandby = '3';
inline constexpr std::uint8_t kStateResting = '4';

// The driver text: the identity in the first 10 characters, the name after it.
inline constexpr int kDriverIdentityChars = 10;
inline constexpr int kDriverNameChars = 8;

// Rest marks (RestValidFlag).
inline constexpr std::int32_t kRestNone = 0;
inline constexpr std::int32_t kRestPiece = 1;      // at least 15 minutes, or a piece of such a rest
inline constexpr std::int32_t kRestComplete = 2;   // at least 40 minutes, in one piece or summed
inline constexpr std::int32_t kDrivingResumed = 3; // first driving of the driver after a complete rest

struct TDriverInfo {
    DateTimeValue ActiveDate;
    std::uint8_t ActiveType = kStateNone; // flags (bits 6-7) + state code
    QString szDriver;
    DurationMs ContinueDriving = 0;
    DurationMs ContinueRest = 0;
    DurationMs Continue = 0;
    std::int32_t RestValidFlag = kRestNone;
    DurationMs TempRest = 0;
    bool IsTempFlag = false;

    std::uint8_t stateCode() const { return ActiveType & kActivityCodeMask; }
    bool poweredOff() const { return (ActiveType & kActivityPoweredOff) != 0; }
    bool poweredOn() const { return (ActiveType & kActivityPoweredOn) != 0; }
    // Driving class: driving or vehicle stopped.
    bool isDriving() const { return stateCode() == kStateDriving || stateCode() == kStateStopped; }
    // Rest class: standby or resting.
    bool isRest() const { return stateCode() == kStateStandby || stateCode() == kStateResting; }
    QString identity() const { return szDriver.left(kDriverIdentityChars); }
    QString name() const { return szDriver.mid(kDriverIdentityChars, kDriverNameChars); }
};
