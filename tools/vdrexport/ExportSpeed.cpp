// "speed": {"days": the whole-day chart's day list, "minutes": the minute list},
// and with --samples "samples": for every minute the 120 speeds that the
// sample lookup gives for its time text.
#include "analysis/SpeedDecoder.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>

void ExportSpeed(const TVDR& vdr, const ExportOptions& options, QJsonObject& out) {
    const auto model = DecodeSpeedRecord(vdr.GetData(kBlockDetailedSpeed));
    QJsonObject speed;
    speed.insert(QStringLiteral("days"), QJsonArray::fromStringList(model->dayItems()));
    const QStringList minutes = model->texts();
    speed.insert(QStringLiteral("minutes"), QJsonArray::fromStringList(minutes));
    if (options.samples) {
        QJsonArray samples;
        for (const QString& minute : minutes) {
            QJsonArray values;
            for (std::uint8_t v : model->AnalyseSpeedData(minute))
                values.append(v);
            samples.append(values);
        }
        speed.insert(QStringLiteral("samples"), samples);
    }
    out.insert(QStringLiteral("speed"), speed);
}
