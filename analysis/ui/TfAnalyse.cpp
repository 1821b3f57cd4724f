#include "analysis/ui/TfAnalyse.h"

#include "analysis/ControlLogDecoder.h"
#include "analysis/EventFaultDecoder.h"
#include "analysis/TechDataDecoder.h"
#include "analysis/ui/ControlPage.h"
#include "analysis/ui/EventFaultPage.h"
#include "analysis/ui/GpsPage.h"
#include "analysis/ui/SpeedPage.h"
#include "analysis/ui/TechPage.h"
#include "analysis/ui/DriverPage.h"
#include "analysis/ui/TfAnalyseProgress.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QToolButton* makeToolButton(QToolBar* bar, const char* name, const QString& caption) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

QWidget* makeTab(QTabWidget* pages, const char* name, const QString& caption) {
    auto* w = new QWidget(pages);
    w->setObjectName(QString::fromLatin1(name));
    pages->addTab(w, caption);
    return w;
}

QString fileNameOnly(const QString& path) { return QFileInfo(path).fileName(); }
} // namespace

TfAnalyse::TfAnalyse(TVDR& vdr, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      mVdr(vdr) {
    FormCreate();
}

TfAnalyse::~TfAnalyse() = default;

void TfAnalyse::FormCreate() {
    setObjectName(QStringLiteral("TfAnalyse"));
    setWindowTitle(QStringLiteral("記錄檔(.VDR)分析"));
    setFixedSize(1280, 710);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    TB4Exit = makeToolButton(ToolBar1, "TB4Exit", QStringLiteral("       結束       "));
    TB4SpeedPrint = makeToolButton(ToolBar1, "TB4SpeedPrint", QStringLiteral("印車速圖"));
    TB4GPS = makeToolButton(ToolBar1, "TB4GPS", QStringLiteral("定位地圖"));
    TB4DebugClear = makeToolButton(ToolBar1, "TB4DebugClear", QStringLiteral("偵錯清除"));
    mToolActions.insert(TB4Exit, ToolBar1->addWidget(TB4Exit));
    QAction* separator = ToolBar1->addSeparator();
    separator->setObjectName(QStringLiteral("ToolButton8"));
    mToolActions.insert(TB4SpeedPrint, ToolBar1->addWidget(TB4SpeedPrint));
    mToolActions.insert(TB4GPS, ToolBar1->addWidget(TB4GPS));
    mToolActions.insert(TB4DebugClear, ToolBar1->addWidget(TB4DebugClear));
    layout->addWidget(ToolBar1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TS4Tech = makeTab(PageControl1, "TS4Tech", QStringLiteral(" 技術資料 "));
    TS4EventAndFault = makeTab(PageControl1, "TS4EventAndFault", QStringLiteral(" 事件及故障 "));
    TS4Driver = makeTab(PageControl1, "TS4Driver", QStringLiteral(" 駕駛活動資料 "));
    TS4Speed = makeTab(PageControl1, "TS4Speed", QStringLiteral(" 詳細車速資料(分鐘) "));
    TS4SpeedAll = makeTab(PageControl1, "TS4SpeedAll", QStringLiteral("詳細車速資料(日)(全部)"));
    TS4GPS = makeTab(PageControl1, "TS4GPS", QStringLiteral(" 定位記錄 "));
    TS4GPSDetail = makeTab(PageControl1, "TS4GPSDetail", QStringLiteral(" 定位記錄明細 "));
    T4Control = makeTab(PageControl1, "T4Control", QStringLiteral("系統控制作業"));
    layout->addWidget(PageControl1, 1);

    // The debug memo lies over the technical data tree, in its lower half.
    M4Debug = new QPlainTextEdit(TS4Tech);
    M4Debug->setObjectName(QStringLiteral("M4Debug"));
    M4Debug->setReadOnly(true);
    M4Debug->setVisible(false);
    TS4Tech->installEventFilter(this);
    mDriverPage = new DriverPage(mDriverActivity, TS4Driver);
    mTechPage = new TechPage(TS4Tech);
    M4Debug->raise();
    mEventFaultPage = new EventFaultPage(TS4EventAndFault);
    mControlPage = new ControlPage(T4Control);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const int widths[3] = {440, 580, 50};
    for (int i = 0; i < 3; ++i) {
        mPanels[i] = new QLabel(StatusBar1);
        mPanels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        mPanels[i]->setFixedWidth(widths[i]);
        StatusBar1->addWidget(mPanels[i]);
    }
    layout->addWidget(StatusBar1);

    mProgress = new TfAnalyseProgress(this);
    mSpeedPage = new SpeedPage(*this);
    mGpsPage = new GpsPage(*this);

    PageControl1->setCurrentIndex(0);
    mbSpeedPrint = false;
    PageControl1->setTabVisible(PageControl1->indexOf(TS4Speed), IsTestCentreEdition());

    connect(TB4Exit, &QToolButton::clicked, this, &TfAnalyse::TB4ExitClick);
    connect(TB4DebugClear, &QToolButton::clicked, this, &TfAnalyse::TB4DebugClearClick);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfAnalyse::PageControl1Change);
    PageControl1Change(PageControl1->currentIndex());
}

void TfAnalyse::SetToolVisible(QToolButton* button, bool visible) {
    if (QAction* a = mToolActions.value(button))
        a->setVisible(visible);
}

bool TfAnalyse::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TS4Tech && event->type() == QEvent::Resize) {
        const QRect r = TS4Tech->rect();
        M4Debug->setGeometry(r.x(), r.y() + r.height() / 2, r.width(), r.height() - r.height() / 2);
        M4Debug->raise();
    }
    return QDialog::eventFilter(watched, event);
}

