// The technical data, events and faults, and system control tabs of the
// analysis window, filled by its loading run (offscreen).
#include "analysis/ui/TfAnalyse.h"
#include "fixtures/ControlLogBuilder.h"
#include "fixtures/EventFaultBuilder.h"
#include "fixtures/TechDataBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"
#include "tests/support/ProgramFolderTest.h"

#include <QFile>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
QStringList rowTexts(const QTreeWidgetItem* item) {
    QStringList out;
    for (int c = 0; c < item->columnCount(); ++c)
        out << item->text(c);
    return out;
}

QStringList headerTexts(const QTreeWidget* list) {
    return rowTexts(list->headerItem());
}

QList<int> widths(const QTreeWidget* list) {
    QList<int> out;
    for (int c = 0; c < list->columnCount(); ++c)
        out << list->columnWidth(c);
    return out;
}

QByteArray techBlock() {
    TechDataBuilder b;
    b.plate = QStringLiteral("KLM-5678");
    b.calibrations.push_back({QStringLiteral("王小明"),
                              123456,
                              123460,
                              BcdBytes(QStringLiteral("20210601080000")),
                              BcdBytes(QStringLiteral("20210601083000")),
                              {}});
    b.clockAdjustments.push_back(
        {BcdBytes(QStringLiteral("20210602090000")), BcdBytes(QStringLiteral("20210602090130"))});
    return b.bytes();
}

QByteArray eventBlock() {
    EventFaultBuilder b;
    b.fault('e', BcdTime(2023, 10, 15, 8, 0, 0), QByteArray(7, '\0'))
        .fault('a', QByteArray(7, char(0xFF)), QByteArray(7, '\0'))
        .event('A', BcdTime(2023, 10, 16, 9, 30, 0), BcdTime(2023, 10, 16, 9, 31, 0), 5);
    return b.bytes();
}

QByteArray controlBlock() {
    return ControlLogBuilder().add(0u, 1).add(93600u, 12).bytes();
}

class RecorderTabsWindowTest : public ProgramFolderTest {
  protected:
    QString fullFile() {
        return writeFile("full.vdr", VdrFileBuilder()
                                         .add(kBlockEventsAndFaults, eventBlock())
                                         .add(kBlockTechnicalData, techBlock())
                                         .add(kBlockControlLog, controlBlock())
                                         .bytes());
    }
    void showAndWait(TfAnalyse& w, const QString& path) {
        w.hide();
        w.SetPauseScale(0.0);
        w.mszVDRFile = path;
        w.show();
        QTest::qWait(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.mbFormShow && !w.IsLoading(); }, 5000));
    }
    QTreeWidget* tree(TfAnalyse& w, const char* name) {
        return w.findChild<QTreeWidget*>(QLatin1String(name));
    }
    TVDR vdr;
};
} // namespace

TEST_F(RecorderTabsWindowTest, TechnicalDataTreeAndPlate) {
    TfAnalyse w(vdr);
    showAndWait(w, fullFile());
    QTreeWidget* tv = tree(w, "TV4Tech");
    ASSERT_NE(tv, nullptr);
    EXPECT_TRUE(w.TS4Tech->isAncestorOf(tv));
    EXPECT_EQ(w.mszVechileID, QStringLiteral("KLM-5678"));
    ASSERT_EQ(tv->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tv->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("技術資料"));
    ASSERT_EQ(root->childCount(), 12);
    EXPECT_EQ(root->child(7)->text(0), QStringLiteral("車牌號碼：KLM-5678"));
    EXPECT_EQ(root->child(9)->text(0), QStringLiteral("時間調整紀錄：[1] 筆"));
    EXPECT_EQ(root->child(9)->child(0)->text(0),
              QStringLiteral("調整前日期時間：[20210602090000] --> 調整後日期時間：[20210602090130] "));
    // The maker's name is selected, so the root is open; the logs are closed.
    EXPECT_EQ(tv->currentItem(), root->child(0));
    EXPECT_TRUE(root->isExpanded());
    EXPECT_FALSE(root->child(8)->isExpanded());
    // The tree fills its tab.
    EXPECT_EQ(tv->window()->isVisible(), true);
    EXPECT_EQ(tv->size(), w.TS4Tech->size());
}

TEST_F(RecorderTabsWindowTest, SelectingALogOpensItAndClosesThePreviousOne) {
    TfAnalyse w(vdr);
    showAndWait(w, fullFile());
    QTreeWidget* tv = tree(w, "TV4Tech");
    QTreeWidgetItem* root = tv->topLevelItem(0);
    tv->setCurrentItem(root->child(8));
    EXPECT_TRUE(root->child(8)->isExpanded());
    tv->setCurrentItem(root->child(8)->child(0));
    EXPECT_TRUE(root->child(8)->isExpanded());
    tv->setCurrentItem(root->child(9));
    EXPECT_TRUE(root->child(9)->isExpanded());
    EXPECT_TRUE(root->isExpanded());
}

