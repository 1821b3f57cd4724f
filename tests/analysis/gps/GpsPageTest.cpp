// The position record in the analysis window (offscreen): the day lists, the
// detail query with its status and button states, and saving the detail text.
#include "analysis/ui/GpsPage.h"
#include "analysis/ui/TfAnalyse.h"
#include "analysis/ui/TfAnalyseProgress.h"
#include "fixtures/GpsBuilder.h"
#include "fixtures/VdrFileBuilder.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {
QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

const GpsBuilder::MinuteBytes kWorkedMinute = {0x12, 0x15, 0x64, 0x46, 0x25, 0x03,
                                               0x39, 0x64, 0x00, 0x35, 0x3C};

// Two hours of 2023/10/15 and one of 2023/10/14, in that order.
QByteArray threeHours() {
    return GpsBuilder()
        .hour(2023, 10, 15, 8)
        .rawMinute(0, kWorkedMinute)
        .hour(2023, 10, 15, 9)
        .hour(2023, 10, 14, 22)
        .bytes();
}

// Runs the action when the next modal dialog has opened, on the dialog.
void whenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = nullptr;
        if (QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 5000))
            action(modal);
    });
}

class GpsPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetExePathOverride(dir.path() + QLatin1Char('/'));
        ResetSettingsState();
        SetDebugMode(false);
    }
    void TearDown() override {
        SetExePathOverride(QString());
        ResetSettingsState();
    }
    void load(const QByteArray& gpsBlock) {
        VdrFileBuilder file;
        if (!gpsBlock.isNull()) file.add(kBlockGpsPositions, gpsBlock);
        ASSERT_TRUE(file.loadInto(vdr));
    }
    // Queries the range and returns the page.
    void query(GpsPage& page, const char* day1, const char* hour1, const char* day2, const char* hour2) {
        page.CB4GPSDetailDate1->setCurrentText(QString::fromLatin1(day1));
        page.CB4GPSDetailHour1->setCurrentText(QString::fromLatin1(hour1));
        page.CB4GPSDetailDate2->setCurrentText(QString::fromLatin1(day2));
        page.CB4GPSDetailHour2->setCurrentText(QString::fromLatin1(hour2));
        QTest::mouseClick(page.B4GPSDetailQuery, Qt::LeftButton);
    }
    int lines(const GpsPage& page) const { return page.M4GPSDetail->model()->rowCount(); }

    QTemporaryDir dir;
    TVDR vdr;
};
} // namespace

