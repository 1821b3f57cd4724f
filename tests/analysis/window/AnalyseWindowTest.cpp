// The analysis window's loading run, driven offscreen.
#include "analysis/ui/TfAnalyse.h"
#include "analysis/ui/TfAnalyseProgress.h"
#include "fixtures/VdrFileBuilder.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"
#include "tests/support/ProgramFolderTest.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class AnalyseWindowTest : public ProgramFolderTest {
  protected:
    // Shows the window on the file and waits until its loading run has ended.
    void showAndWait(TfAnalyse& w, const QString& path) {
        w.SetPauseScale(0.0);
        w.mszVDRFile = path;
        w.show();
        QTest::qWait(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.mbFormShow && !w.IsLoading(); }, 5000));
    }
    TVDR vdr;
};

TEST_F(AnalyseWindowTest, FrameHasItsControlsCaptionsAndTabs) {
    TfAnalyse w(vdr);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("記錄檔(.VDR)分析"));
    EXPECT_EQ(w.size(), QSize(1280, 710));
    auto* pages = w.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    const char* names[] = {"TS4Tech",     "TS4EventAndFault", "TS4Driver",    "TS4Speed",
                           "TS4SpeedAll", "TS4GPS",           "TS4GPSDetail", "T4Control"};
    const char16_t* captions[] = {u" 技術資料 ",
                                  u" 事件及故障 ",
                                  u" 駕駛活動資料 ",
                                  u" 詳細車速資料(分鐘) ",
                                  u"詳細車速資料(日)(全部)",
                                  u" 定位記錄 ",
                                  u" 定位記錄明細 ",
                                  u"系統控制作業"};
    ASSERT_EQ(pages->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), QLatin1String(names[i]));
        EXPECT_EQ(pages->tabText(i), QString::fromUtf16(captions[i]));
    }
    EXPECT_EQ(pages->currentIndex(), 0);
    // The minute speed tab exists only in the test-centre edition.
    EXPECT_FALSE(pages->isTabVisible(3));
    EXPECT_EQ(w.findChild<QToolButton*>("TB4Exit")->text(), QStringLiteral("       結束       "));
    EXPECT_EQ(w.findChild<QToolButton*>("TB4SpeedPrint")->text(), QStringLiteral("印車速圖"));
    EXPECT_EQ(w.findChild<QToolButton*>("TB4GPS")->text(), QStringLiteral("定位地圖"));
}

TEST_F(AnalyseWindowTest, TestCentreEditionShowsTheMinuteSpeedTab) {
    writeFile("VEXO.ini", "[SET]\r\n");
    LoadSettings();
    TfAnalyse w(vdr);
    EXPECT_TRUE(w.PageControl1->isTabVisible(w.PageControl1->indexOf(w.TS4Speed)));
}

TEST_F(AnalyseWindowTest, ToolButtonsFollowTheActiveTab) {
    TfAnalyse w(vdr);
    w.SetPauseScale(0.0);
    w.show();
    struct Case {
        QWidget* tab;
        bool print, map;
    };
    const Case cases[] = {{w.TS4GPS, true, true},
                          {w.TS4Tech, false, false},
                          {w.TS4SpeedAll, false, false},
                          {w.TS4GPS, true, true},
                          {w.TS4Driver, false, false}};
    for (const Case& c : cases) {
        w.SetStatusText(2, QStringLiteral("12.3 km"));
        w.PageControl1->setCurrentWidget(c.tab);
        QApplication::processEvents();
        EXPECT_EQ(w.TB4SpeedPrint->isVisible(), c.print) << c.tab->objectName().toStdString();
        EXPECT_EQ(w.TB4GPS->isVisible(), c.map) << c.tab->objectName().toStdString();
        EXPECT_EQ(w.StatusText(2).isEmpty(), c.tab != w.TS4SpeedAll);
    }
}

