#include "analysis/ui/GpsPage.h"

#include "analysis/BlockReader.h"
#include "analysis/GpsDecoder.h"
#include "analysis/GpsDetailListModel.h"
#include "analysis/ui/SheetLayout.h"
#include "analysis/ui/TfAnalyse.h"
#include "analysis/ui/TfAnalyseProgress.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"
#include "settings/ui/MessageBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kLeftPanelWidth = 213;
constexpr int kDayBoxWidth = 133;
constexpr int kDayBoxItems = 20;
// While the detail text is written, the window processes events this often.
constexpr qint64 kSavePumpMs = 50;

QComboBox* makeBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxVisibleItems(kDayBoxItems);
    return box;
}

// Restores a control state when the query ends, also when it ends early.
template <typename F> struct AtExit {
    F f;
    ~AtExit() { f(); }
};
template <typename F> AtExit(F) -> AtExit<F>;
} // namespace

GpsPage::GpsPage(TfAnalyse& window)
    : QWidget(window.TS4GPS), mWindow(window), mModel(std::make_shared<const GpsModel>()) {
    setObjectName(QStringLiteral("GpsPage"));

    // Position tab: the left panel with the day box; the position chart fills the rest.
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* left = new QWidget(this);
    left->setObjectName(QStringLiteral("P4GPSLeft"));
    left->setFixedWidth(kLeftPanelWidth);
    auto* leftLayout = new QVBoxLayout(left);
    auto* header = new QLabel(QStringLiteral("GPS定位速度(日)"), left);
    header->setObjectName(QStringLiteral("L4GPSHeader"));
    header->setAutoFillBackground(true);
    header->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255, 213, 191); padding: 4px; }"));
    leftLayout->addWidget(header);
    auto* caption = new QLabel(QStringLiteral("GPS 定位速度(日)"), left);
    caption->setObjectName(QStringLiteral("L4GPSCaption"));
    leftLayout->addWidget(caption);
    CB4GPSDate = makeBox(left, "CB4GPSDate");
    CB4GPSDate->setFixedWidth(kDayBoxWidth);
    CB4GPSDate->setStyleSheet(QStringLiteral("QComboBox { background-color: yellow; }"));
    leftLayout->addWidget(CB4GPSDate);
    TV4GPS = new QTreeWidget(left);
    TV4GPS->setObjectName(QStringLiteral("TV4GPS"));
    TV4GPS->setHeaderHidden(true);
    TV4GPS->setVisible(false);
    leftLayout->addWidget(TV4GPS);
    leftLayout->addStretch(1);
    row->addWidget(left);
    row->addStretch(1);
    sheetLayout(window.TS4GPS)->addWidget(this);

    // Detail tab: the range boxes and buttons above the text.
    QWidget* detailSheet = window.TS4GPSDetail;
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    CB4GPSDetailDate1 = makeBox(detailSheet, "CB4GPSDetailDate1");
    CB4GPSDetailHour1 = makeBox(detailSheet, "CB4GPSDetailHour1");
    CB4GPSDetailDate2 = makeBox(detailSheet, "CB4GPSDetailDate2");
    CB4GPSDetailHour2 = makeBox(detailSheet, "CB4GPSDetailHour2");
    for (QComboBox* hours : {CB4GPSDetailHour1, CB4GPSDetailHour2})
        for (int h = 0; h < 24; ++h)
            hours->addItem(QString::asprintf("%.2d", h));
    CB4GPSDetailHour1->setCurrentIndex(0);
    CB4GPSDetailHour2->setCurrentIndex(23);
    B4GPSDetailQuery = new QPushButton(QStringLiteral("開始查詢"), detailSheet);
    B4GPSDetailQuery->setObjectName(QStringLiteral("B4GPSDetailQuery"));
    B4GPSDetailSave = new QPushButton(QStringLiteral("存成檔案"), detailSheet);
    B4GPSDetailSave->setObjectName(QStringLiteral("B4GPSDetailSave"));
    for (QWidget* w : std::initializer_list<QWidget*>{CB4GPSDetailDate1, CB4GPSDetailHour1, CB4GPSDetailDate2,
                                                      CB4GPSDetailHour2, B4GPSDetailQuery, B4GPSDetailSave})
        bar->addWidget(w);
    bar->addStretch(1);
    M4GPSDetail = new QTableView(detailSheet);
    M4GPSDetail->setObjectName(QStringLiteral("M4GPSDetail"));
    M4GPSDetail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    M4GPSDetail->setSelectionMode(QAbstractItemView::ExtendedSelection);
    M4GPSDetail->setSelectionBehavior(QAbstractItemView::SelectRows);
    M4GPSDetail->setShowGrid(false);
    M4GPSDetail->setWordWrap(false);
    M4GPSDetail->horizontalHeader()->setVisible(false);
    M4GPSDetail->horizontalHeader()->setStretchLastSection(true);
    // Rows of one fixed height keep millions of lines as cheap as a few.
    M4GPSDetail->verticalHeader()->setVisible(false);
    M4GPSDetail->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    M4GPSDetail->verticalHeader()->setDefaultSectionSize(M4GPSDetail->fontMetrics().height() + 2);
    mDetail = new GpsDetailListModel(this);
    M4GPSDetail->setModel(mDetail);
    QVBoxLayout* detailLayout = sheetLayout(detailSheet);
    detailLayout->addLayout(bar);
    detailLayout->addWidget(M4GPSDetail, 1);

    SaveTextFileDialog1 = new QFileDialog(this);
    SaveTextFileDialog1->setObjectName(QStringLiteral("SaveTextFileDialog1"));
    SaveTextFileDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveTextFileDialog1->setFileMode(QFileDialog::AnyFile);
    SaveTextFileDialog1->setNameFilter(QStringLiteral("文字檔 (*.txt)"));
    SaveTextFileDialog1->setDefaultSuffix(QStringLiteral("txt"));
    SaveTextFileDialog1->setDirectory(ExportFolder());

    for (QComboBox* box :
         {CB4GPSDate, CB4GPSDetailDate1, CB4GPSDetailHour1, CB4GPSDetailDate2, CB4GPSDetailHour2})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!mFilling) CB4GPSDateChange();
        });
    connect(B4GPSDetailQuery, &QPushButton::clicked, this, &GpsPage::B4GPSDetailQueryClick);
    connect(B4GPSDetailSave, &QPushButton::clicked, this, &GpsPage::B4GPSDetailSaveClick);
}