QString TfAnalyse::StatusText(int panel) const {
    return panel >= 0 && panel < 3 ? mPanels[panel]->text() : QString();
}

void TfAnalyse::SetStatusText(int panel, const QString& text) {
    if (panel >= 0 && panel < 3)
        mPanels[panel]->setText(text);
}

void TfAnalyse::Debug(const std::uint8_t* Data, std::uint32_t u32DataLen) {
    if (!Data)
        return;
    QString line;
    for (std::uint32_t i = 0; i < u32DataLen; ++i) {
        line += QString::asprintf("%.2X ", Data[i]);
        if ((i + 1) % 16 == 0) {
            M4Debug->appendPlainText(line);
            line.clear();
        }
    }
    if (!line.isEmpty())
        M4Debug->appendPlainText(line);
}

void TfAnalyse::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TfAnalyse::Pause(int ms) {
    const qint64 wait = static_cast<qint64>(ms * mPauseScale);
    ProcessMessages();
    if (wait <= 0)
        return;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < wait && !mAbort) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 left = wait - timer.elapsed();
        if (left > 0)
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 5)));
    }
}

void TfAnalyse::StepProgressTo(int position) {
    for (int p = mProgress->Position() + 1; p <= position && !mAbort; ++p) {
        mProgress->SetPosition(p);
        Pause(10);
    }
}

void TfAnalyse::FormShow() {
    SetStatusText(0, QString());
    SetStatusText(1, QString());
    mbFormShow = true;
    mAbort = false;
    const bool debug = IsDebugMode();
    M4Debug->setVisible(debug);
    SetToolVisible(TB4DebugClear, debug);
    if (debug)
        M4Debug->raise();
}

void TfAnalyse::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    // Activation may not be reported on every platform; the run starts at most
    // once per showing either way.
    QTimer::singleShot(0, this, &TfAnalyse::FormActivate);
}

void TfAnalyse::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &TfAnalyse::FormActivate);
}

void TfAnalyse::closeEvent(QCloseEvent* event) {
    // Closing during the loading run stops it at the next step.
    mAbort = true;
    QDialog::closeEvent(event);
}

void TfAnalyse::TB4ExitClick() { close(); }

void TfAnalyse::TB4DebugClearClick() { M4Debug->clear(); }

void TfAnalyse::PageControl1Change(int index) {
    QWidget* page = PageControl1->widget(index);
    SetToolVisible(TB4GPS, page == TS4GPS);
    SetToolVisible(TB4SpeedPrint, page == TS4Speed || page == TS4GPS);
    if (page != TS4SpeedAll)
        SetStatusText(2, QString());
}