TEST_F(GpsPageTest, DayListsAreSortedWithTheLastDaySelected) {
    load(threeHours());
    TfAnalyse w(vdr);
    GpsPage& page = *w.mGpsPage;
    QSignalSpy dayChanged(&page, &GpsPage::GpsDayChanged);
    w.AnalyseGPS(33, 60);

    for (const char* name : {"CB4GPSDate", "CB4GPSDetailDate1", "CB4GPSDetailDate2"}) {
        SCOPED_TRACE(name);
        auto* box = w.findChild<QComboBox*>(name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(items(box), (QStringList{"2023/10/14", "2023/10/15"}));
        EXPECT_EQ(box->currentText(), QStringLiteral("2023/10/15"));
    }
    ASSERT_EQ(dayChanged.count(), 1);
    EXPECT_EQ(dayChanged.at(0).at(0).toString(), QStringLiteral("2023/10/15"));
    EXPECT_EQ(page.TC4GPSSpeedTag, 1);
    EXPECT_EQ(page.mGPSHour().hourCount(), 3);
    auto* tree = w.findChild<QTreeWidget*>("TV4GPS");
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(tree->isHidden());
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_TRUE(w.TS4GPS->isAncestorOf(page.CB4GPSDate));
    EXPECT_TRUE(w.TS4GPSDetail->isAncestorOf(page.M4GPSDetail));
}

TEST_F(GpsPageTest, HourListsRunFromMidnightToElevenAndKeepTheChoice) {
    load(threeHours());
    TfAnalyse w(vdr);
    GpsPage& page = *w.mGpsPage;
    QStringList hours;
    for (int h = 0; h < 24; ++h)
        hours << QString::asprintf("%.2d", h);
    EXPECT_EQ(items(page.CB4GPSDetailHour1), hours);
    EXPECT_EQ(items(page.CB4GPSDetailHour2), hours);
    EXPECT_EQ(page.CB4GPSDetailHour1->currentText(), QStringLiteral("00"));
    EXPECT_EQ(page.CB4GPSDetailHour2->currentText(), QStringLiteral("23"));
    page.CB4GPSDetailHour1->setCurrentText(QStringLiteral("07"));
    w.AnalyseGPS(33, 60);
    EXPECT_EQ(page.CB4GPSDetailHour1->currentText(), QStringLiteral("07"));
}

TEST_F(GpsPageTest, ProgressStepsByRecordCountOverTheRange) {
    // Range 33 .. 60: step N div 27. 54 hours step 2, 27 moves; 26 hours step 0.
    for (const auto& [hours, end] : {std::pair{54, 59}, std::pair{26, 32}}) {
        SCOPED_TRACE(hours);
        GpsBuilder b;
        for (int h = 0; h < hours; ++h)
            b.hour(DateTimeValue::fromParts(2023, 10, 1, 0, 0, 0)->operator+(h * DateTimeValue::kMsPerHour));
        load(b.bytes());
        TfAnalyse w(vdr);
        w.progressWindow()->SetPosition(32);
        w.AnalyseGPS(33, 60);
        EXPECT_EQ(w.progressWindow()->Position(), end);
    }
}

TEST_F(GpsPageTest, OneHourQueryListsItsSixtyMinutesAndShowsOneOfOne) {
    load(threeHours());
    TfAnalyse w(vdr);
    GpsPage& page = *w.mGpsPage;
    w.AnalyseGPS(33, 60);
    query(page, "2023/10/15", "08", "2023/10/15", "08");

    ASSERT_EQ(lines(page), 60);
    const QAbstractItemModel* memo = page.M4GPSDetail->model();
    EXPECT_EQ(
        memo->index(0, 0).data().toString(),
        QStringLiteral(
            "2023/10/15 08:00:00 (緯,經)=(  25.03396, 121.56446)  高度(公尺)： 35  平均速度(km/h)：60"));
    EXPECT_TRUE(memo->index(59, 0).data().toString().startsWith(QStringLiteral("2023/10/15 08:59:00 ")));
    EXPECT_EQ(w.StatusText(1), QStringLiteral("(1/1)"));
    EXPECT_TRUE(page.B4GPSDetailQuery->isEnabled());
    EXPECT_FALSE(page.M4GPSDetail->isHidden());

    query(page, "2023/10/14", "00", "2023/10/15", "23");
    EXPECT_EQ(lines(page), 180);
    EXPECT_EQ(w.StatusText(1), QStringLiteral("(3/3)"));
}

TEST_F(GpsPageTest, ReversedRangeListsNothingAndLeavesTheMemoVisible) {
    load(threeHours());
    TfAnalyse w(vdr);
    GpsPage& page = *w.mGpsPage;
    w.AnalyseGPS(33, 60);
    query(page, "2023/10/15", "09", "2023/10/15", "08");
    EXPECT_EQ(lines(page), 0);
    EXPECT_FALSE(page.M4GPSDetail->isHidden());
    EXPECT_TRUE(page.B4GPSDetailQuery->isEnabled());
    EXPECT_EQ(w.StatusText(1), QString());
}

TEST_F(GpsPageTest, ChangingADayOrRangeBoxEmptiesTheDetailText) {
    load(threeHours());
    TfAnalyse w(vdr);
    GpsPage& page = *w.mGpsPage;
    w.AnalyseGPS(33, 60);
    QSignalSpy dayChanged(&page, &GpsPage::GpsDayChanged);
    const std::vector<std::pair<QComboBox*, const char*>> changes = {
        {page.CB4GPSDetailHour2, "22"},  {page.CB4GPSDetailDate1, "2023/10/15"},
        {page.CB4GPSDetailHour1, "05"},  {page.CB4GPSDetailDate2, "2023/10/14"},
        {page.CB4GPSDate, "2023/10/14"},
    };
    for (const auto& [box, value] : changes) {
        SCOPED_TRACE(box->objectName().toStdString());
        query(page, "2023/10/14", "00", "2023/10/15", "23");
        ASSERT_EQ(lines(page), 180);
        dayChanged.clear();
        box->setCurrentText(QString::fromLatin1(value));
        EXPECT_EQ(lines(page), 0);
        EXPECT_EQ(w.StatusText(1), QString());
        // The chart's day is the one in the position day box, whichever box changed.
        ASSERT_EQ(dayChanged.count(), 1);
        EXPECT_EQ(dayChanged.at(0).at(0).toString(), page.CB4GPSDate->currentText());
    }
}

TEST_F(GpsPageTest, WithoutPositionDataTheQueryDoesNothing) {
    for (const QByteArray& block : {QByteArray(), GpsBuilder().hour(2023, 10, 15, 8).count(3).bytes()}) {
        load(block);
        TfAnalyse w(vdr);
        GpsPage& page = *w.mGpsPage;
        w.AnalyseGPS(33, 60);
        EXPECT_EQ(page.CB4GPSDate->count(), 0);
        EXPECT_EQ(page.TC4GPSSpeedTag, 0);
        w.SetStatusText(1, QStringLiteral("untouched"));
        QTest::mouseClick(page.B4GPSDetailQuery, Qt::LeftButton);
        EXPECT_EQ(w.StatusText(1), QStringLiteral("untouched"));
        EXPECT_EQ(lines(page), 0);
    }
}

TEST_F(GpsPageTest, SavingAnEmptyTextShowsAnError) {
    load(threeHours());
    TfAnalyse w(vdr);
    w.AnalyseGPS(33, 60);
    QString shown;
    whenModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown = box->text();
            box->accept();
        } else {
            modal->close();
        }
    });
    QTest::mouseClick(w.mGpsPage->B4GPSDetailSave, Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("無內容物可存檔 !"));
}

