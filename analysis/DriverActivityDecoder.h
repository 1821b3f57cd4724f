#pragma once
// The driver activity block (03H): a 16-bit record count, then records of 26
// bytes: driver text (18), activity byte (1), time of the change (7 BCD bytes).
#include "analysis/TDriverInfo.h"
#include "analysis/ValueHelpers.h"

#include <QStringList>
#include <vector>

inline constexpr int kDriverCountBytes = 2;
inline constexpr int kDriverRecordBytes = 26;
inline constexpr int kDriverTextOffset = 0;
inline constexpr int kDriverTextBytes = 18;
inline constexpr int kDriverActivityOffset = 18;
inline constexpr int kDriverTimeOffset = 19;

// Decodes the block into one TDriverInfo per record, in block order, and the
// date texts "yyyy/mm/dd" in the order they were added (a date is added when it
// differs from the one added last). Durations and marks are left at zero. A
// block that is empty or whose length is not 26 * N + 2 gives false and nothing.
bool DecodeDriverActivity(Bytes block, std::vector<TDriverInfo>& records, QStringList& dates);
