#pragma once
// The position record in the analysis window: the day box of the position tab
// (with the hidden hour tree that stays empty) and the per-minute detail query
// of the detail tab with its text and its export to a file. It decodes the GPS
// positions block during the loading run and holds the position model that the
// position chart and the maps draw from.
#include "analysis/GpsDetailQuery.h"
#include "analysis/GpsModel.h"

#include <QWidget>
#include <memory>

class GpsDetailListModel;
class QComboBox;
class QFileDialog;
class QTableView;
class QPushButton;
class QTreeWidget;
class TfAnalyse;

class GpsPage : public QWidget {
    Q_OBJECT
  public:
    // Fills the window's position tab TS4GPS and its detail tab TS4GPSDetail.
    explicit GpsPage(TfAnalyse& window);

    // Start of a loading run: the hour tree is emptied and the chart Tag is 0
    // until a valid block is decoded.
    void Clear();
    // Decodes block 04H of the loaded file into the position model and the day
    // lists, stepping the loading progress bar within the range, then shows the
    // last day.
    void AnalyseGPS(int nProgressFrom, int nProgressTo);

    // mGPSHour: the hour records of the loaded file.
    const GpsModel& mGPSHour() const { return *mModel; }
    std::shared_ptr<const GpsModel> sharedGpsModel() const { return mModel; }
    // The detail text shown in M4GPSDetail.
    const GpsDetailQuery& detail() const;
    // The folder the save dialog starts in: "記錄匯出區" in the program folder.
    static QString ExportFolder();

    // The position chart's Tag: 1 once a valid position block has been decoded.
    int TC4GPSSpeedTag = 0;

    QComboBox* CB4GPSDate = nullptr;
    QTreeWidget* TV4GPS = nullptr;
    QComboBox* CB4GPSDetailDate1 = nullptr;
    QComboBox* CB4GPSDetailHour1 = nullptr;
    QComboBox* CB4GPSDetailDate2 = nullptr;
    QComboBox* CB4GPSDetailHour2 = nullptr;
    QPushButton* B4GPSDetailQuery = nullptr;
    QPushButton* B4GPSDetailSave = nullptr;
    // The memo: one line a row, produced when shown.
    QTableView* M4GPSDetail = nullptr;
    QFileDialog* SaveTextFileDialog1 = nullptr;

  public slots:
    // A change of the position day or of a detail range box.
    void CB4GPSDateChange();
    void B4GPSDetailQueryClick();
    void B4GPSDetailSaveClick();

  signals:
    // The position chart redraws the day (after decoding and on every change
    // of a day or range box).
    void GpsDayChanged(const QString& szDate);

  private:
    void TV4GPSShow(const QString& szDate);
    void FillDayLists();
    bool SaveDetail(const QString& fileName);

    TfAnalyse& mWindow;
    std::shared_ptr<const GpsModel> mModel;
    GpsDetailListModel* mDetail = nullptr;
    bool mFilling = false;
    bool mSaving = false;
};
