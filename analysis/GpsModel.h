#pragma once
// The position model of one GPS positions block: the hour records in block
// order (mGPSHour) and the sorted list of their days. The minutes are decoded
// from the block when asked for, so a block of 49,000 hours costs its bytes and
// a few bytes per hour.
//
// The model keeps its own copy of the block, so it stays valid after the record
// file container loads another file; it is shared read-only between the window,
// the detail text and the charts and maps that draw from it.
#include "analysis/GpsHour.h"
#include "analysis/ValueHelpers.h"

#include <QByteArray>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <memory>
#include <vector>

class GpsModel {
  public:
    GpsModel() = default;

    // True when the block passed the length check (the position chart's Tag 1).
    bool isValid() const { return mValid; }
    int chartTag() const { return mValid ? 1 : 0; }

    // mGPSHour: one entry per hour record, in block order.
    int hourCount() const { return static_cast<int>(mStarts.size()); }
    TGPSHour hour(int i) const;
    TGPSMinute minute(int i, int m) const;
    // The 14 digits of hour i's start, as ToStringBCD writes them.
    QString szStartDate(int i) const;
    // The first 10 of those digits (YYYYMMDDhh).
    QString hourKey(int i) const;
    // Hour i's start; the zero date-time when it is not a real date and time.
    DateTimeValue startTime(int i) const { return mStarts[static_cast<std::size_t>(i)]; }
    // "yyyy/mm/dd" of the start; "1899/12/30" for an invalid one.
    QString dayText(int i) const { return startTime(i).toDateString(); }

    // The distinct days of the hour records, sorted ascending. The three day
    // lists of the window hold these; the last (latest) is selected.
    const QStringList& days() const { return mDays; }
    // The hours whose szStartDate begins with the eight digits yyyymmdd, in
    // block order.
    std::vector<int> hoursOfDay(QStringView yyyymmdd) const;

  private:
    friend std::shared_ptr<const GpsModel> DecodeGpsRecord(Bytes block,
                                                           const std::function<void(int)>& onRecord);
    Bytes own() const {
        return Bytes(reinterpret_cast<const std::uint8_t*>(mBlock.constData()),
                     static_cast<std::size_t>(mBlock.size()));
    }

    QByteArray mBlock;
    bool mValid = false;
    std::vector<DateTimeValue> mStarts;
    QStringList mDays;
};
