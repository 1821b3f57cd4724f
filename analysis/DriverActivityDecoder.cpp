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

// Driver fields repeat from record to record; each distinct field is decoded once.
class DriverTextDecoder {
  public:
    QString decode(Bytes field) {
        const QByteArray key(reinterpret_cast<const char*>(field.data()),
                             static_cast<qsizetype>(field.size()));
        const auto it = mCache.constFind(key);
        if (it != mCache.constEnd()) return *it;
        const QString text = trimControls(Big5Codec::toUnicode(key));
        mCache.insert(key, text);
        return text;
    }

  private:
    QHash<QByteArray, QString> mCache;
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
    QString lastDate;
    bool anyDate = false;
    for (std::uint32_t k = 0; k < count; ++k) {
        const long long at = kDriverCountBytes + static_cast<long long>(k) * kDriverRecordBytes;
        TDriverInfo info;
        // An invalid time leaves the zero date-time.
        reader.timeValue(at + kDriverTimeOffset, info.ActiveDate);
        const QString date = info.ActiveDate.toDateString();
        if (!anyDate || date != lastDate) {
            dates.append(date);
            lastDate = date;
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
