#pragma once
// The detail text as a list of lines produced from the query when the view asks.
#include "analysis/GpsDetailQuery.h"

#include <QAbstractListModel>
#include <memory>

class GpsDetailListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit GpsDetailListModel(QObject* parent = nullptr);

    // Shows the query's lines; nullptr empties the text.
    void setQuery(std::shared_ptr<const GpsDetailQuery> query);
    void clear() { setQuery(nullptr); }
    // The query shown (never null).
    std::shared_ptr<const GpsDetailQuery> query() const { return mQuery; }
    qsizetype lineCount() const { return mQuery->lineCount(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    std::shared_ptr<const GpsDetailQuery> mQuery;
};
