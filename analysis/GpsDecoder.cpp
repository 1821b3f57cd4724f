#include "analysis/GpsDecoder.h"

#include "analysis/BlockReader.h"

#include <algorithm>
#include <unordered_set>

std::shared_ptr<const GpsModel> DecodeGpsRecord(Bytes block, const std::function<void(int)>& onRecord) {
    auto model = std::make_shared<GpsModel>();
    const BlockReader reader(block);
    if (!reader.canRead(0, GpsLayout::kCountBytes)) return model;
    const long long n = reader.be(GpsLayout::kCountBytes, 0);
    if (n == 0 || static_cast<long long>(reader.size()) != GpsLayout::BlockBytes(n)) return model;

    model->mBlock =
        QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
    const BlockReader data(model->own());
    model->mValid = true;
    model->mStarts.resize(static_cast<std::size_t>(n));

    std::unordered_set<std::int64_t> seenDays;
    for (long long k = 0; k < n; ++k) {
        if (onRecord) onRecord(static_cast<int>(k + 1));
        DateTimeValue start; // stays the zero date-time when the start is not a real one
        data.timeValue(GpsLayout::RecordOffset(k) + GpsLayout::kStartOffset, start);
        model->mStarts[static_cast<std::size_t>(k)] = start;
        if (seenDays.insert(start.dayNumber()).second) model->mDays.append(start.toDateString());
    }
    std::sort(model->mDays.begin(), model->mDays.end());
    return model;
}
