#pragma once
// Layout of the detailed speed block (01H): a 16-bit big-endian record count N,
// then N minute records of 127 bytes. A minute record starts with its seven BCD
// time bytes (year in two bytes, month, day, hour, minute, second) followed by
// 120 speed bytes in km/h, one every half second: sample m lies at offset 7 + m.
#include <cstdint>

namespace SpeedLayout {
inline constexpr int kCountBytes = 2;
inline constexpr int kRecordBytes = 127;
inline constexpr int kTimeOffset = 0;
inline constexpr int kTimeBytes = 7;
inline constexpr int kSampleOffset = 7;
inline constexpr int kSamplesPerMinute = 120;
inline constexpr int kSecondsPerMinute = 60;
// Beyond this many records the loading run steps the progress bar.
inline constexpr int kProgressRecords = 120;
// Beyond this many records the progress window announces the samples to draw.
inline constexpr int kAnnounceRecords = 800;

// Offset of record k (0-based) in the block.
constexpr long long RecordOffset(long long k) {
    return kCountBytes + kRecordBytes * k;
}
// The block length that N records need.
constexpr long long BlockBytes(long long n) {
    return kCountBytes + kRecordBytes * n;
}
} // namespace SpeedLayout
