#pragma once
// The one bounds-checked reader through which every decoder reads its block.
// Every read outside the block yields the empty result instead of touching
// memory beyond it; canRead tells beforehand whether a range is there.
#include "analysis/ValueHelpers.h"

class BlockReader {
  public:
    BlockReader() = default;
    explicit BlockReader(Bytes data) : mData(data) {}

    std::size_t size() const { return mData.size(); }
    bool empty() const { return mData.empty(); }
    Bytes data() const { return mData; }
    bool canRead(long long offset, long long length) const {
        return length <= 0 || (offset >= 0 && static_cast<unsigned long long>(offset) +
                                                      static_cast<unsigned long long>(length) <=
                                                  mData.size());
    }
    // The sub-range, or an empty span when it does not lie inside the block.
    Bytes slice(long long offset, long long length) const {
        if (length <= 0 || !canRead(offset, length)) return {};
        return mData.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    }
    BlockReader sub(long long offset, long long length) const { return BlockReader(slice(offset, length)); }

    std::uint8_t u8(long long offset) const {
        return canRead(offset, 1) ? mData[static_cast<std::size_t>(offset)] : 0;
    }
    std::uint32_t be(int length, long long offset) const {
        return static_cast<std::uint32_t>(ToLong(mData, length, offset));
    }
    std::int32_t toLong(int length, long long offset) const { return ToLong(mData, length, offset); }
    std::int32_t toUnixTime(long long offset) const { return ToUnixTime(mData, offset); }
    std::int32_t toBCD(int length, long long offset) const { return ToBCD(mData, length, offset); }
    QString toStringBCD(int length, long long offset) const { return ToStringBCD(mData, length, offset); }
    QString toStringHEX(int length, long long offset) const { return ToStringHEX(mData, length, offset); }
    QByteArray toString(int length, long long offset) const { return ToString(mData, length, offset); }
    QString toStringBCDDateTime(int length, long long offset) const {
        return ToStringBCDDateTime(mData, length, offset);
    }
    QString timeText(long long offset) const { return BCDTimeText(mData, offset); }
    bool timeValue(long long offset, DateTimeValue& out) const { return BCDTimeValue(mData, offset, out); }

  private:
    Bytes mData;
};
