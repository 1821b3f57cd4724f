// "driver": the date list and the rows the driver activity list shows for the
// default choice (the last day); "driverAll": the rows for the whole record.
#include "analysis/DriverActivity.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>

namespace {
QJsonArray rowsJson(const std::vector<DriverRow>& rows) {
    QJsonArray out;
    for (const DriverRow& row : rows) {
        QJsonArray columns;
        for (const QString& text : row.columns)
            columns.append(text);
        out.append(columns);
    }
    return out;
}
} // namespace

void ExportDriver(const TVDR& vdr, const ExportOptions&, QJsonObject& out) {
    DriverActivity activity;
    activity.Analyse(vdr.GetData(kBlockDriverActivity));
    QJsonObject driver;
    driver.insert(QStringLiteral("dates"), QJsonArray::fromStringList(activity.dates()));
    driver.insert(QStringLiteral("rows"), rowsJson(activity.Rows(activity.defaultRange())));
    out.insert(QStringLiteral("driver"), driver);
    out.insert(QStringLiteral("driverAll"), rowsJson(activity.Rows(activity.wholeRange())));
}
