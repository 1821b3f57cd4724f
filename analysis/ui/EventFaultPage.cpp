#include "analysis/ui/EventFaultPage.h"

#include "analysis/EventFaultDecoder.h"

#include <QFont>
#include <QHeaderView>
#include <QLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

EventFaultPage::EventFaultPage(QWidget* tabSheet) : QWidget(tabSheet) {
    setObjectName(QStringLiteral("EventFaultPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    LV4EventAndFault = new QTreeWidget(this);
    LV4EventAndFault->setObjectName(QStringLiteral("LV4EventAndFault"));
    LV4EventAndFault->setRootIsDecorated(false);
    LV4EventAndFault->setItemsExpandable(false);
    LV4EventAndFault->setUniformRowHeights(true);
    LV4EventAndFault->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV4EventAndFault->setSelectionBehavior(QAbstractItemView::SelectRows);
    QFont font(QStringLiteral("微軟正黑體"));
    font.setPixelSize(16);
    LV4EventAndFault->setFont(font);
    LV4EventAndFault->setHeaderLabels(EventFaultCaptions());
    LV4EventAndFault->header()->setStretchLastSection(false);
    const std::vector<int> widths = EventFaultColumnWidths();
    for (std::size_t i = 0; i < widths.size(); ++i)
        LV4EventAndFault->setColumnWidth(static_cast<int>(i), widths[i]);
    layout->addWidget(LV4EventAndFault);

    QLayout* sheet = tabSheet->layout();
    if (!sheet) {
        sheet = new QVBoxLayout(tabSheet);
        sheet->setContentsMargins(0, 0, 0, 0);
    }
    sheet->addWidget(this);
}

void EventFaultPage::Clear() {
    LV4EventAndFault->clear();
}

void EventFaultPage::AddRows(std::span<const EventFaultRow> rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const EventFaultRow& r : rows)
        items.append(new QTreeWidgetItem(r.texts()));
    LV4EventAndFault->addTopLevelItems(items);
}
