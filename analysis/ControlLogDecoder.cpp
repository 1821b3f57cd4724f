#include "analysis/ControlLogDecoder.h"

#include "analysis/BlockReader.h"
#include "settings/Tools.h"

using namespace ControlLogLayout;

std::vector<TControlInfo> DecodeControlLog(Bytes block) {
    std::vector<TControlInfo> entries;
    const BlockReader r(block);
    if (r.empty()) return entries;
    const std::size_t count = r.be(kCountSize, kCountOffset);
    if (r.size() != kCountSize + kEntrySize * count) return entries;
    entries.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const long long at = kCountSize + static_cast<long long>(kEntrySize * k);
        entries[k].ActiveDate =
            UnixSecondsToDateTime(static_cast<std::uint32_t>(r.toUnixTime(at + kTimeOffset)));
        entries[k].u8ControlType = r.u8(at + kCodeOffset);
    }
    return entries;
}

QString ControlTypeText(std::uint8_t u8ControlType) {
    const char16_t* format = u"未知控制(%1)";
    switch (u8ControlType) {
    case 0:
        format = u"None(%1)";
        break;
    case 1:
        format = u"檢視(%1)";
        break;
    case 2:
        format = u"列印駕駛活動(%1)";
        break;
    case 3:
        format = u"列印事件/故障(%1)";
        break;
    case 4:
        format = u"列印技術資料(%1)";
        break;
    case 5:
        format = u"列印十分鐘詳細速度(%1)";
        break;
    case 6:
        format = u"下載事件/故障(%1)";
        break;
    case 7:
        format = u"下載詳細速度(%1)";
        break;
    case 8:
        format = u"下載技術資料(%1)";
        break;
    case 9:
        format = u"下載駕駛活動(%1)";
        break;
    case 10:
        format = u"下載定位資料(%1)";
        break;
    case 11:
        format = u"下載系統控制(%1)";
        break;
    case 12:
        format = u"下載簽章(%1)";
        break;
    case 100:
        format = u"最早的下載(%1)";
        break;
    case 101:
        format = u"最近的下載(%1)";
        break;
    default:
        break;
    }
    return QString::fromUtf16(format).arg(static_cast<int>(u8ControlType));
}

QStringList ControlLogCaptions() {
    return {QStringLiteral("序號"), QStringLiteral("作業時間"), QStringLiteral("類別")};
}

std::vector<int> ControlLogColumnWidths() {
    return {50, 180, 320};
}

QStringList ControlLogTexts(std::size_t index, const TControlInfo& info) {
    return {QString::number(index), info.ActiveDate.toString(), ControlTypeText(info.u8ControlType)};
}
