#pragma once
// Paints the cells of the driver activity list in their row's colours: the
// selected row yellow instead of the usual highlight, driving resumed after a
// complete rest green, and long continuous driving in red.
#include "analysis/DriverRowColours.h"

#include <QStyledItemDelegate>

class DriverListModel;

class DriverRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    DriverRowDelegate(const DriverListModel& model, QObject* parent = nullptr);

    // The colours of a cell's row, selected or not.
    DriverRowColours ColoursOf(const QModelIndex& index, bool selected) const;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    const DriverListModel& mModel;
};
