#include "analysis/ui/DriverListModel.h"

#include <array>
#include <iterator>

namespace {
const std::array<QString, kDriverColumnCount> kCaptions = {QStringLiteral("序號"),
                                                           QStringLiteral("駕駛活動變更時間"),
                                                           QStringLiteral("駕駛人ID"),
                                                           QStringLiteral("駕駛人姓名"),
                                                           QStringLiteral("類別"),
                                                           QStringLiteral("變更後活動類別"),
                                                           QStringLiteral("狀態"),
                                                           QStringLiteral("狀態持續"),
                                                           QStringLiteral("連續行駛時間"),
                                                           QStringLiteral("累計休息時間"),
                                                           QStringLiteral("有效休息"),
                                                           QStringLiteral("中繼點"),
                                                           QString()};
constexpr std::array<int, kDriverColumnCount> kWidths = {50, 174, 106, 92, 50, 200, 50,
                                                         84, 108, 108, 0,  0,  0};
} // namespace

const QString& DriverListModel::Caption(int column) {
    return kCaptions[static_cast<std::size_t>(column)];
}

int DriverListModel::Width(int column) {
    return kWidths[static_cast<std::size_t>(column)];
}

void DriverListModel::Append(std::vector<DriverRow> rows) {
    if (rows.empty()) return;
    const int first = static_cast<int>(mRows.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    if (mRows.empty())
        mRows = std::move(rows);
    else
        mRows.insert(mRows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void DriverListModel::Clear() {
    beginResetModel();
    mRows.clear();
    endResetModel();
}

int DriverListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(mRows.size());
}

int DriverListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDriverColumnCount;
}

QVariant DriverListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
    return Row(index.row())[index.column()];
}

QVariant DriverListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kDriverColumnCount)
        return {};
    return Caption(section);
}
