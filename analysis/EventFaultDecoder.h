#pragma once
// Decoder of the events and faults block (00H): a count of fault records of
// 15 bytes, then (unless the block ends there) a count of event records of 16.
#include "analysis/EventFaultRow.h"
#include "analysis/ValueHelpers.h"

#include <vector>

namespace EventFaultLayout {
inline constexpr int kFaultCountOffset = 0;
inline constexpr int kCountSize = 1;
inline constexpr int kFaultSize = 15;
inline constexpr int kEventSize = 16;
// Fields of both record kinds.
inline constexpr int kCodeOffset = 0;
inline constexpr int kStartOffset = 1;
inline constexpr int kEndOffset = 8;
// Events only.
inline constexpr int kOccurrencesOffset = 15;
} // namespace EventFaultLayout

inline const QString kNotEnded = QStringLiteral("未結束");

// The column captions and pixel widths of the list.
QStringList EventFaultCaptions();
std::vector<int> EventFaultColumnWidths();

// The description of a fault code ("a" to "i") or event code ("A", "B"),
// empty for any other code.
QString FaultCodeText(std::uint8_t code);
QString EventCodeText(std::uint8_t code);

// The rows to list, faults first, then events, in block order. A block of a
// wrong length gives no rows. Never reads outside the block.
std::vector<EventFaultRow> DecodeEventsAndFaults(Bytes block);