QString GpsPage::ExportFolder() {
    return GetExePath() + QStringLiteral("記錄匯出區");
}

const GpsDetailQuery& GpsPage::detail() const {
    return *mDetail->query();
}

void GpsPage::Clear() {
    TV4GPS->clear();
    TC4GPSSpeedTag = 0;
}

void GpsPage::FillDayLists() {
    mFilling = true;
    for (QComboBox* box : {CB4GPSDate, CB4GPSDetailDate1, CB4GPSDetailDate2}) {
        box->clear();
        box->addItems(mModel->days());
        box->setCurrentIndex(static_cast<int>(mModel->days().size()) - 1);
    }
    mFilling = false;
}

void GpsPage::AnalyseGPS(int nProgressFrom, int nProgressTo) {
    TV4GPS->clear();
    mDetail->clear();
    mModel = std::make_shared<const GpsModel>();
    FillDayLists();

    const Bytes block = mWindow.vdr().GetData(kBlockGpsPositions);
    const int n = static_cast<int>(BlockReader(block).be(GpsLayout::kCountBytes, 0));
    const int span = nProgressTo - nProgressFrom;
    const int step = span > 0 ? n / span : 0;
    TfAnalyseProgress* progress = mWindow.progressWindow();
    auto model = DecodeGpsRecord(block, [&](int i) {
        if (step > 0 && i % step == 0) progress->SetPosition(std::min(progress->Position() + 1, 100));
        if (i % GpsLayout::kMessageRecords == 0) TfAnalyse::ProcessMessages();
    });
    if (!model->isValid()) return;

    mModel = model;
    TC4GPSSpeedTag = mModel->chartTag();
    if (mModel->days().isEmpty()) return;
    FillDayLists();
    CB4GPSDateChange();
}

void GpsPage::TV4GPSShow(const QString& szDate) {
    Q_UNUSED(szDate);
    mDetail->clear();
    TV4GPS->clear();
}

void GpsPage::CB4GPSDateChange() {
    const QString day = CB4GPSDate->currentText();
    TV4GPSShow(day);
    mWindow.SetStatusText(1, QString());
    emit GpsDayChanged(day);
}

void GpsPage::B4GPSDetailQueryClick() {
    if (CB4GPSDetailDate1->count() == 0) return;
    B4GPSDetailQuery->setEnabled(false);
    const AtExit restore{[this] {
        B4GPSDetailQuery->setEnabled(true);
        M4GPSDetail->setVisible(true);
    }};
    mWindow.SetStatusText(1, QString());
    M4GPSDetail->setVisible(false);
    mDetail->clear();

    // The query keeps only the list of its hours; the view asks for the lines
    // it shows, so even a whole record is ready at once.
    const QString fromKey =
        GpsDetailQuery::RangeKey(CB4GPSDetailDate1->currentText(), CB4GPSDetailHour1->currentText());
    const QString toKey =
        GpsDetailQuery::RangeKey(CB4GPSDetailDate2->currentText(), CB4GPSDetailHour2->currentText());
    auto query = std::make_shared<const GpsDetailQuery>(mModel, fromKey, toKey);
    const int k = query->hourCount();
    mDetail->setQuery(std::move(query));
    if (k > 0) {
        mWindow.SetStatusText(1, QString::asprintf("(%d/%d)", k, k));
        TfAnalyse::ProcessMessages();
    }
}

void GpsPage::B4GPSDetailSaveClick() {
    if (mSaving) return;
    if (mDetail->lineCount() == 0) {
        ShowError(QStringLiteral("無內容物可存檔 !"));
        return;
    }
    // The dialog starts in the export folder, made when it is missing.
    const QString folder = ExportFolder();
    QDir().mkpath(folder);
    SaveTextFileDialog1->setDirectory(folder);
    SaveTextFileDialog1->selectFile(QString());
    if (SaveTextFileDialog1->exec() != QDialog::Accepted) return;
    const QString fileName = SaveTextFileDialog1->selectedFiles().value(0);
    if (fileName.isEmpty()) return;
    SaveDetail(fileName);
}

bool GpsPage::SaveDetail(const QString& fileName) {
    // The text of the query shown now, even if the user starts another one
    // while a long text is written.
    const std::shared_ptr<const GpsDetailQuery> query = mDetail->query();
    mSaving = true;
    B4GPSDetailSave->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QFile file(fileName);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ok) {
        QElapsedTimer pump;
        pump.start();
        ok = query->WriteText(file, [&](qsizetype) {
            if (pump.elapsed() >= kSavePumpMs) {
                TfAnalyse::ProcessMessages();
                pump.restart();
            }
            return true;
        });
        file.close();
        ok = ok && file.error() == QFileDevice::NoError;
    }
    QApplication::restoreOverrideCursor();
    B4GPSDetailSave->setEnabled(true);
    mSaving = false;
    if (!ok) ShowError(QDir::toNativeSeparators(fileName) + QLatin1Char('\n') + file.errorString());
    return ok;
}