void TfAnalyse::FormActivate() {
    ProcessMessages();
    if (!mbFormShow || mLoading || !isVisible())
        return;
    mLoading = true;
    mbFormShow = false;
    mAbort = false;

    // Views emptied at the start of every run (the decoders refill them).
    mSpeedPage->Clear();
    mGpsPage->Clear();
    mDriverPage->Clear();
    mEventFaultPage->Clear();
    mTechPage->Clear();
    mszVechileID = QStringLiteral("未知車牌");

    const QString name = fileNameOnly(mszVDRFile);
    SetStatusText(0, QStringLiteral(" 正在載入 ") + name + QStringLiteral(" ..."));
    Pause(500);
    ++mLoadRuns;
    if (mAbort || !mVdr.LoadFile(mszVDRFile)) {
        if (!mAbort) {
            SetStatusText(0, name + QStringLiteral(" 載入失敗 !!"));
            Pause(500);
        }
        mLoading = false;
        return;
    }

    mProgress->SetCaption(QStringLiteral("正在載入 .VDR (事件及故障記錄)"));
    mProgress->SetPosition(0);
    mProgress->show();
    mProgress->raise();
    for (int stage = 1; stage <= 6 && !mAbort; ++stage)
        RunStage(stage);
    mProgress->hide();
    if (!mAbort)
        SetStatusText(0, QStringLiteral(" ") + name + QStringLiteral(" 已正確載入"));
    mLoading = false;
}

void TfAnalyse::RunStage(int stage) {
    struct Stage {
        const char16_t* caption;
        const char16_t* status;
    };
    static constexpr Stage kStages[] = {
        {u"正在載入 .VDR (事件及故障記錄)", u" 正在分析 [事件及故障] 記錄 ..."},
        {u"正在載入 .VDR (技術資料記錄)", u" 正在分析 [技術資料] 記錄 ..."},
        {u"正在載入 .VDR (駕駛活動類型資料)", u" 正在分析 [駕駛活動類型資料] 記錄 ..."},
        {u"正在載入 .VDR (定位資料)", u" 正在分析 [定位資料] 記錄 ..."},
        {u"正在載入 .VDR (詳細車速資料)", u" 正在分析 [詳細車速資料] 記錄 ..."},
        {u"正在載入 .VDR (系統控制作業資料)", u" 正在分析 [系統控制作業資料] 記錄 ..."},
    };
    const Stage& s = kStages[stage - 1];
    mProgress->SetCaption(QString::fromUtf16(s.caption));
    SetStatusText(0, QString::fromUtf16(s.status));
    ProcessMessages();
    Pause(200);
    if (mAbort)
        return;
    const int position = mProgress->Position();
    switch (stage) {
    case 1:
        AnalyseEventAndFault();
        StepProgressTo(10);
        break;
    case 2:
        AnalyseTech();
        StepProgressTo(mProgress->Position() + 11);
        break;
    case 3:
        AnalyseDriver();
        StepProgressTo(mProgress->Position() + 11);
        break;
    case 4:
        AnalyseGPS(position + 1, 60);
        if (mProgress->Position() < 60)
            mProgress->SetPosition(60);
        break;
    case 5:
        AnalyseSpeed(position + 1, 95);
        if (mProgress->Position() < 95)
            mProgress->SetPosition(95);
        break;
    case 6:
        AnalyseControl();
        StepProgressTo(100);
        break;
    }
}

// The decoders. Each fetches its block, empties its views and fills them.

void TfAnalyse::AnalyseEventAndFault() {
    mEventFaultPage->Clear();
    const std::vector<EventFaultRow> rows = DecodeEventsAndFaults(mVdr.GetData(kBlockEventsAndFaults));
    const auto firstEvent =
        std::find_if(rows.begin(), rows.end(), [](const EventFaultRow& r) { return r.bEvent; });
    mEventFaultPage->AddRows({rows.begin(), firstEvent});
    ProcessMessages();
    mEventFaultPage->AddRows({firstEvent, rows.end()});
    ProcessMessages();
}

void TfAnalyse::AnalyseTech() {
    mTechPage->Clear();
    const TechData data = DecodeTechData(mVdr.GetData(kBlockTechnicalData));
    if (data.root)
        mszVechileID = data.mszVechileID;
    mTechPage->Show(data);
    M4Debug->raise();
}

void TfAnalyse::AnalyseDriver() {
    mDriverPage->AnalyseDriver(mVdr.GetData(kBlockDriverActivity));
    ProcessMessages();
}

void TfAnalyse::AnalyseGPS(int nProgressFrom, int nProgressTo) {
    mGpsPage->AnalyseGPS(nProgressFrom, nProgressTo);
}

void TfAnalyse::AnalyseSpeed(int nProgressFrom, int nProgressTo) {
    mSpeedPage->AnalyseSpeed(nProgressFrom, nProgressTo);
}

void TfAnalyse::AnalyseControl() {
    mControlPage->Clear();
    mControlInfo.clear();
    mControlInfo = DecodeControlLog(mVdr.GetData(kBlockControlLog));
    mControlPage->LV4ControlShow(mControlInfo);
    ProcessMessages();
}
