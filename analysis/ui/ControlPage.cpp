#include "analysis/ui/ControlPage.h"

#include "analysis/ControlLogDecoder.h"

#include <QHeaderView>
#include <QLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

ControlPage::ControlPage(QWidget* tabSheet) : QWidget(tabSheet) {
    setObjectName(QStringLiteral("ControlPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    LV4Control = new QTreeWidget(this);
    LV4Control->setObjectName(QStringLiteral("LV4Control"));
    LV4Control->setRootIsDecorated(false);
    LV4Control->setItemsExpandable(false);
    LV4Control->setUniformRowHeights(true);
    LV4Control->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV4Control->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV4Control->setHeaderLabels(ControlLogCaptions());
    LV4Control->header()->setStretchLastSection(false);
    const std::vector<int> widths = ControlLogColumnWidths();
    for (std::size_t i = 0; i < widths.size(); ++i)
        LV4Control->setColumnWidth(static_cast<int>(i), widths[i]);
    layout->addWidget(LV4Control);

    QLayout* sheet = tabSheet->layout();
    if (!sheet) {
        sheet = new QVBoxLayout(tabSheet);
        sheet->setContentsMargins(0, 0, 0, 0);
    }
    sheet->addWidget(this);
}

void ControlPage::Clear() {
    LV4Control->clear();
}

void ControlPage::LV4ControlShow(const std::vector<TControlInfo>& mControlInfo) {
    LV4Control->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(mControlInfo.size()));
    for (std::size_t i = 0; i < mControlInfo.size(); ++i)
        items.append(new QTreeWidgetItem(ControlLogTexts(i, mControlInfo[i])));
    LV4Control->addTopLevelItems(items);
}
