#pragma once
// Decoder of the system control block (05H): a 16-bit big-endian entry count,
// then entries of five bytes, each a 32-bit little-endian Unix time and an
// operation code.
#include "analysis/ControlLogInfo.h"
#include "analysis/ValueHelpers.h"

#include <QStringList>
#include <vector>

namespace ControlLogLayout {
inline constexpr int kCountOffset = 0;
inline constexpr int kCountSize = 2;
inline constexpr int kEntrySize = 5;
inline constexpr int kTimeOffset = 0; // 4 bytes, little-endian
inline constexpr int kCodeOffset = 4;
} // namespace ControlLogLayout

// Every entry in block order; nothing unless the block is exactly the count
// and its entries long. Never reads outside the block.
std::vector<TControlInfo> DecodeControlLog(Bytes block);

// The operation text, carrying the code: "下載簽章(12)", "未知控制(13)".
QString ControlTypeText(std::uint8_t u8ControlType);

// The column captions and pixel widths of the list.
QStringList ControlLogCaptions();
std::vector<int> ControlLogColumnWidths();

// The three column texts of the entry at index (counted from 0).
QStringList ControlLogTexts(std::size_t index, const TControlInfo& info);
