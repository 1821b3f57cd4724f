// The export's driver keys: the date list, the rows of the last day and the
// rows of the whole record, closing row included.
#include "DriverTestRecords.h"
#include "fixtures/VdrFileBuilder.h"
#include "tests/support/ExportOf.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>
#include <gtest/gtest.h>

using namespace drivertest;

namespace {

QJsonObject Export(const VdrFileBuilder& file) {
    return ExportOf(ExportDriver, file);
}

QStringList Captions(const QJsonArray& rows) {
    QStringList out;
    for (const QJsonValue& row : rows) {
        EXPECT_EQ(row.toArray().size(), kDriverColumnCount);
        out.append(row.toArray().at(0).toString());
    }
    return out;
}

TEST(DriverExport, DatesLastDayAndWholeRecord) {
    VdrFileBuilder file;
    file.add(kBlockDriverActivity, Block({{kDriverA, '1', At(2024, 5, 21, 8, 0)},
                                          {kDriverA, '4', At(2024, 5, 21, 12, 0)},
                                          {kDriverB, '1', At(2024, 5, 22, 7, 30)},
                                          {kDriverB, '2', At(2024, 5, 22, 9, 0)}}));
    const QJsonObject out = Export(file);
    const QJsonObject driver = out.value("driver").toObject();
    EXPECT_EQ(driver.value("dates").toArray(), QJsonArray({"2024/05/21", "2024/05/22"}));
    const QJsonArray rows = driver.value("rows").toArray();
    EXPECT_EQ(Captions(rows), (QStringList{"2", "3", "4"}));
    EXPECT_EQ(rows.at(1).toArray(),
              QJsonArray({"3", "2024/05/22 09:00:00", "B223344556", "李美華", "2", "[車停中]", "行駛", "0h01",
                          "1h30", "0h00", "0", "", "0h00"}));
    EXPECT_EQ(rows.at(2).toArray(),
              QJsonArray({"4", "2024/05/22 09:01:00", "", "", "", "", "", "", "1h31", "0h00", "", "", ""}));
    EXPECT_EQ(Captions(out.value("driverAll").toArray()), (QStringList{"0", "1", "2", "3", "4"}));
}

TEST(DriverExport, RecordWithoutDriverBlockHasEmptyKeys) {
    VdrFileBuilder file;
    file.add(kBlockTechnicalData, QByteArray(125, '\0'));
    const QJsonObject out = Export(file);
    ASSERT_TRUE(out.contains("driver"));
    EXPECT_TRUE(out.value("driver").toObject().value("dates").toArray().isEmpty());
    EXPECT_TRUE(out.value("driver").toObject().value("rows").toArray().isEmpty());
    EXPECT_TRUE(out.value("driverAll").toArray().isEmpty());
}

} // namespace
