// The speed record in the analysis window (offscreen): the day box and its
// default day per edition, the test-centre tree, the progress stepping and
// the announcement of a large block.
#include "analysis/ui/SpeedPage.h"
#include "analysis/SpeedTreeModel.h"
#include "analysis/ui/GpsPage.h"
#include "analysis/ui/TfAnalyse.h"
#include "analysis/ui/TfAnalyseProgress.h"
#include "fixtures/GpsBuilder.h"
#include "fixtures/SpeedBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"
#include "tests/support/ProgramFolderTest.h"

#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <cstring>
#include <gtest/gtest.h>

namespace {
QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// N minutes from 2021/06/07 08:00 on, one a minute.
QByteArray minutes(int n) {
    SpeedBuilder b;
    const DateTimeValue start = *DateTimeValue::fromParts(2021, 6, 7, 8, 0, 0);
    for (int i = 0; i < n; ++i)
        b.minute(start + i * DateTimeValue::kMsPerMinute, SpeedBuilder::Constant(i % 100));
    return b.bytes();
}
} // namespace

class SpeedPageTest : public ProgramFolderTest {
  protected:
    void useTestCentreEdition() {
        writeFile(QStringLiteral("VEXO.ini"), QByteArray());
        LoadSettings();
        ASSERT_TRUE(IsTestCentreEdition());
    }
    void load(const VdrFileBuilder& file) { ASSERT_TRUE(file.loadInto(vdr)); }
    void loadSpeed(const QByteArray& block) { load(VdrFileBuilder().add(kBlockDetailedSpeed, block)); }
    TVDR vdr;
};

struct EditionCase {
    const char* name;
    bool testCentre;
    int selectedDay;
};

class SpeedPageEdition : public SpeedPageTest, public ::testing::WithParamInterface<EditionCase> {};

