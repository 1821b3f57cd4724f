#include "analysis/ui/DriverPage.h"

#include "analysis/ui/DriverListModel.h"
#include "analysis/ui/DriverRowDelegate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int kClickColumnX = 9;

void fillTabSheet(QWidget* tabSheet, QWidget* page) {
    if (!tabSheet) return;
    QLayout* layout = tabSheet->layout();
    if (!layout) {
        layout = new QVBoxLayout(tabSheet);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(page);
}

QComboBox* makeDateList(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    box->setMinimumWidth(120);
    return box;
}
} // namespace

DriverPage::DriverPage(DriverActivity& model, QWidget* tabSheet) : QWidget(tabSheet), mModel(model) {
    setObjectName(QStringLiteral("DriverPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* query = new QHBoxLayout();
    query->setContentsMargins(8, 4, 8, 4);
    L4DriverDate1 = new QLabel(QStringLiteral("駕駛活動變更日期"), this);
    L4DriverDate1->setObjectName(QStringLiteral("L4DriverDate1"));
    CB4DriverDate1 = makeDateList(this, "CB4DriverDate1");
    L4DriverDate2 = new QLabel(QStringLiteral("至"), this);
    L4DriverDate2->setObjectName(QStringLiteral("L4DriverDate2"));
    CB4DriverDate2 = makeDateList(this, "CB4DriverDate2");
    B4GDriverlQuery = new QPushButton(QStringLiteral("開始查詢"), this);
    B4GDriverlQuery->setObjectName(QStringLiteral("B4GDriverlQuery"));
    query->addWidget(L4DriverDate1);
    query->addWidget(CB4DriverDate1);
    query->addWidget(L4DriverDate2);
    query->addWidget(CB4DriverDate2);
    query->addWidget(B4GDriverlQuery);
    query->addStretch(1);
    layout->addLayout(query);

    mList = new DriverListModel(this);
    mDelegate = new DriverRowDelegate(*mList, this);
    LV4Driver = new QTreeView(this);
    LV4Driver->setObjectName(QStringLiteral("LV4Driver"));
    LV4Driver->setModel(mList);
    LV4Driver->setItemDelegate(mDelegate);
    LV4Driver->setRootIsDecorated(false);
    LV4Driver->setItemsExpandable(false);
    LV4Driver->setUniformRowHeights(true);
    // The current row shows as yellow; no focus frame is drawn over it.
    LV4Driver->setAllColumnsShowFocus(false);
    LV4Driver->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV4Driver->setSelectionMode(QAbstractItemView::SingleSelection);
    LV4Driver->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* header = LV4Driver->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setMinimumSectionSize(0);
    for (int c = 0; c < kDriverColumnCount; ++c) {
        header->resizeSection(c, DriverListModel::Width(c));
        LV4Driver->setColumnHidden(c, DriverListModel::Width(c) == 0);
    }
    LV4Driver->viewport()->installEventFilter(this);
    layout->addWidget(LV4Driver, 1);
    fillTabSheet(tabSheet, this);

    connect(B4GDriverlQuery, &QPushButton::clicked, this, &DriverPage::B4GDriverlQueryClick);
    connect(CB4DriverDate1, &QComboBox::currentIndexChanged, this, &DriverPage::CB4DriverDate1Change);
    connect(CB4DriverDate2, &QComboBox::currentIndexChanged, this, &DriverPage::CB4DriverDate1Change);
}

void DriverPage::AnalyseDriver(Bytes block) {
    Clear();
    CB4DriverDate1->clear();
    CB4DriverDate2->clear();
    mModel.Analyse(block);
    FillDates();
    AnalyseDriverShow();
}

void DriverPage::FillDates() {
    const QStringList& dates = mModel.dates();
    CB4DriverDate1->addItems(dates);
    CB4DriverDate2->addItems(dates);
    if (dates.isEmpty()) return;
    CB4DriverDate1->setCurrentIndex(static_cast<int>(dates.size()) - 1);
    CB4DriverDate2->setCurrentIndex(static_cast<int>(dates.size()) - 1);
}

DriverDateRange DriverPage::ChosenRange() const {
    DriverDateRange range;
    if (CB4DriverDate1->count() > 0) range.from = CB4DriverDate1->currentText();
    if (CB4DriverDate2->count() > 0) range.to = CB4DriverDate2->currentText();
    return range;
}

void DriverPage::AnalyseDriverShow() {
    mList->Append(mModel.Rows(ChosenRange()));
}

void DriverPage::Clear() {
    mList->Clear();
}

void DriverPage::B4GDriverlQueryClick() {
    Clear();
    AnalyseDriverShow();
}

void DriverPage::LV4DriverClick(const QPoint& position) {
    const QModelIndex index = LV4Driver->indexAt(QPoint(kClickColumnX, position.y()));
    if (index.isValid()) LV4Driver->setCurrentIndex(index);
}

bool DriverPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LV4Driver->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) LV4DriverClick(mouse->position().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}
