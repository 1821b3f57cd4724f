#pragma once
// The driver activity model of a record file: the changes of driver activity
// in block order (gmDI) with their durations and marks, and the dates they fall
// on, from which the list shows a chosen range.
#include "analysis/DriverActivityListing.h"
#include "analysis/TDriverInfo.h"
#include "analysis/ValueHelpers.h"

#include <QStringList>
#include <vector>

class DriverActivity {
  public:
    // Rebuilds the model from block 03H: decodes it, sorts the dates and works
    // out the durations and marks. A missing, empty or wrongly sized block
    // leaves the model empty and gives false.
    bool Analyse(Bytes block);
    void Clear();

    const std::vector<TDriverInfo>& gmDI() const { return mRecords; }
    // The items of the date lists, sorted ascending; a date appears once for
    // every run of records on it.
    const QStringList& dates() const { return mDates; }
    // The range the first listing shows: the last date alone (no bounds when
    // there are no dates).
    DriverDateRange defaultRange() const;
    // The first date to the last.
    DriverDateRange wholeRange() const;
    // The rows of the records in the range and the closing row.
    std::vector<DriverRow> Rows(const DriverDateRange& range) const;

  private:
    std::vector<TDriverInfo> mRecords;
    QStringList mDates;
};
