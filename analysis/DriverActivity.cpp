#include "analysis/DriverActivity.h"

#include "analysis/DriverActivityDecoder.h"
#include "analysis/DriverActivityMarking.h"

#include <algorithm>

bool DriverActivity::Analyse(Bytes block) {
    if (!DecodeDriverActivity(block, mRecords, mDates)) {
        Clear();
        return false;
    }
    std::sort(mDates.begin(), mDates.end());
    AnalyseDriverMarkTemp(mRecords, static_cast<int>(mRecords.size()) - 1);
    return true;
}

void DriverActivity::Clear() {
    mRecords.clear();
    mDates.clear();
}

DriverDateRange DriverActivity::defaultRange() const {
    if (mDates.isEmpty()) return {};
    return {mDates.last(), mDates.last()};
}

DriverDateRange DriverActivity::wholeRange() const {
    if (mDates.isEmpty()) return {};
    return {mDates.first(), mDates.last()};
}

std::vector<DriverRow> DriverActivity::Rows(const DriverDateRange& range) const {
    return AnalyseDriverShow(mRecords, static_cast<int>(mRecords.size()) - 1, range);
}
