#pragma once
// The driver activity tab: the date query (from, to, the query button) and the
// list of activity changes with their durations, marks and colours.
#include "analysis/DriverActivity.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;
class DriverListModel;
class DriverRowDelegate;

class DriverPage : public QWidget {
    Q_OBJECT
  public:
    // Shows the model; places itself into the tab sheet.
    DriverPage(DriverActivity& model, QWidget* tabSheet);

    // Rebuilds the model from block 03H, fills the date lists (the last date
    // chosen in both) and lists the chosen range.
    void AnalyseDriver(Bytes block);
    // Appends the rows of the chosen range and the closing row.
    void AnalyseDriverShow();
    // Empties the list.
    void Clear();
    // The range chosen in the date lists.
    DriverDateRange ChosenRange() const;

    DriverListModel* ListModel() const { return mList; }
    DriverRowDelegate* RowDelegate() const { return mDelegate; }

    QLabel* L4DriverDate1 = nullptr;
    QComboBox* CB4DriverDate1 = nullptr;
    QLabel* L4DriverDate2 = nullptr;
    QComboBox* CB4DriverDate2 = nullptr;
    QPushButton* B4GDriverlQuery = nullptr;
    QTreeView* LV4Driver = nullptr;

  public slots:
    void B4GDriverlQueryClick();
    // Choosing a date changes nothing until the query button is pressed.
    void CB4DriverDate1Change() {}
    // Selects the row under the pointer, taken 9 pixels inside the list.
    void LV4DriverClick(const QPoint& position);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillDates();

    DriverActivity& mModel;
    DriverListModel* mList = nullptr;
    DriverRowDelegate* mDelegate = nullptr;
};
