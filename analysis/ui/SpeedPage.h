#pragma once
// The speed record in the analysis window: the test-centre edition's minute
// tree on the minute tab, and the day box of the whole-day tab. It decodes the
// detailed speed block during the loading run and holds the speed model that
// the charts draw from.
#include "analysis/SpeedModel.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QTreeView;
class SpeedTreeModel;
class TfAnalyse;

class SpeedPage : public QWidget {
    Q_OBJECT
  public:
    // Fills the window's minute tab TS4Speed and puts the day box on TS4SpeedAll.
    explicit SpeedPage(TfAnalyse& window);

    // Start of a loading run: the tree is emptied and the chart Tag is 0 until
    // a valid block is decoded.
    void Clear();
    // Decodes block 01H of the loaded file into the speed model, the day box and
    // (test-centre edition) the tree, stepping the loading progress bar within
    // the range.
    void AnalyseSpeed(int nProgressFrom, int nProgressTo);

    // mszSpeedList: the minute list with its samples.
    const SpeedModel& speedModel() const { return *mszSpeedList; }
    std::shared_ptr<const SpeedModel> sharedSpeedModel() const { return mszSpeedList; }
    // The 120 samples of the first record with the time text (empty when none).
    Bytes AnalyseSpeedData(const QString& szFindDate) const {
        return mszSpeedList->AnalyseSpeedData(szFindDate);
    }
    SpeedTreeModel* treeModel() const { return mTree; }

    // The minute chart's Tag: 1 once a valid speed block has been decoded.
    int TC4SpeedTag = 0;

    QTreeView* TV4Speed = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* CB4SpeedAllDate = nullptr;

  signals:
    // The minute chart applies its speed-axis limit (start of decoding).
    void CB4SpeedLimitChangeRequested();
    // The whole-day chart draws the selected day (end of decoding, and every
    // change of the day box by the user).
    void CB4SpeedAllDateChanged(int index);

  private:
    void FillDays();

    TfAnalyse& mWindow;
    SpeedTreeModel* mTree = nullptr;
    std::shared_ptr<const SpeedModel> mszSpeedList;
    bool mFilling = false;
};
