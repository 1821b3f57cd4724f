#include "analysis/ui/DriverRowDelegate.h"

#include "analysis/ui/DriverListModel.h"

#include <QColor>

DriverRowDelegate::DriverRowDelegate(const DriverListModel& model, QObject* parent)
    : QStyledItemDelegate(parent), mModel(model) {}

DriverRowColours DriverRowDelegate::ColoursOf(const QModelIndex& index, bool selected) const {
    if (!index.isValid() || index.row() >= mModel.rowCount()) return {};
    return DriverRowColour(mModel.Row(index.row()), selected);
}

void DriverRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const bool selected = option->state.testFlag(QStyle::State_Selected);
    const DriverRowColours colours = ColoursOf(index, selected);
    option->backgroundBrush = QColor::fromRgb(static_cast<QRgb>(colours.background));
    if (colours.text)
        option->palette.setColor(QPalette::Text, QColor::fromRgb(static_cast<QRgb>(*colours.text)));
    // The selection shows as the yellow background, not as the style's highlight
    // or focus frame.
    option->state.setFlag(QStyle::State_Selected, false);
    option->state.setFlag(QStyle::State_HasFocus, false);
}
