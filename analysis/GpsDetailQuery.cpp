#include "analysis/GpsDetailQuery.h"

#include "settings/Big5Codec.h"

#include <QIODevice>

GpsDetailQuery::GpsDetailQuery(std::shared_ptr<const GpsModel> model, const QString& fromKey,
                               const QString& toKey)
    : mModel(std::move(model)) {
    if (!mModel) return;
    for (int i = 0; i < mModel->hourCount(); ++i) {
        const QString key = mModel->hourKey(i);
        if (key >= fromKey && key <= toKey) mHours.push_back(i);
    }
}

QString GpsDetailQuery::RangeKey(QStringView dayText, QStringView hourText) {
    QString key = dayText.toString();
    key.remove(QLatin1Char('/'));
    return key + hourText.toString();
}

DateTimeValue GpsDetailQuery::BaseTime(QStringView hourKey) {
    if (hourKey.size() < 10) return {};
    int parts[5] = {0, 0, 0, 0, 0}; // year, month, day, hour, and a spare
    static constexpr int kStart[4] = {0, 4, 6, 8};
    static constexpr int kLength[4] = {4, 2, 2, 2};
    for (int f = 0; f < 4; ++f) {
        for (int c = kStart[f]; c < kStart[f] + kLength[f]; ++c) {
            const char16_t u = hourKey[c].unicode();
            if (u < u'0' || u > u'9') return {};
            parts[f] = parts[f] * 10 + (u - u'0');
        }
    }
    return DateTimeValue::fromParts(parts[0], parts[1], parts[2], parts[3], 0, 0).value_or(DateTimeValue());
}

QString GpsDetailQuery::FormatLine(const DateTimeValue& time, const TGPSMinute& gps) {
    return time.toString() +
           QString::asprintf(" (緯,經)=(%10.5f,%10.5f)  高度(公尺)：%3d  平均速度(km/h)：%d", gps.Latitude,
                             gps.Longitude, gps.Altitude, gps.Speed);
}

QString GpsDetailQuery::line(qsizetype i) const {
    if (i < 0 || i >= lineCount()) return {};
    const int hour = mHours[static_cast<std::size_t>(i / GpsLayout::kMinutesPerHour)];
    const int m = static_cast<int>(i % GpsLayout::kMinutesPerHour);
    const DateTimeValue time = BaseTime(mModel->hourKey(hour)) + m * DateTimeValue::kMsPerMinute;
    return FormatLine(time, mModel->minute(hour, m));
}

QStringList GpsDetailQuery::lines() const {
    QStringList out;
    out.reserve(lineCount());
    for (qsizetype i = 0; i < lineCount(); ++i)
        out.append(line(i));
    return out;
}

bool GpsDetailQuery::WriteText(QIODevice& out, const std::function<bool(qsizetype)>& progress) const {
    // The code page is stateless, so a chunk of lines encodes as its lines do one by one.
    static constexpr qsizetype kChunkLines = 2000;
    const QString crlf = QStringLiteral("\r\n");
    for (qsizetype from = 0; from < lineCount(); from += kChunkLines) {
        if (progress && !progress(from)) return false;
        QString chunk;
        const qsizetype to = std::min(lineCount(), from + kChunkLines);
        for (qsizetype i = from; i < to; ++i) {
            chunk += line(i);
            chunk += crlf;
        }
        const QByteArray bytes = Big5Codec::fromUnicode(chunk);
        if (out.write(bytes) != bytes.size()) return false;
    }
    if (progress) progress(lineCount());
    return true;
}
