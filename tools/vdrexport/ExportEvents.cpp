// "events": the rows of the events and faults list, each its seven column texts.
#include "analysis/EventFaultDecoder.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>

void ExportEvents(const TVDR& vdr, const ExportOptions&, QJsonObject& out) {
    QJsonArray rows;
    for (const EventFaultRow& r : DecodeEventsAndFaults(vdr.GetData(kBlockEventsAndFaults)))
        rows.append(QJsonArray::fromStringList(r.texts()));
    out.insert(QStringLiteral("events"), rows);
}
