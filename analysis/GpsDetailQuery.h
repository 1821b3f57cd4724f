#pragma once
// The per-minute position text for a range of hours: every hour record whose
// first ten start digits (YYYYMMDDhh) lie between the from-key and the to-key
// (plain text comparison, both ends included) gives 60 lines, one per minute,
// in position-model order. The lines are produced when asked for, so a query
// over a whole record (millions of lines) holds only the list of its hours.
#include "analysis/GpsModel.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;

class GpsDetailQuery {
  public:
    // An empty query: no lines.
    GpsDetailQuery() = default;
    GpsDetailQuery(std::shared_ptr<const GpsModel> model, const QString& fromKey, const QString& toKey);

    // A range key: the day "yyyy/mm/dd" written "yyyymmdd", then the hour text.
    static QString RangeKey(QStringView dayText, QStringView hourText);

    // K, the number of hour records in the range.
    int hourCount() const { return static_cast<int>(mHours.size()); }
    // The position-model index of the h-th hour in the range.
    int hourAt(int h) const { return mHours[static_cast<std::size_t>(h)]; }
    qsizetype lineCount() const { return static_cast<qsizetype>(mHours.size()) * GpsLayout::kMinutesPerHour; }
    // Line i: minute i mod 60 of the (i div 60)-th hour in the range.
    QString line(qsizetype i) const;
    QStringList lines() const;

    // "%s (緯,經)=(%10.5f,%10.5f)  高度(公尺)：%3d  平均速度(km/h)：%d".
    static QString FormatLine(const DateTimeValue& time, const TGPSMinute& gps);
    // The hour's base time: the date and hour of its start digits with minutes
    // and seconds 00 (the zero date-time when they are not a real date and hour).
    static DateTimeValue BaseTime(QStringView hourKey);

    // Writes the lines as code page 950 text, each ended by CR LF. progress, when
    // given, is called now and then with the lines written so far; returning
    // false from it stops the writing (the result is then false).
    bool WriteText(QIODevice& out, const std::function<bool(qsizetype)>& progress = {}) const;

  private:
    std::shared_ptr<const GpsModel> mModel;
    std::vector<int> mHours;
};
