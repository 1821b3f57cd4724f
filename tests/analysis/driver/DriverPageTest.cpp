// The driver activity tab offscreen: the date lists, the list with its
// columns, the query button, row selection by click and the painted colours.
#include "analysis/ui/DriverPage.h"
#include "DriverTestRecords.h"
#include "analysis/ui/DriverListModel.h"
#include "analysis/ui/TfAnalyse.h"
#include "fixtures/VdrFileBuilder.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"
#include "tests/support/ProgramFolderTest.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace drivertest;

namespace {

QStringList Items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out.append(box->itemText(i));
    return out;
}

QStringList Captions(const QTreeView* view) {
    QStringList out;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        out.append(view->model()->index(r, 0).data().toString());
    return out;
}

// Two days: the 21st ends with four hours of driving, the 22nd has driving, an
// hour's rest and driving resumed (green).
QByteArray TwoDays() {
    return Block({{kDriverA, '1', At(2024, 5, 21, 8, 0)},
                  {kDriverA, '4', At(2024, 5, 21, 12, 0)},
                  {kDriverA, '1', At(2024, 5, 22, 8, 0)},
                  {kDriverA, '4', At(2024, 5, 22, 12, 0)},
                  {kDriverA, '1', At(2024, 5, 22, 13, 0)}});
}

class DriverPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tab.resize(1260, 600);
        page = new DriverPage(model, &tab);
        tab.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tab));
    }
    void Analyse(const QByteArray& block) { page->AnalyseDriver(Span(block)); }
    QTreeView* list() { return tab.findChild<QTreeView*>("LV4Driver"); }
    QComboBox* from() { return tab.findChild<QComboBox*>("CB4DriverDate1"); }
    QComboBox* to() { return tab.findChild<QComboBox*>("CB4DriverDate2"); }
    QPushButton* query() { return tab.findChild<QPushButton*>("B4GDriverlQuery"); }

    // The colour covering most of a painted cell.
    QColor CellBackground(int row, int column) {
        const QRect cell = list()->visualRect(list()->model()->index(row, column));
        const QImage image = list()->viewport()->grab().toImage();
        QHash<QRgb, int> counts;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ++counts[image.pixel(x, y)];
        QRgb most = 0;
        int best = -1;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > best) {
                best = it.value();
                most = it.key();
            }
        return QColor::fromRgb(most);
    }
    bool CellHasRedText(int row, int column) {
        const QRect cell = list()->visualRect(list()->model()->index(row, column));
        const QImage image = list()->viewport()->grab().toImage();
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 160 && c.green() < 90 && c.blue() < 90) return true;
            }
        return false;
    }

    QWidget tab;
    DriverActivity model;
    DriverPage* page = nullptr;
};

TEST_F(DriverPageTest, ControlsColumnsAndCaptions) {
    ASSERT_NE(list(), nullptr);
    ASSERT_NE(from(), nullptr);
    ASSERT_NE(to(), nullptr);
    ASSERT_NE(query(), nullptr);
    EXPECT_EQ(query()->text(), QStringLiteral("開始查詢"));
    const char16_t* captions[] = {
        u"序號", u"駕駛活動變更時間", u"駕駛人ID",     u"駕駛人姓名",   u"類別",     u"變更後活動類別",
        u"狀態", u"狀態持續",         u"連續行駛時間", u"累計休息時間", u"有效休息", u"中繼點",
        u""};
    const int widths[] = {50, 174, 106, 92, 50, 200, 50, 84, 108, 108};
    ASSERT_EQ(list()->model()->columnCount(), 13);
    for (int c = 0; c < 13; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(list()->model()->headerData(c, Qt::Horizontal).toString(), QString::fromUtf16(captions[c]));
        EXPECT_EQ(list()->isColumnHidden(c), c >= 10);
        if (c < 10) {
            EXPECT_EQ(list()->header()->sectionSize(c), widths[c]);
        }
    }
}

TEST_F(DriverPageTest, FirstListingShowsTheLastDay) {
    Analyse(TwoDays());
    EXPECT_EQ(Items(from()), (QStringList{"2024/05/21", "2024/05/22"}));
    EXPECT_EQ(Items(to()), Items(from()));
    EXPECT_EQ(from()->currentText(), QStringLiteral("2024/05/22"));
    EXPECT_EQ(to()->currentText(), QStringLiteral("2024/05/22"));
    EXPECT_EQ(Captions(list()), (QStringList{"2", "3", "4", "5"}));
    // The texts shown are the rows of the model.
    const std::vector<DriverRow> rows = model.Rows(model.defaultRange());
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < kDriverColumnCount; ++c)
            EXPECT_EQ(list()->model()->index(r, c).data().toString(), rows[static_cast<std::size_t>(r)][c]);
}

