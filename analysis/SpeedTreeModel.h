#pragma once
// The test-centre edition's speed tree, produced from the speed model when the
// view asks: a root "詳細車速資料：[N] 筆", one node per minute of the minute
// list with its time text, and under each minute its 60 seconds
// "ss.0:(v)  ss.5:(v)". Nothing is built per node, so a block of 65,535
// minutes (four million nodes) costs no more than a small one.
#include "analysis/SpeedModel.h"

#include <QAbstractItemModel>
#include <memory>

class SpeedTreeModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    explicit SpeedTreeModel(QObject* parent = nullptr);

    // Shows the model's tree; an empty model or nullptr empties the tree.
    void setSpeedModel(std::shared_ptr<const SpeedModel> model);
    void clear() { setSpeedModel(nullptr); }
    const SpeedModel* speedModel() const { return mModel.get(); }

    // The root node, a minute node and a second node.
    QModelIndex rootIndex() const;
    QModelIndex minuteIndex(int r) const;
    QModelIndex secondIndex(int r, int s) const;
    // The minute entry a node belongs to (its own or its parent's); -1 for the
    // root or an invalid index.
    int minuteOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;

  private:
    // Node ids: 0 the root; minute r: (r + 1) << 7; second s of minute r:
    // ((r + 1) << 7) | (s + 1).
    static constexpr quintptr kSecondBits = 7;
    static constexpr quintptr kSecondMask = (quintptr(1) << kSecondBits) - 1;

    bool hasRoot() const { return mModel && mModel->isValid(); }

    std::shared_ptr<const SpeedModel> mModel;
};
