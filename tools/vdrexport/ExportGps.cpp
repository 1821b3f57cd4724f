// "gps": {"days": the position day list, "hours": every hour record's start
// digits, "detail": the detail text of a query over the whole record, from the
// first day hour 00 to the last day hour 23}.
#include "analysis/GpsDecoder.h"
#include "analysis/GpsDetailQuery.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>

void ExportGps(const TVDR& vdr, const ExportOptions&, QJsonObject& out) {
    const auto model = DecodeGpsRecord(vdr.GetData(kBlockGpsPositions));
    QJsonObject gps;
    gps.insert(QStringLiteral("days"), QJsonArray::fromStringList(model->days()));
    QJsonArray hours;
    for (int i = 0; i < model->hourCount(); ++i)
        hours.append(model->szStartDate(i));
    gps.insert(QStringLiteral("hours"), hours);
    QJsonArray detail;
    if (!model->days().isEmpty()) {
        const GpsDetailQuery query(model, GpsDetailQuery::RangeKey(model->days().first(), u"00"),
                                   GpsDetailQuery::RangeKey(model->days().last(), u"23"));
        for (qsizetype i = 0; i < query.lineCount(); ++i)
            detail.append(query.line(i));
    }
    gps.insert(QStringLiteral("detail"), detail);
    out.insert(QStringLiteral("gps"), gps);
}
