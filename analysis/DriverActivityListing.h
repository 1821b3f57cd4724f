#pragma once
// The rows of the driver activity list: one per record whose date lies in the
// chosen range, then a closing row one minute after the last change.
#include "analysis/TDriverInfo.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

enum DriverColumn {
    kDriverColIndex = 0,         // 序號
    kDriverColTime = 1,          // 駕駛活動變更時間
    kDriverColIdentity = 2,      // 駕駛人ID
    kDriverColName = 3,          // 駕駛人姓名
    kDriverColCode = 4,          // 類別
    kDriverColActivity = 5,      // 變更後活動類別
    kDriverColState = 6,         // 狀態
    kDriverColLasted = 7,        // 狀態持續
    kDriverColDriving = 8,       // 連續行駛時間
    kDriverColRest = 9,          // 累計休息時間
    kDriverColRestValid = 10,    // 有效休息
    kDriverColIntermediate = 11, // 中繼點
    kDriverColTempRest = 12,
    kDriverColumnCount = 13
};

struct DriverRow {
    std::array<QString, kDriverColumnCount> columns;
    const QString& operator[](int column) const { return columns[static_cast<std::size_t>(column)]; }
};

// The chosen dates "yyyy/mm/dd"; a bound is absent when its date list is empty.
struct DriverDateRange {
    std::optional<QString> from;
    std::optional<QString> to;
    bool contains(const QString& date) const { return !(from && date < *from) && !(to && date > *to); }
};

inline const QString kDriverStateDriving = QStringLiteral("行駛");
inline const QString kDriverStateRest = QStringLiteral("休息");

// The row of record i.
DriverRow DriverRecordRow(const TDriverInfo& record, int i);
// The rows of records 0 .. high whose date lies in the range, and the closing
// row when the last record does.
std::vector<DriverRow> AnalyseDriverShow(const std::vector<TDriverInfo>& list, int high,
                                         const DriverDateRange& range);