TEST_F(DriverPageTest, DatesChangeTheListOnlyOnTheQueryButton) {
    Analyse(TwoDays());
    from()->setCurrentIndex(0);
    EXPECT_EQ(Captions(list()), (QStringList{"2", "3", "4", "5"}));
    QTest::mouseClick(query(), Qt::LeftButton);
    EXPECT_EQ(Captions(list()), (QStringList{"0", "1", "2", "3", "4", "5"}));
    // Pressing again lists the same rows once, not twice.
    QTest::mouseClick(query(), Qt::LeftButton);
    EXPECT_EQ(Captions(list()), (QStringList{"0", "1", "2", "3", "4", "5"}));
    to()->setCurrentIndex(0);
    QTest::mouseClick(query(), Qt::LeftButton);
    EXPECT_EQ(Captions(list()), (QStringList{"0", "1"}));
}

TEST_F(DriverPageTest, RejectedBlockEmptiesListAndDates) {
    Analyse(TwoDays());
    Analyse(TwoDays().chopped(1));
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_EQ(from()->count(), 0);
    EXPECT_EQ(to()->count(), 0);
    QTest::mouseClick(query(), Qt::LeftButton);
    EXPECT_EQ(list()->model()->rowCount(), 0);
}

TEST_F(DriverPageTest, ClickAnywhereAlongARowSelectsItAndPaintsItYellow) {
    Analyse(TwoDays());
    const QRect cell = list()->visualRect(list()->model()->index(1, 6));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(list()->currentIndex().row(), 1);
    // Yellow while the list has the keyboard focus too: no focus frame over it.
    list()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(CellBackground(1, 0), QColor(255, 255, 0));
    EXPECT_EQ(CellBackground(1, 8), QColor(255, 255, 0));
}

TEST_F(DriverPageTest, PaintedColours) {
    Analyse(TwoDays());
    // Rows of the 22nd: driving after the night's rest (green), the rest after
    // four hours of driving (red text), driving resumed after it (green), and the
    // closing row (white).
    list()->clearSelection();
    list()->setCurrentIndex(QModelIndex());
    EXPECT_EQ(CellBackground(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(CellBackground(1, 0), QColor(255, 255, 255));
    EXPECT_EQ(CellBackground(2, 9), QColor(0, 255, 0));
    EXPECT_EQ(CellBackground(3, 0), QColor(255, 255, 255));
    EXPECT_TRUE(CellHasRedText(1, 8));
    EXPECT_FALSE(CellHasRedText(0, 8));
    EXPECT_FALSE(CellHasRedText(2, 9));
}

class DriverTabInWindowTest : public ProgramFolderTest {
  protected:
    TVDR vdr;
};

TEST_F(DriverTabInWindowTest, LoadingRunFillsTheTabAndTheModel) {
    const QString path = dir.path() + QStringLiteral("/driver.vdr");
    ASSERT_TRUE(VdrFileBuilder().add(kBlockDriverActivity, TwoDays()).write(path));
    TfAnalyse w(vdr);
    w.SetPauseScale(0.0);
    w.mszVDRFile = path;
    w.show();
    QTest::qWait(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.mbFormShow && !w.IsLoading(); }, 5000));
    EXPECT_EQ(w.gmDI().size(), 5u);
    auto* tabSheet = w.findChild<QWidget*>("TS4Driver");
    ASSERT_NE(tabSheet, nullptr);
    auto* list = tabSheet->findChild<QTreeView*>("LV4Driver");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Captions(list), (QStringList{"2", "3", "4", "5"}));
    EXPECT_EQ(tabSheet->findChild<QComboBox*>("CB4DriverDate1")->count(), 2);

    // A file without the block leaves the tab empty.
    const QString other = dir.path() + QStringLiteral("/none.vdr");
    ASSERT_TRUE(VdrFileBuilder().add(kBlockTechnicalData, QByteArray(125, '\0')).write(other));
    w.close();
    w.mszVDRFile = other;
    w.show();
    QTest::qWait(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.mbFormShow && !w.IsLoading(); }, 5000));
    EXPECT_TRUE(w.gmDI().empty());
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(tabSheet->findChild<QComboBox*>("CB4DriverDate1")->count(), 0);
}

} // namespace
