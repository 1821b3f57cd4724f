#include "analysis/SpeedDecoder.h"

#include "analysis/BlockReader.h"

std::shared_ptr<const SpeedModel> DecodeSpeedRecord(Bytes block, const std::function<void(int)>& onRecord) {
    auto model = std::make_shared<SpeedModel>();
    const BlockReader reader(block);
    if (!reader.canRead(0, SpeedLayout::kCountBytes)) return model;
    const long long n = reader.be(SpeedLayout::kCountBytes, 0);
    if (n == 0 || static_cast<long long>(reader.size()) != SpeedLayout::BlockBytes(n)) return model;

    model->mBlock =
        QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
    const Bytes own(reinterpret_cast<const std::uint8_t*>(model->mBlock.constData()), block.size());
    const BlockReader data(own);
    model->mValid = true;
    model->mRecordCount = static_cast<int>(n);
    model->mMinutes.reserve(static_cast<std::size_t>(n));
    model->mFirstRecord.reserve(static_cast<std::size_t>(n));

    std::int64_t lastDay = 0;
    bool anyDay = false;
    for (long long k = 0; k < n; ++k) {
        if (onRecord) onRecord(static_cast<int>(k + 1));
        const long long at = SpeedLayout::RecordOffset(k) + SpeedLayout::kTimeOffset;
        const auto [it, firstOfItsTime] =
            model->mFirstRecord.try_emplace(SpeedModel::TimeKey(own, at), static_cast<std::uint32_t>(k));
        (void)firstOfItsTime;
        DateTimeValue time;
        if (!data.timeValue(at, time)) continue;
        // A valid time text's first ten characters are its date.
        if (!anyDay || time.dayNumber() != lastDay) {
            model->mDayItems.append(time.toDateString());
            lastDay = time.dayNumber();
            anyDay = true;
        }
        model->mMinutes.push_back({time, static_cast<std::uint32_t>(k), it->second});
    }
    return model;
}
