#include "fixtures/EventFaultBuilder.h"
#include "fixtures/TechDataBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "tests/support/ExportOf.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QJsonValue exportOf(const VdrFileBuilder& file) {
    return ExportOf(ExportEvents, file).value("events");
}
} // namespace

TEST(EventExport, RowsOfSevenColumnTexts) {
    EventFaultBuilder b;
    b.fault('e', BcdTime(2023, 10, 15, 8, 0, 0), QByteArray(7, '\0'))
        .event('A', BcdTime(2023, 10, 16, 9, 30, 0), BcdTime(2023, 10, 16, 9, 31, 0), 5);
    const QJsonArray rows = exportOf(VdrFileBuilder().add(kBlockEventsAndFaults, b.bytes())).toArray();
    const QJsonArray expected = {
        QJsonArray{"1", "故障", "e", "GNSS模組", "2023/10/15 08:00:00", "未結束", ""},
        QJsonArray{"2", "事件", "A", "斷電", "2023/10/16 09:30:00", "2023/10/16 09:31:00", "5"},
    };
    EXPECT_EQ(rows, expected);
}

TEST(EventExport, MissingOrMalformedBlockGivesEmptyArray) {
    for (const VdrFileBuilder& file :
         {VdrFileBuilder(), VdrFileBuilder().add(kBlockEventsAndFaults, QByteArray(3, '\0'))}) {
        const QJsonValue v = exportOf(file);
        ASSERT_TRUE(v.isArray());
        EXPECT_TRUE(v.toArray().isEmpty());
    }
}