TEST_F(AnalyseWindowTest, LoadingRunReportsItsStagesAndEndsLoaded) {
    const QString path = writeFile("small.vdr", VdrFileBuilder().add(0x02, "abc").bytes());
    TfAnalyse w(vdr);
    // Record what the status bar and the progress window show at each stage.
    QStringList statuses;
    QStringList captions;
    QList<int> positions;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const QString s = w.StatusText(0);
        if (statuses.isEmpty() || statuses.back() != s) statuses << s;
        const QString c = w.progressWindow()->windowTitle();
        if (w.progressWindow()->isVisible() && (captions.isEmpty() || captions.back() != c)) captions << c;
        positions << w.progressWindow()->Position();
    });
    sampler.start(0);
    w.SetPauseScale(0.2);
    w.mszVDRFile = path;
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.mbFormShow && !w.IsLoading(); }, 20000));
    sampler.stop();
    EXPECT_EQ(w.StatusText(0), QStringLiteral(" small.vdr 已正確載入"));
    EXPECT_FALSE(w.progressWindow()->isVisible());
    EXPECT_EQ(w.progressWindow()->Position(), 100);
    const QStringList expectedStatuses = {QStringLiteral(" 正在載入 small.vdr ..."),
                                          QStringLiteral(" 正在分析 [事件及故障] 記錄 ..."),
                                          QStringLiteral(" 正在分析 [技術資料] 記錄 ..."),
                                          QStringLiteral(" 正在分析 [駕駛活動類型資料] 記錄 ..."),
                                          QStringLiteral(" 正在分析 [定位資料] 記錄 ..."),
                                          QStringLiteral(" 正在分析 [詳細車速資料] 記錄 ..."),
                                          QStringLiteral(" 正在分析 [系統控制作業資料] 記錄 ...")};
    // Every stage shows up, in order.
    qsizetype at = 0;
    for (const QString& s : expectedStatuses) {
        const qsizetype found = statuses.indexOf(s, at);
        EXPECT_GE(found, at) << s.toStdString();
        at = std::max(at, found);
    }
    const QStringList expectedCaptions = {QStringLiteral("正在載入 .VDR (事件及故障記錄)"),
                                          QStringLiteral("正在載入 .VDR (技術資料記錄)"),
                                          QStringLiteral("正在載入 .VDR (駕駛活動類型資料)"),
                                          QStringLiteral("正在載入 .VDR (定位資料)"),
                                          QStringLiteral("正在載入 .VDR (詳細車速資料)"),
                                          QStringLiteral("正在載入 .VDR (系統控制作業資料)")};
    EXPECT_EQ(captions, expectedCaptions);
    // The bar never goes back, and a file without position data jumps to 60.
    for (qsizetype i = 1; i < positions.size(); ++i)
        EXPECT_GE(positions[i], positions[i - 1]);
    EXPECT_TRUE(positions.contains(10));
    EXPECT_TRUE(positions.contains(21));
    EXPECT_TRUE(positions.contains(32));
    EXPECT_FALSE(positions.contains(40));
    EXPECT_TRUE(positions.contains(60));
    EXPECT_TRUE(positions.contains(95));
}

TEST_F(AnalyseWindowTest, FailedLoadShowsTheMessageAndNoProgressWindow) {
    struct Case {
        const char* name;
        QByteArray bytes;
        bool create;
    };
    const Case cases[] = {{"broken.vdr", QByteArray("\x00\x01\x02", 3), true},
                          {"missing.vdr", QByteArray(), false},
                          {"trailing.vdr", VdrFileBuilder().add(0x02, "x").bytes() + "z", true}};
    for (const Case& c : cases) {
        const QString path = c.create ? writeFile(c.name, c.bytes) : dir.path() + "/" + c.name;
        TfAnalyse w(vdr);
        bool progressShown = false;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout,
                         [&] { progressShown |= w.progressWindow()->isVisible(); });
        sampler.start(0);
        showAndWait(w, path);
        EXPECT_EQ(w.StatusText(0), QLatin1String(c.name) + QStringLiteral(" 載入失敗 !!"));
        EXPECT_FALSE(progressShown) << c.name;
    }
}

TEST_F(AnalyseWindowTest, ActivatingAgainDoesNotDecodeTheFileAgain) {
    const QString path = writeFile("once.vdr", VdrFileBuilder().add(0x02, "abc").bytes());
    TfAnalyse w(vdr);
    showAndWait(w, path);
    EXPECT_EQ(w.LoadRunCount(), 1);
    w.FormActivate();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activate);
    QTest::qWait(20);
    EXPECT_EQ(w.LoadRunCount(), 1);
    // A new showing loads again.
    w.hide();
    showAndWait(w, path);
    EXPECT_EQ(w.LoadRunCount(), 2);
}

TEST_F(AnalyseWindowTest, DebugModeShowsTheMemoAndItsDump) {
    SetDebugMode(true);
    TfAnalyse w(vdr);
    showAndWait(w, writeFile("d.vdr", VdrFileBuilder().bytes()));
    EXPECT_TRUE(w.M4Debug->isVisible());
    EXPECT_TRUE(w.TB4DebugClear->isVisible());
    std::uint8_t data[18];
    for (int i = 0; i < 18; ++i)
        data[i] = static_cast<std::uint8_t>(i * 15);
    w.Debug(data, 18);
    EXPECT_EQ(w.M4Debug->toPlainText(),
              QStringLiteral("00 0F 1E 2D 3C 4B 5A 69 78 87 96 A5 B4 C3 D2 E1 \nF0 FF "));
    QTest::mouseClick(w.TB4DebugClear, Qt::LeftButton);
    EXPECT_TRUE(w.M4Debug->toPlainText().isEmpty());
    SetDebugMode(false);
    TfAnalyse plain(vdr);
    showAndWait(plain, dir.path() + "/d.vdr");
    EXPECT_FALSE(plain.M4Debug->isVisible());
    EXPECT_FALSE(plain.TB4DebugClear->isVisible());
}

TEST_F(AnalyseWindowTest, ExitClosesTheWindow) {
    TfAnalyse w(vdr);
    showAndWait(w, writeFile("x.vdr", VdrFileBuilder().bytes()));
    QTest::mouseClick(w.TB4Exit, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}
} // namespace
