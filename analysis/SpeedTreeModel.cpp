#include "analysis/SpeedTreeModel.h"

SpeedTreeModel::SpeedTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void SpeedTreeModel::setSpeedModel(std::shared_ptr<const SpeedModel> model) {
    beginResetModel();
    mModel = std::move(model);
    endResetModel();
}

QModelIndex SpeedTreeModel::rootIndex() const {
    return hasRoot() ? createIndex(0, 0, quintptr(0)) : QModelIndex();
}

QModelIndex SpeedTreeModel::minuteIndex(int r) const {
    if (!hasRoot() || r < 0 || r >= mModel->count()) return {};
    return createIndex(r, 0, quintptr(r + 1) << kSecondBits);
}

QModelIndex SpeedTreeModel::secondIndex(int r, int s) const {
    if (!hasRoot() || r < 0 || r >= mModel->count() || s < 0 || s >= SpeedLayout::kSecondsPerMinute)
        return {};
    return createIndex(s, 0, (quintptr(r + 1) << kSecondBits) | quintptr(s + 1));
}

int SpeedTreeModel::minuteOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || index.internalId() == 0) return -1;
    return static_cast<int>(index.internalId() >> kSecondBits) - 1;
}

QModelIndex SpeedTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    if (!parent.isValid()) return row == 0 ? rootIndex() : QModelIndex();
    if (parent.model() != this) return {};
    const quintptr id = parent.internalId();
    if (id == 0) return minuteIndex(row);
    if ((id & kSecondMask) != 0) return {}; // seconds have no children
    return secondIndex(static_cast<int>(id >> kSecondBits) - 1, row);
}

QModelIndex SpeedTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.model() != this) return {};
    const quintptr id = child.internalId();
    if (id == 0) return {};
    if ((id & kSecondMask) == 0) return rootIndex();
    return minuteIndex(static_cast<int>(id >> kSecondBits) - 1);
}

int SpeedTreeModel::rowCount(const QModelIndex& parent) const {
    if (!hasRoot()) return 0;
    if (!parent.isValid()) return 1;
    if (parent.model() != this || parent.column() != 0) return 0;
    const quintptr id = parent.internalId();
    if (id == 0) return mModel->count();
    return (id & kSecondMask) == 0 ? SpeedLayout::kSecondsPerMinute : 0;
}

int SpeedTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool SpeedTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant SpeedTreeModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.model() != this || !hasRoot()) return {};
    const quintptr id = index.internalId();
    if (id == 0) return mModel->treeRootText();
    const int r = static_cast<int>(id >> kSecondBits) - 1;
    const int s = static_cast<int>(id & kSecondMask) - 1;
    return s < 0 ? mModel->text(r) : mModel->halfSecondText(r, s);
}
