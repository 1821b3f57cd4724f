#include "fixtures/TechDataBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "tests/support/ExportOf.h"
#include "tools/vdrexport/ExportSections.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QJsonObject exportOf(const VdrFileBuilder& file) {
    return ExportOf(ExportTech, file);
}
} // namespace

TEST(TechExport, TreeAsNestedNodesWithPlate) {
    TechDataBuilder b;
    b.plate = QStringLiteral("KLM-5678");
    b.clockAdjustments.push_back(
        {BcdBytes(QStringLiteral("20210602090000")), BcdBytes(QStringLiteral("20210602090130"))});
    const QJsonObject out = exportOf(VdrFileBuilder().add(kBlockTechnicalData, b.bytes()));
    EXPECT_EQ(out.value("plate").toString(), QStringLiteral("KLM-5678"));
    const QJsonObject root = out.value("tech").toObject();
    EXPECT_EQ(root.value("text").toString(), QStringLiteral("技術資料"));
    const QJsonArray children = root.value("children").toArray();
    ASSERT_EQ(children.size(), 12);
    EXPECT_EQ(children[7].toObject().value("text").toString(), QStringLiteral("車牌號碼：KLM-5678"));
    EXPECT_EQ(children[7].toObject().value("children").toArray().size(), 0);
    const QJsonObject clock = children[9].toObject();
    EXPECT_EQ(clock.value("text").toString(), QStringLiteral("時間調整紀錄：[1] 筆"));
    const QJsonArray records = clock.value("children").toArray();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].toObject().value("text").toString(),
              QStringLiteral("調整前日期時間：[20210602090000] --> 調整後日期時間：[20210602090130] "));
}

TEST(TechExport, NoUsableBlockGivesNullTreeAndUnknownPlate) {
    const QByteArray tooShort = TechDataBuilder().bytes().left(124);
    for (const VdrFileBuilder& file : {VdrFileBuilder(), VdrFileBuilder().add(kBlockTechnicalData, tooShort),
                                       VdrFileBuilder().add(kBlockEventsAndFaults, QByteArray(1, '\0'))}) {
        const QJsonObject out = exportOf(file);
        ASSERT_TRUE(out.contains("tech"));
        EXPECT_TRUE(out.value("tech").isNull());
        EXPECT_EQ(out.value("plate").toString(), QStringLiteral("未知車牌"));
    }
}
