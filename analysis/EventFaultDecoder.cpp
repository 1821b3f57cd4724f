#include "analysis/EventFaultDecoder.h"

#include "analysis/BlockReader.h"
#include "settings/Big5Codec.h"

using namespace EventFaultLayout;

namespace {
// End times that mean the fault or event has not ended.
const QString kEndNone = QStringLiteral("0000/00/00 00:00:00");
const QString kEndUnixZero = QStringLiteral("1970/01/01 00:00:00");

// Adds the row of one record unless its times are unusable.
void addRecord(std::vector<EventFaultRow>& rows, const BlockReader& rec, bool isEvent) {
    EventFaultRow row;
    row.bEvent = isEvent;
    row.szStart = rec.timeText(kStartOffset);
    if (!rec.timeValue(kStartOffset, row.start)) return;
    row.szEnd = rec.timeText(kEndOffset);
    if (row.szEnd == kEndNone || row.szEnd == kEndUnixZero) {
        row.szEnd = kNotEnded;
    } else {
        DateTimeValue end;
        if (!rec.timeValue(kEndOffset, end)) return;
        row.end = end;
    }
    row.u8Code = rec.u8(kCodeOffset);
    // The code page keeps the ASCII range as it is.
    const char code = static_cast<char>(row.u8Code);
    row.szCode =
        row.u8Code < 0x80 ? QString(QChar(row.u8Code)) : Big5Codec::toUnicode(QByteArrayView(&code, 1));
    row.szDescription = isEvent ? EventCodeText(row.u8Code) : FaultCodeText(row.u8Code);
    if (isEvent) row.nCount = rec.u8(kOccurrencesOffset);
    row.nNo = static_cast<int>(rows.size()) + 1;
    rows.push_back(std::move(row));
}
} // namespace

QStringList EventFaultCaptions() {
    return {QStringLiteral("序號"),          QStringLiteral("故障或事件"), QStringLiteral("類別"),
            QStringLiteral("說明"),          QStringLiteral("開始時間"),   QStringLiteral("結束時間"),
            QStringLiteral("同事件發生次數")};
}

std::vector<int> EventFaultColumnWidths() {
    return {50, 100, 50, 140, 200, 200, 140};
}

QString FaultCodeText(std::uint8_t code) {
    switch (code) {
    case 'a':
        return QStringLiteral("UART下載");
    case 'b':
        return QStringLiteral("USB下載");
    case 'c':
        return QStringLiteral("NandFlash讀寫");
    case 'd':
        return QStringLiteral("MRAM資料");
    case 'e':
        return QStringLiteral("GNSS模組");
    case 'f':
        return QStringLiteral("印表機");
    case 'g':
        return QStringLiteral("里程");
    case 'h':
        return QStringLiteral("行車紀錄模組");
    case 'i':
        return QStringLiteral("GNSS天線");
    default:
        return QString();
    }
}

QString EventCodeText(std::uint8_t code) {
    switch (code) {
    case 'A':
        return QStringLiteral("斷電");
    case 'B':
        return QStringLiteral("安全防護攻擊");
    default:
        return QString();
    }
}

std::vector<EventFaultRow> DecodeEventsAndFaults(Bytes block) {
    std::vector<EventFaultRow> rows;
    const BlockReader r(block);
    if (r.empty()) return rows;
    const long long length = static_cast<long long>(r.size());
    const int faults = r.u8(kFaultCountOffset);
    const long long eventCountAt = kCountSize + static_cast<long long>(kFaultSize) * faults;
    if (length < eventCountAt) return rows;
    int events = 0;
    if (length > eventCountAt) {
        events = r.u8(eventCountAt);
        if (length != eventCountAt + kCountSize + static_cast<long long>(kEventSize) * events) return rows;
    }
    rows.reserve(static_cast<std::size_t>(faults + events));
    for (int k = 0; k < faults; ++k)
        addRecord(rows, r.sub(kCountSize + static_cast<long long>(kFaultSize) * k, kFaultSize), false);
    const long long eventsAt = eventCountAt + kCountSize;
    for (int k = 0; k < events; ++k)
        addRecord(rows, r.sub(eventsAt + static_cast<long long>(kEventSize) * k, kEventSize), true);
    return rows;
}
