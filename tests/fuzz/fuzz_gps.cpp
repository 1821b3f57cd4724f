// Any bytes as a GPS positions block: the decoder takes it exactly when its
// length fits its count, never reads outside it, keeps every hour, lists each
// day once in order, and a whole-record detail query gives 60 lines an hour.
#include "analysis/GpsDecoder.h"
#include "analysis/GpsDetailQuery.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto model = DecodeGpsRecord(Bytes(data, size));
    const std::size_t n = size >= 2 ? (std::size_t(data[0]) << 8 | data[1]) : 0;
    const bool fits = n != 0 && size == 2 + 667 * n;
    if (model->isValid() != fits) __builtin_trap();
    if (static_cast<std::size_t>(model->hourCount()) != (fits ? n : 0)) __builtin_trap();
    const QStringList& days = model->days();
    for (qsizetype d = 1; d < days.size(); ++d)
        if (!(days[d - 1] < days[d])) __builtin_trap();
    for (int i = 0; i < model->hourCount(); ++i) {
        const TGPSHour h = model->hour(i);
        if (h.szStartDate.size() != 14 || !days.contains(model->dayText(i))) __builtin_trap();
        for (const TGPSMinute& m : h.GPS)
            if (m.Latitude < 0 || m.Longitude < 0 || m.Altitude < 0 || m.Speed < 0 || m.Speed > 255)
                __builtin_trap();
    }
    if (days.isEmpty()) return 0;
    const GpsDetailQuery query(model, GpsDetailQuery::RangeKey(days.first(), u"00"),
                               GpsDetailQuery::RangeKey(days.last(), u"23"));
    if (query.lineCount() != 60 * qsizetype(query.hourCount())) __builtin_trap();
    for (qsizetype i : {qsizetype(0), query.lineCount() / 2, query.lineCount() - 1})
        if (i >= 0 && i < query.lineCount() && query.line(i).isEmpty()) __builtin_trap();
    if (query.hourCount() <= 2) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        if (!query.WriteText(out) || out.data().count("\r\n") != query.lineCount()) __builtin_trap();
    }
    return 0;
}