TEST_P(SpeedPageEdition, FillsTheDayBoxAndSelectsTheDefaultDay) {
    if (GetParam().testCentre) useTestCentreEdition();
    loadSpeed(SpeedBuilder()
                  .minute(2021, 6, 7, 23, 59, 0, SpeedBuilder::Constant(30))
                  .minute(2021, 6, 8, 0, 0, 0, SpeedBuilder::Constant(40))
                  .bytes());
    TfAnalyse w(vdr);
    SpeedPage& page = *w.mSpeedPage;
    QSignalSpy dayChanged(&page, &SpeedPage::CB4SpeedAllDateChanged);
    QSignalSpy limit(&page, &SpeedPage::CB4SpeedLimitChangeRequested);
    w.AnalyseSpeed(61, 95);

    auto* box = w.findChild<QComboBox*>("CB4SpeedAllDate");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(w.TS4SpeedAll->isAncestorOf(box));
    EXPECT_EQ(items(box), (QStringList{"全部", "2021/06/07", "2021/06/08"}));
    EXPECT_EQ(box->currentIndex(), GetParam().selectedDay);
    ASSERT_EQ(dayChanged.count(), 1);
    EXPECT_EQ(dayChanged.at(0).at(0).toInt(), GetParam().selectedDay);
    EXPECT_EQ(limit.count(), 1);
    EXPECT_EQ(page.TC4SpeedTag, 1);
    EXPECT_EQ(page.speedModel().texts(), (QStringList{"2021/06/07 23:59:00", "2021/06/08 00:00:00"}));

    auto* tree = w.findChild<QTreeView*>("TV4Speed");
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(w.TS4Speed->isAncestorOf(tree));
    if (GetParam().testCentre) {
        ASSERT_EQ(tree->model()->rowCount(), 1);
        const QModelIndex root = tree->model()->index(0, 0);
        EXPECT_EQ(root.data().toString(), QStringLiteral("詳細車速資料：[2] 筆"));
        EXPECT_EQ(tree->model()->rowCount(root), 2);
        EXPECT_TRUE(tree->isExpanded(root));
        EXPECT_EQ(tree->currentIndex().data().toString(), QStringLiteral("2021/06/07 23:59:00"));
    } else {
        EXPECT_EQ(tree->model()->rowCount(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, SpeedPageEdition,
                         ::testing::Values(EditionCase{"Maker", false, 2},
                                           EditionCase{"TestCentre", true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpeedPageTest, OneRecordBlockSelectsItsDayOutsideTheTestCentre) {
    loadSpeed(SpeedBuilder().minute(2021, 6, 7, 14, 44, 54).bytes());
    TfAnalyse w(vdr);
    w.AnalyseSpeed(61, 95);
    EXPECT_EQ(w.mSpeedPage->CB4SpeedAllDate->currentText(), QStringLiteral("2021/06/07"));
}

TEST_F(SpeedPageTest, RejectedBlockLeavesOnlyTheAllItemAndEmptiesTheLastFile) {
    useTestCentreEdition();
    loadSpeed(minutes(3));
    TfAnalyse w(vdr);
    SpeedPage& page = *w.mSpeedPage;
    w.AnalyseSpeed(61, 95);
    ASSERT_EQ(page.speedModel().count(), 3);

    loadSpeed(SpeedBuilder().minute(2021, 6, 7, 10, 0).trailing(QByteArray(1, '\0')).bytes());
    page.Clear();
    QSignalSpy dayChanged(&page, &SpeedPage::CB4SpeedAllDateChanged);
    w.AnalyseSpeed(61, 95);
    EXPECT_EQ(items(page.CB4SpeedAllDate), QStringList{"全部"});
    EXPECT_EQ(page.CB4SpeedAllDate->currentIndex(), 0);
    EXPECT_EQ(dayChanged.count(), 0); // the whole-day chart is not redrawn
    EXPECT_EQ(page.TC4SpeedTag, 0);
    EXPECT_EQ(page.speedModel().count(), 0);
    EXPECT_EQ(page.TV4Speed->model()->rowCount(), 0);
    EXPECT_TRUE(page.AnalyseSpeedData(QStringLiteral("2021/06/07 08:00:00")).empty());
}

struct ProgressCase {
    int records;
    int endPosition;    // starting from 60, range 61 .. 95
    bool announces;     // more than 800 records
    bool pumpsMessages; // more than 120 records
};

class SpeedPageProgress : public SpeedPageTest, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(SpeedPageProgress, StepsTheBarAndAnnouncesLargeBlocks) {
    const ProgressCase& c = GetParam();
    loadSpeed(minutes(c.records));
    TfAnalyse w(vdr);
    TfAnalyseProgress* progress = w.progressWindow();
    progress->SetCaption(QStringLiteral("正在載入 .VDR (詳細車速資料)"));
    progress->SetPosition(60);
    bool pumped = false;
    QTimer::singleShot(0, &w, [&] { pumped = true; });
    w.AnalyseSpeed(61, 95);

    EXPECT_EQ(progress->Position(), c.endPosition);
    EXPECT_EQ(pumped, c.pumpsMessages);
    const QString announcement =
        QStringLiteral("正在繪出 .VDR 詳細車速資料 (速度資料筆數共 %1 筆)").arg(c.records * 120);
    if (c.announces) {
        EXPECT_EQ(progress->windowTitle(), announcement);
        EXPECT_EQ(w.StatusText(0), announcement + QStringLiteral(" ..."));
    } else {
        EXPECT_EQ(progress->windowTitle(), QStringLiteral("正在載入 .VDR (詳細車速資料)"));
    }
}

// Steps: 350 div 35 = 10, a move at 10, 20 ... 350 (35 moves); 800 and 801 div 35 = 22,
// moves at 22, 44 ... 792 (36 moves).
INSTANTIATE_TEST_SUITE_P(Blocks, SpeedPageProgress,
                         ::testing::Values(ProgressCase{120, 60, false, false},
                                           ProgressCase{350, 95, false, true},
                                           ProgressCase{800, 96, false, true},
                                           ProgressCase{801, 96, true, true}),
                         [](const auto& info) { return "Records" + std::to_string(info.param.records); });

TEST_F(SpeedPageTest, LoadingRunFillsSpeedAndPositionViews) {
    useTestCentreEdition();
    const QString path = dir.path() + QStringLiteral("/both.vdr");
    ASSERT_TRUE(VdrFileBuilder()
                    .add(kBlockDetailedSpeed, minutes(200))
                    .add(kBlockGpsPositions, GpsBuilder().hour(2021, 6, 7, 8).hour(2021, 6, 7, 9).bytes())
                    .write(path));
    TfAnalyse w(vdr);
    w.SetPauseScale(0.0);
    w.mszVDRFile = path;
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.mbFormShow && !w.IsLoading(); }, 10000));
    EXPECT_EQ(w.mSpeedPage->speedModel().count(), 200);
    EXPECT_EQ(w.mSpeedPage->TC4SpeedTag, 1);
    EXPECT_EQ(w.mSpeedPage->TV4Speed->model()->rowCount(), 1);
    EXPECT_EQ(w.mSpeedPage->CB4SpeedAllDate->currentText(), QStringLiteral("全部"));
    EXPECT_EQ(w.mGpsPage->mGPSHour().hourCount(), 2);
    EXPECT_EQ(w.mGpsPage->TC4GPSSpeedTag, 1);
    EXPECT_EQ(w.mGpsPage->CB4GPSDate->currentText(), QStringLiteral("2021/06/07"));
    EXPECT_EQ(w.progressWindow()->Position(), 100);
    w.close();
}
