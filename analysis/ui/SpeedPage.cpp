#include "analysis/ui/SpeedPage.h"

#include "analysis/BlockReader.h"
#include "analysis/SpeedDecoder.h"
#include "analysis/SpeedTreeModel.h"
#include "analysis/ui/SheetLayout.h"
#include "analysis/ui/TfAnalyse.h"
#include "analysis/ui/TfAnalyseProgress.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int kTreeWidth = 249;
constexpr int kDayBoxWidth = 124;
constexpr int kDayBoxItems = 20;
} // namespace

SpeedPage::SpeedPage(TfAnalyse& window)
    : QWidget(window.TS4Speed), mWindow(window), mszSpeedList(std::make_shared<const SpeedModel>()) {
    setObjectName(QStringLiteral("SpeedPage"));

    // Minute tab: the tree on the left, the minute chart fills the rest.
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    TV4Speed = new QTreeView(this);
    TV4Speed->setObjectName(QStringLiteral("TV4Speed"));
    TV4Speed->setHeaderHidden(true);
    TV4Speed->setUniformRowHeights(true);
    TV4Speed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV4Speed->setFixedWidth(kTreeWidth);
    mTree = new SpeedTreeModel(this);
    TV4Speed->setModel(mTree);
    row->addWidget(TV4Speed);
    row->addStretch(1);
    sheetLayout(window.TS4Speed)->addWidget(this);

    // Whole-day tab: the day box at the top right corner.
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 4, 8, 0);
    bar->addStretch(1);
    Label4 = new QLabel(QStringLiteral("指定日期"), window.TS4SpeedAll);
    Label4->setObjectName(QStringLiteral("Label4"));
    bar->addWidget(Label4);
    CB4SpeedAllDate = new QComboBox(window.TS4SpeedAll);
    CB4SpeedAllDate->setObjectName(QStringLiteral("CB4SpeedAllDate"));
    CB4SpeedAllDate->setFixedWidth(kDayBoxWidth);
    CB4SpeedAllDate->setMaxVisibleItems(kDayBoxItems);
    CB4SpeedAllDate->setStyleSheet(QStringLiteral("QComboBox { background-color: rgb(128, 255, 255); }"));
    bar->addWidget(CB4SpeedAllDate);
    QVBoxLayout* dayLayout = sheetLayout(window.TS4SpeedAll);
    dayLayout->addLayout(bar);
    dayLayout->addStretch(1);
    FillDays();

    connect(CB4SpeedAllDate, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!mFilling) emit CB4SpeedAllDateChanged(index);
    });
}

void SpeedPage::Clear() {
    mTree->clear();
    TC4SpeedTag = 0;
}

void SpeedPage::FillDays() {
    mFilling = true;
    CB4SpeedAllDate->clear();
    CB4SpeedAllDate->addItems(mszSpeedList->dayItems());
    CB4SpeedAllDate->setCurrentIndex(0);
    mFilling = false;
}

void SpeedPage::AnalyseSpeed(int nProgressFrom, int nProgressTo) {
    // The tracking labels of the two speed charts are cleared by the charts
    // themselves when they redraw.
    mTree->clear();
    mszSpeedList = std::make_shared<const SpeedModel>();
    FillDays();
    emit CB4SpeedLimitChangeRequested();

    const Bytes block = mWindow.vdr().GetData(kBlockDetailedSpeed);
    const int n = static_cast<int>(BlockReader(block).be(SpeedLayout::kCountBytes, 0));
    const int span = nProgressTo - nProgressFrom + 1;
    const int step = n > SpeedLayout::kProgressRecords && span > 0 ? n / span : 0;
    int mark = step;
    TfAnalyseProgress* progress = mWindow.progressWindow();
    auto model = DecodeSpeedRecord(block, [&](int j) {
        if (step <= 0 || j < mark) return;
        progress->SetPosition(std::min(progress->Position() + 1, 100));
        TfAnalyse::ProcessMessages();
        mark += step;
    });
    if (!model->isValid()) return;

    mszSpeedList = model;
    const bool testCentre = IsTestCentreEdition();
    if (testCentre) mTree->setSpeedModel(mszSpeedList);
    FillDays();
    TC4SpeedTag = mszSpeedList->chartTag();

    if (n > SpeedLayout::kAnnounceRecords) {
        const QString caption = QStringLiteral("正在繪出 .VDR 詳細車速資料 (速度資料筆數共 %1 筆)")
                                    .arg(qint64(n) * SpeedLayout::kSamplesPerMinute);
        progress->SetCaption(caption);
        mWindow.SetStatusText(0, caption + QStringLiteral(" ..."));
        TfAnalyse::ProcessMessages();
    }

    const int day = mszSpeedList->defaultDayIndex(testCentre);
    mFilling = true;
    CB4SpeedAllDate->setCurrentIndex(day);
    mFilling = false;
    emit CB4SpeedAllDateChanged(day);

    if (testCentre) {
        // Select the first minute; the minute chart draws it.
        const QModelIndex root = mTree->rootIndex();
        TV4Speed->setExpanded(root, true);
        const QModelIndex first = mTree->minuteIndex(0);
        if (first.isValid()) TV4Speed->setCurrentIndex(first);
    }
}
