#pragma once
// The rows of the driver activity list, for the list view: 13 columns of texts.
#include "analysis/DriverActivityListing.h"

#include <QAbstractTableModel>
#include <vector>

class DriverListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    static const QString& Caption(int column);
    // Column widths in pixels; the last three columns are hidden.
    static int Width(int column);

    void Append(std::vector<DriverRow> rows);
    void Clear();
    const DriverRow& Row(int row) const { return mRows[static_cast<std::size_t>(row)]; }
    const std::vector<DriverRow>& Rows() const { return mRows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    std::vector<DriverRow> mRows;
};