TEST_F(GpsPageTest, SavedTextIsCodePage950WithCrLfInTheExportFolder) {
    load(threeHours());
    TfAnalyse w(vdr);
    GpsPage& page = *w.mGpsPage;
    w.AnalyseGPS(33, 60);
    query(page, "2023/10/15", "08", "2023/10/15", "08");
    const QString folder = dir.path() + QStringLiteral("/記錄匯出區");
    ASSERT_FALSE(QFileInfo::exists(folder));
    const QString target = folder + QStringLiteral("/定位明細.txt");

    QString startedIn;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        startedIn = dialog->directory().absolutePath();
        dialog->selectFile(target);
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(page.B4GPSDetailSave, Qt::LeftButton);
    EXPECT_EQ(startedIn, folder);

    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    // 緯 BD 6E, 經 B8 67, 高度(公尺)： B0 AA AB D7 28 A4 BD A4 D8 29 A1 47,
    // 平均速度(km/h)： A5 AD A7 A1 B3 74 AB D7 28 6B 6D 2F 68 29 A1 47.
    auto line = [](int minute, const char* coordinates, const char* altitude, const char* speed) {
        return QByteArray("2023/10/15 08:") + QString::asprintf("%.2d", minute).toLatin1() + ":00 (" +
               QByteArray::fromHex("bd6e") + "," + QByteArray::fromHex("b867") + ")=(" + coordinates + ")  " +
               QByteArray::fromHex("b0aaabd728a4bda4d829a147") + altitude + "  " +
               QByteArray::fromHex("a5ada7a1b374abd7286b6d2f6829a147") + speed + "\r\n";
    };
    QByteArray expected = line(0, "  25.03396, 121.56446", " 35", "60");
    for (int m = 1; m < 60; ++m)
        expected += line(m, "   0.00000,   0.00000", "  0", "0");
    EXPECT_EQ(bytes, expected);

    // Saving again replaces the file; cancelling writes nothing.
    query(page, "2023/10/15", "09", "2023/10/15", "09");
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        dialog->selectFile(folder + QStringLiteral("/other.txt"));
        dialog->reject();
    });
    QTest::mouseClick(page.B4GPSDetailSave, Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/other.txt")));
}
