#pragma once
// The speed model of one detailed speed block: the minute list (one time text
// per valid minute record, in block order), the day list of the whole-day chart
// and the half-second samples, which are read from the block on demand.
//
// The model keeps its own copy of the block, so it stays valid after the record
// file container loads another file; it is shared read-only between the window
// and the views that draw from it.
#include "analysis/SpeedLayout.h"
#include "analysis/ValueHelpers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class SpeedModel {
  public:
    // An empty model: no speed data, the day list holds only "全部".
    SpeedModel();

    // True when the block passed the length check (the minute chart's Tag 1).
    bool isValid() const { return mValid; }
    // The minute chart's Tag: 1 when a valid block was decoded, else 0.
    int chartTag() const { return mValid ? 1 : 0; }
    // N, the record count of a valid block (0 otherwise).
    int recordCount() const { return mRecordCount; }

    // The minute list: entry r is the r-th valid record.
    int count() const { return static_cast<int>(mMinutes.size()); }
    // "YYYY/MM/DD hh:mm:ss" of entry r: the record's seven time bytes as written.
    QString text(int r) const;
    DateTimeValue time(int r) const { return mMinutes[static_cast<std::size_t>(r)].time; }
    // The record (0-based, in block order) that entry r stands for.
    int recordOf(int r) const { return static_cast<int>(mMinutes[static_cast<std::size_t>(r)].record); }
    // Every entry's text, in order.
    QStringList texts() const;

    // The 120 samples of record k (in block order), empty when out of range.
    Bytes recordSamples(int k) const;
    // The samples of the first record whose seven time bytes equal the time
    // text: characters 1-2, 3-4, 6-7, 9-10, 12-13, 15-16 and 18-19 read as
    // hexadecimal numbers. Empty when no record matches or the text has not
    // that form. The span stays valid as long as the model lives.
    Bytes AnalyseSpeedData(QStringView szFindDate) const;
    // AnalyseSpeedData of entry r's own text, without parsing it.
    Bytes minuteSamples(int r) const;

    // The day list of the whole-day chart: "全部", then a date "YYYY/MM/DD"
    // each time a valid record's date differs from the one added last.
    const QStringList& dayItems() const { return mDayItems; }
    // The day selected after decoding: "全部" in the test-centre edition,
    // the last item in the others.
    int defaultDayIndex(bool testCentre) const;

    // Texts of the test-centre edition's speed tree.
    QString treeRootText() const;
    // "%.2d.0:(%3d)  %.2d.5:(%3d)": second s of entry r with its two samples.
    QString halfSecondText(int r, int s) const;
    static QString HalfSecondText(int second, int speedAt0, int speedAt5);

    static const QString kAllDays;

  private:
    friend std::shared_ptr<const SpeedModel> DecodeSpeedRecord(Bytes block,
                                                               const std::function<void(int)>& onRecord);
    struct Minute {
        DateTimeValue time;
        std::uint32_t record = 0;       // the record itself
        std::uint32_t sampleRecord = 0; // the first record with the same time bytes
    };
    static std::uint64_t TimeKey(Bytes block, long long offset);

    QByteArray mBlock;
    bool mValid = false;
    int mRecordCount = 0;
    std::vector<Minute> mMinutes;
    QStringList mDayItems;
    // Seven time bytes -> the first record (in block order) that carries them.
    std::unordered_map<std::uint64_t, std::uint32_t> mFirstRecord;
};
