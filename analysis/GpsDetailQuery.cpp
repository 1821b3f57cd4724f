#include "analysis/GpsDetailQuery.h"

#include "settings/Big5Codec.h"

#include <QIODevice>
#include <algorithm>
#include <cstdio>

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

namespace {
// One line as UTF-8 text, appended to out.
void appendLine(QByteArray& out, const DateTimeValue& time, const TGPSMinute& gps) {
    const std::int64_t day = time.dayNumber();
    int y = 0, mo = 0, d = 0;
    DateTimeValue::civilFromDays(day, y, mo, d);
    const std::int64_t ms = time.milliseconds() - day * DateTimeValue::kMsPerDay;
    char buffer[256];
    const int n = std::snprintf(
        buffer, sizeof buffer,
        "%.4d/%.2d/%.2d %.2d:%.2d:%.2d (緯,經)=(%10.5f,%10.5f)  高度(公尺)：%3d  平均速度(km/h)：%d", y, mo,
        d, static_cast<int>(ms / DateTimeValue::kMsPerHour),
        static_cast<int>(ms / DateTimeValue::kMsPerMinute % 60),
        static_cast<int>(ms / DateTimeValue::kMsPerSecond % 60), gps.Latitude, gps.Longitude, gps.Altitude,
        gps.Speed);
    if (n > 0) out.append(buffer, std::min<int>(n, static_cast<int>(sizeof buffer) - 1));
}
} // namespace

QString GpsDetailQuery::FormatLine(const DateTimeValue& time, const TGPSMinute& gps) {
    QByteArray utf8;
    appendLine(utf8, time, gps);
    return QString::fromUtf8(utf8);
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
    static constexpr int kChunkHours = 40;
    QByteArray chunk;
    for (int from = 0; from < hourCount(); from += kChunkHours) {
        if (progress && !progress(qsizetype(from) * GpsLayout::kMinutesPerHour)) return false;
        chunk.clear();
        for (int h = from; h < std::min(hourCount(), from + kChunkHours); ++h) {
            const int hour = mHours[static_cast<std::size_t>(h)];
            const DateTimeValue base = BaseTime(mModel->hourKey(hour));
            for (int m = 0; m < GpsLayout::kMinutesPerHour; ++m) {
                appendLine(chunk, base + m * DateTimeValue::kMsPerMinute, mModel->minute(hour, m));
                chunk.append("\r\n", 2);
            }
        }
        const QByteArray bytes = Big5Codec::fromUnicode(QString::fromUtf8(chunk));
        if (out.write(bytes) != bytes.size()) return false;
    }
    if (progress) progress(lineCount());
    return true;
}
