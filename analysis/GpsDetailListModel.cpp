#include "analysis/GpsDetailListModel.h"

#include <limits>

namespace {
std::shared_ptr<const GpsDetailQuery> emptyQuery() {
    static const auto kEmpty = std::make_shared<const GpsDetailQuery>();
    return kEmpty;
}
} // namespace

GpsDetailListModel::GpsDetailListModel(QObject* parent) : QAbstractListModel(parent), mQuery(emptyQuery()) {}

void GpsDetailListModel::setQuery(std::shared_ptr<const GpsDetailQuery> query) {
    beginResetModel();
    mQuery = query ? std::move(query) : emptyQuery();
    endResetModel();
}

int GpsDetailListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    // 65,535 hours of 60 lines stay far below the view's row limit.
    return static_cast<int>(std::min<qsizetype>(mQuery->lineCount(), std::numeric_limits<int>::max()));
}

QVariant GpsDetailListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.model() != this) return {};
    return mQuery->line(index.row());
}
