#include "fixtures/ControlLogBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "tests/support/ExportOf.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QJsonValue exportOf(const VdrFileBuilder& file) {
    return ExportOf(ExportControl, file).value("control");
}
} // namespace

TEST(ControlExport, RowsOfThreeColumnTexts) {
    ControlLogBuilder b;
    b.add(93600u, 12).add(0xFFFFFFFFu, 77);
    const QJsonArray rows = exportOf(VdrFileBuilder().add(kBlockControlLog, b.bytes())).toArray();
    const QJsonArray expected = {QJsonArray{"0", "1970/01/02 02:00:00", "下載簽章(12)"},
                                 QJsonArray{"1", "2106/02/07 06:28:15", "未知控制(77)"}};
    EXPECT_EQ(rows, expected);
}

TEST(ControlExport, MissingOrMalformedBlockGivesEmptyArray) {
    for (const VdrFileBuilder& file :
         {VdrFileBuilder(), VdrFileBuilder().add(kBlockControlLog, QByteArray(2, '\0')),
          VdrFileBuilder().add(kBlockControlLog, QByteArray(3, '\0'))}) {
        const QJsonValue v = exportOf(file);
        ASSERT_TRUE(v.isArray());
        EXPECT_TRUE(v.toArray().isEmpty());
    }
}
