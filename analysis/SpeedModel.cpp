#include "analysis/SpeedModel.h"

#include "analysis/BlockReader.h"

const QString SpeedModel::kAllDays = QStringLiteral("全部");

SpeedModel::SpeedModel() : mDayItems{kAllDays} {}

QString SpeedModel::text(int r) const {
    const BlockReader reader(Bytes(reinterpret_cast<const std::uint8_t*>(mBlock.constData()),
                                   static_cast<std::size_t>(mBlock.size())));
    return reader.timeText(SpeedLayout::RecordOffset(recordOf(r)) + SpeedLayout::kTimeOffset);
}

QStringList SpeedModel::texts() const {
    QStringList out;
    out.reserve(count());
    for (int r = 0; r < count(); ++r)
        out.append(text(r));
    return out;
}

Bytes SpeedModel::recordSamples(int k) const {
    if (k < 0 || k >= mRecordCount) return {};
    const BlockReader reader(Bytes(reinterpret_cast<const std::uint8_t*>(mBlock.constData()),
                                   static_cast<std::size_t>(mBlock.size())));
    return reader.slice(SpeedLayout::RecordOffset(k) + SpeedLayout::kSampleOffset,
                        SpeedLayout::kSamplesPerMinute);
}

Bytes SpeedModel::minuteSamples(int r) const {
    if (r < 0 || r >= count()) return {};
    return recordSamples(static_cast<int>(mMinutes[static_cast<std::size_t>(r)].sampleRecord));
}

namespace {
int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}
} // namespace

Bytes SpeedModel::AnalyseSpeedData(QStringView szFindDate) const {
    // Zero-based starts of the seven two-digit fields of "YYYY/MM/DD hh:mm:ss".
    static constexpr int kFieldStart[SpeedLayout::kTimeBytes] = {0, 2, 5, 8, 11, 14, 17};
    if (!mValid || szFindDate.size() < 19) return {};
    std::uint64_t key = 0;
    for (int start : kFieldStart) {
        const int hi = hexDigit(szFindDate[start]), lo = hexDigit(szFindDate[start + 1]);
        if (hi < 0 || lo < 0) return {};
        key = (key << 8) | static_cast<std::uint64_t>(hi * 16 + lo);
    }
    const auto it = mFirstRecord.find(key);
    if (it == mFirstRecord.end()) return {};
    return recordSamples(static_cast<int>(it->second));
}

int SpeedModel::defaultDayIndex(bool testCentre) const {
    return testCentre ? 0 : static_cast<int>(mDayItems.size()) - 1;
}

QString SpeedModel::treeRootText() const {
    return QStringLiteral("詳細車速資料：[%1] 筆").arg(mRecordCount);
}

QString SpeedModel::HalfSecondText(int second, int speedAt0, int speedAt5) {
    return QString::asprintf("%.2d.0:(%3d)  %.2d.5:(%3d)", second, speedAt0, second, speedAt5);
}

QString SpeedModel::halfSecondText(int r, int s) const {
    if (r < 0 || r >= count() || s < 0 || s >= SpeedLayout::kSecondsPerMinute) return {};
    const Bytes samples = recordSamples(recordOf(r));
    if (samples.size() != SpeedLayout::kSamplesPerMinute) return {};
    const auto at = static_cast<std::size_t>(2 * s);
    return HalfSecondText(s, samples[at], samples[at + 1]);
}

std::uint64_t SpeedModel::TimeKey(Bytes block, long long offset) {
    std::uint64_t key = 0;
    const BlockReader reader(block);
    for (int i = 0; i < SpeedLayout::kTimeBytes; ++i)
        key = (key << 8) | reader.u8(offset + i);
    return key;
}
