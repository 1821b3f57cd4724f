#include "analysis/DriverActivityDecoder.h"

#include "analysis/BlockReader.h"
#include "settings/Big5Codec.h"

#include <QHash>

namespace {
// Removes every character of code 32 or below from both ends.
QString trimControls(const QString& s) {
    qsizetype begin = 0, end = s.size();
    while (begin < end && s[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && s[end - 1].unicode() <= 0x20)
        --end;
    return s.mid(begin, end - begin);
}

// Driver fields repeat from record to record; each distinct field is decoded
// once, and a field like the one before takes that one's text at once.
class DriverTextDecoder {
  public:
    QString decode(Bytes field) {
        const QByteArray key = QByteArray::fromRawData(reinterpret_cast<const char*>(field.data()),
                                                       static_cast<qsizetype>(field.size()));
        if (mHasLast && key == mLastKey) return mLastText;
        auto it = mCache.constFind(key);
        if (it == mCache.constEnd()) {
            const QByteArray owned(key.constData(), key.size());
            it = mCache.insert(owned, trimControls(Big5Codec::toUnicode(owned)));
        }
        mLastKey = it.key();
        mLastText = it.value();
        mHasLast = true;
        return mLastText;
    }

  private:
    QHash<QByteArray, QString> mCache;
    QByteArray mLastKey;
    QString mLastText;
    bool mHasLast = false;
};
} // namespace

bool DecodeDriverActivity(Bytes block, std::vector<TDriverInfo>& records, QStringList& dates) {
    records.clear();
    dates.clear();
    const BlockReader reader(block);
    if (!reader.canRead(0, kDriverCountBytes)) return false;
    const std::uint32_t count = reader.be(kDriverCountBytes, 0);
    if (reader.size() != kDriverCountBytes + static_cast<std::size_t>(count) * kDriverRecordBytes)
        return false;

    records.reserve(count);
    DriverTextDecoder texts;
    QString lastDriver;
    std::int64_t lastDay = 0;
    bool anyDate = false;
    for (std::uint32_t k = 0; k < count; ++k) {
        const long long at = kDriverCountBytes + static_cast<long long>(k) * kDriverRecordBytes;
        TDriverInfo info;
        // An invalid time leaves the zero date-time.
        reader.timeValue(at + kDriverTimeOffset, info.ActiveDate);
        // Equal day numbers are equal date texts.
        const std::int64_t day = info.ActiveDate.dayNumber();
        if (!anyDate || day != lastDay) {
            dates.append(info.ActiveDate.toDateString());
            lastDay = day;
            anyDate = true;
        }

        info.szDriver = texts.decode(reader.slice(at + kDriverTextOffset, kDriverTextBytes));
        if (!info.szDriver.isEmpty()) lastDriver = info.szDriver;

        const std::uint8_t activity = reader.u8(at + kDriverActivityOffset);
        const std::uint8_t flags = activity & kActivityFlagMask;
        std::uint8_t code = activity & kActivityCodeMask;
        // Powered off (and not on): the driver is resting, under the last driver seen.
        if (flags == kActivityPoweredOff) {
            code = kStateResting;
            if (info.szDriver.isEmpty()) info.szDriver = lastDriver;
        }
        if (code < kStateDriving || code > kStateResting) code = kStateNone;
        info.ActiveType = static_cast<std::uint8_t>(flags | code);
        records.push_back(std::move(info));
    }
    return true;
}
