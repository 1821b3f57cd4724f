// The export tool's "gps" key: the day list, the hour records' start digits and
// the detail text of a query over the whole record.
#include "fixtures/GpsBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "tests/support/ExportOf.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QJsonObject exportOf(const VdrFileBuilder& file) {
    return ExportOf(ExportGps, file).value("gps").toObject();
}
} // namespace

TEST(GpsExport, DaysHoursAndTheWholeRecordDetail) {
    const QByteArray block =
        GpsBuilder()
            .hour(2023, 10, 15, 8)
            .rawMinute(0, {0x12, 0x15, 0x64, 0x46, 0x25, 0x03, 0x39, 0x64, 0x00, 0x35, 0x3C})
            .rawHour({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
            .hour(2023, 10, 14, 23)
            .bytes();
    const QJsonObject gps = exportOf(VdrFileBuilder().add(kBlockGpsPositions, block));
    EXPECT_EQ(gps.value("days").toArray(), QJsonArray({"1899/12/30", "2023/10/14", "2023/10/15"}));
    EXPECT_EQ(gps.value("hours").toArray(),
              QJsonArray({"20231015080000", "FFFFFFFFFFFFFF", "20231014230000"}));
    // From 1899/12/30 hour 00 to 2023/10/15 hour 23: both dated hours, in
    // model order; the fill hour's digits sort after every date.
    const QJsonArray detail = gps.value("detail").toArray();
    ASSERT_EQ(detail.size(), 120);
    EXPECT_EQ(detail[0].toString(), QStringLiteral("2023/10/15 08:00:00 (緯,經)=(  25.03396, 121.56446)  "
                                                   "高度(公尺)： 35  平均速度(km/h)：60"));
    EXPECT_TRUE(detail[60].toString().startsWith(QStringLiteral("2023/10/14 23:00:00 ")));
    EXPECT_TRUE(detail[119].toString().startsWith(QStringLiteral("2023/10/14 23:59:00 ")));
}

TEST(GpsExport, WithoutAUsableBlockEverythingIsEmpty) {
    const QByteArray wrongCount = GpsBuilder().hour(2023, 10, 15, 8).count(2).bytes();
    for (const VdrFileBuilder& file :
         {VdrFileBuilder(), VdrFileBuilder().add(kBlockGpsPositions, wrongCount)}) {
        const QJsonObject gps = exportOf(file);
        EXPECT_TRUE(gps.value("days").toArray().isEmpty());
        EXPECT_TRUE(gps.value("hours").toArray().isEmpty());
        EXPECT_TRUE(gps.value("detail").toArray().isEmpty());
    }
}
