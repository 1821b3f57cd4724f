#pragma once
// Layout of the GPS positions block (04H): a 16-bit big-endian record count N,
// then N hour records of 667 bytes. An hour record starts with the seven BCD
// bytes of its start (year in two bytes, month, day, hour, minute, second) and
// holds one 11-byte entry per minute: longitude (8 BCD digits, DDDddddd, in
// 0.00001 degrees), latitude (8 BCD digits, DDdddddd, in 0.000001 degrees),
// altitude (4 BCD digits, metres) and the minute's average speed (one byte, km/h).

namespace GpsLayout {
inline constexpr int kCountBytes = 2;
inline constexpr int kRecordBytes = 667;
inline constexpr int kStartOffset = 0;
inline constexpr int kStartBytes = 7;
inline constexpr int kMinuteOffset = 7;
inline constexpr int kMinuteBytes = 11;
inline constexpr int kMinutesPerHour = 60;

inline constexpr int kLongitudeOffset = 0;
inline constexpr int kLongitudeBytes = 4;
inline constexpr int kLatitudeOffset = 4;
inline constexpr int kLatitudeBytes = 4;
inline constexpr int kAltitudeOffset = 8;
inline constexpr int kAltitudeBytes = 2;
inline constexpr int kSpeedOffset = 10;

inline constexpr double kLongitudeScale = 0.00001;
inline constexpr double kLatitudeScale = 0.000001;

// The loading run lets the window process events after this many hours.
inline constexpr int kMessageRecords = 100;

constexpr long long RecordOffset(long long k) {
    return kCountBytes + kRecordBytes * k;
}
constexpr long long MinuteOffset(long long k, int m) {
    return RecordOffset(k) + kMinuteOffset + kMinuteBytes * m;
}
constexpr long long BlockBytes(long long n) {
    return kCountBytes + kRecordBytes * n;
}
} // namespace GpsLayout