TEST_F(RecorderTabsWindowTest, DebugMemoStaysOverTheTree) {
    SetDebugMode(true);
    TfAnalyse w(vdr);
    showAndWait(w, fullFile());
    ASSERT_TRUE(w.M4Debug->isVisible());
    // The last child of the tab sheet is drawn on top.
    EXPECT_EQ(w.TS4Tech->children().last(), w.M4Debug);
}

TEST_F(RecorderTabsWindowTest, EventsAndFaultsList) {
    TfAnalyse w(vdr);
    showAndWait(w, fullFile());
    QTreeWidget* lv = tree(w, "LV4EventAndFault");
    ASSERT_NE(lv, nullptr);
    EXPECT_TRUE(w.TS4EventAndFault->isAncestorOf(lv));
    EXPECT_EQ(headerTexts(lv),
              (QStringList{"序號", "故障或事件", "類別", "說明", "開始時間", "結束時間", "同事件發生次數"}));
    EXPECT_EQ(widths(lv), (QList<int>{50, 100, 50, 140, 200, 200, 140}));
    EXPECT_EQ(lv->font().family(), QStringLiteral("微軟正黑體"));
    EXPECT_EQ(lv->font().pixelSize(), 16);
    EXPECT_EQ(lv->editTriggers(), QAbstractItemView::NoEditTriggers);
    // The fault with a fill start is left out; the event takes number 2.
    ASSERT_EQ(lv->topLevelItemCount(), 2);
    EXPECT_EQ(rowTexts(lv->topLevelItem(0)),
              (QStringList{"1", "故障", "e", "GNSS模組", "2023/10/15 08:00:00", "未結束", ""}));
    EXPECT_EQ(rowTexts(lv->topLevelItem(1)),
              (QStringList{"2", "事件", "A", "斷電", "2023/10/16 09:30:00", "2023/10/16 09:31:00", "5"}));
}

TEST_F(RecorderTabsWindowTest, SystemControlList) {
    TfAnalyse w(vdr);
    showAndWait(w, fullFile());
    QTreeWidget* lv = tree(w, "LV4Control");
    ASSERT_NE(lv, nullptr);
    EXPECT_TRUE(w.T4Control->isAncestorOf(lv));
    EXPECT_EQ(headerTexts(lv), (QStringList{"序號", "作業時間", "類別"}));
    EXPECT_EQ(widths(lv), (QList<int>{50, 180, 320}));
    ASSERT_EQ(w.mControlInfo.size(), 2u);
    EXPECT_EQ(w.mControlInfo[1].u8ControlType, 12);
    EXPECT_EQ(w.mControlInfo[1].ActiveDate, *DateTimeValue::fromParts(1970, 1, 2, 2, 0, 0));
    ASSERT_EQ(lv->topLevelItemCount(), 2);
    EXPECT_EQ(rowTexts(lv->topLevelItem(0)), (QStringList{"0", "1970/01/01 00:00:00", "檢視(1)"}));
    EXPECT_EQ(rowTexts(lv->topLevelItem(1)), (QStringList{"1", "1970/01/02 02:00:00", "下載簽章(12)"}));
}

TEST_F(RecorderTabsWindowTest, NextFileWithoutTheBlocksEmptiesTheTabs) {
    TfAnalyse w(vdr);
    showAndWait(w, fullFile());
    ASSERT_EQ(tree(w, "LV4Control")->topLevelItemCount(), 2);
    showAndWait(
        w, writeFile("bare.vdr", VdrFileBuilder().add(kBlockDetailedSpeed, QByteArray(4, '\0')).bytes()));
    EXPECT_EQ(tree(w, "TV4Tech")->topLevelItemCount(), 0);
    EXPECT_EQ(w.mszVechileID, QStringLiteral("未知車牌"));
    EXPECT_EQ(tree(w, "LV4EventAndFault")->topLevelItemCount(), 0);
    EXPECT_EQ(tree(w, "LV4Control")->topLevelItemCount(), 0);
    EXPECT_TRUE(w.mControlInfo.empty());
}

TEST_F(RecorderTabsWindowTest, FailedLoadEmptiesTreeAndEventsButNotTheControlList) {
    TfAnalyse w(vdr);
    showAndWait(w, fullFile());
    showAndWait(w, dir.path() + QStringLiteral("/missing.vdr"));
    EXPECT_EQ(tree(w, "TV4Tech")->topLevelItemCount(), 0);
    EXPECT_EQ(tree(w, "LV4EventAndFault")->topLevelItemCount(), 0);
    EXPECT_EQ(w.mszVechileID, QStringLiteral("未知車牌"));
    // The control list is emptied by its decoder only, which does not run.
    EXPECT_EQ(tree(w, "LV4Control")->topLevelItemCount(), 2);
}
