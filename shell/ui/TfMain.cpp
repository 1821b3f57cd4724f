#include "shell/ui/TfMain.h"

#include "analysis/ui/TfAnalyse.h"
#include "settings/Tools.h"
#include "settings/ui/MessageBoxes.h"
#include "settings/ui/TfInputPasswordEX.h"
#include "shell/RecordVerification.h"
#include "shell/ui/TFlogo.h"
#include "shell/ui/TfInformation.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace {
constexpr int kWidth = 1280;
constexpr int kHeight = 720;
// The smallest screen the charts are laid out for.
constexpr int kMinScreenWidth = 1280;
constexpr int kMinScreenHeight = 768;
constexpr int kGoogleMaps = 1;
constexpr int kOpenStreetMap = 2;
constexpr const char* kTagProperty = "Tag";

void processMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QAction* makeAction(QMenu* menu, const char* name, const QString& text, int tag = 0) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (tag) action->setData(tag);
    return action;
}

QAction* makeSeparator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* makeMenu(QWidget* parent, const char* name, const QString& title) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->setToolTipsVisible(true);
    return menu;
}

QString portText(int port) {
    return QStringLiteral(" 通訊埠 : COM%1").arg(port);
}
QString mapText(int mapType) {
    return mapType == kGoogleMaps ? QStringLiteral(" GoogleMap") : QStringLiteral(" OpenStreetMap");
}
} // namespace

TfMain::TfMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      mVerifierTimeoutMs(kVerifierTimeoutMs) {
    FormCreate();
}

TfMain::~TfMain() = default;

void TfMain::FormCreate() {
    setObjectName(QStringLiteral("TfMain"));
    mbFormActive = true;
    setFixedSize(kWidth, kHeight);
    QFont font = this->font();
    font.setFamilies(ShellFontFamilies());
    setFont(font);
    // Every date and time of the program is written by the date-time value as
    // "yyyy/mm/dd" and "hh:nn:ss"; nothing depends on the desktop's formats.

    DetectDebugMode();
    // A folder that cannot be created is left to the open dialog.
    QDir(GetExePath()).mkdir(kDownloadFolder);
    LoadSettings();

    QString title = kMainTitle + kMainVersion;
    if (IsTestCentreEdition()) title += kTestCentreMark;
    setWindowTitle(title);

    CreateToolBar();
    CreateMenus();
    CreateStatusBar();
    COM81Click(nullptr);
    M4OSMapsClick(nullptr);

    OpenDialog1 = new QFileDialog(this, QStringLiteral("開啟記錄檔 (.VDR)"),
                                  GetExePath() + kDownloadFolder + '/', QStringLiteral("行車記錄檔 (*.vdr)"));
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    // The program's own dialog: the same on every desktop, and it matches *.vdr
    // without regard to case, as downloaded files end in .VDR.
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
}

void TfMain::CreateToolBar() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setStyleSheet(QStringLiteral("QToolBar#ToolBar1 { background: rgb(210, 210, 255); }"));
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    ToolButton1 = new QToolButton(ToolBar1);
    ToolButton1->setObjectName(QStringLiteral("ToolButton1"));
    ToolButton1->setText(QStringLiteral(" 開啟記錄檔 "));
    ToolButton1->setToolTip(QStringLiteral("開啟由隨身碟下載的 .VDR 行車記錄檔"));
    ToolButton1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ToolButton1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolButton1->setProperty(kTagProperty, 0);
    ToolBar1->addWidget(ToolButton1);

    ToolButton2 = ToolBar1->addSeparator();
    ToolButton2->setObjectName(QStringLiteral("ToolButton2"));

    ToolButton4 = new QToolButton(ToolBar1);
    ToolButton4->setObjectName(QStringLiteral("ToolButton4"));
    ToolButton4->setText(QStringLiteral("結束"));
    ToolButton4->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ToolButton4->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->addWidget(ToolButton4);

    P4Message = new QLabel(QStringLiteral("訊息"), ToolBar1);
    P4Message->setObjectName(QStringLiteral("P4Message"));
    P4Message->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    P4Message->setMinimumWidth(200);
    P4Message->setContentsMargins(8, 0, 8, 0);
    // Red text; the tool bar's style sheet would override a palette colour.
    P4Message->setStyleSheet(QStringLiteral("QLabel#P4Message { color: red; }"));
    ToolBar1->addWidget(P4Message);

    connect(ToolButton1, &QToolButton::clicked, this, &TfMain::ToolButton1Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TfMain::ToolButton4Click);
}

void TfMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    M4File = makeMenu(this, "M4File", QStringLiteral("檔案 (&F)"));
    MapsAPIKey1 = makeAction(M4File, "MapsAPIKey1", QStringLiteral("Google Maps API Key 設定"));
    N2 = makeSeparator(M4File, "N2");
    M4FileExit = makeAction(M4File, "M4FileExit", QStringLiteral("結束 (&E)"));
    bar->addMenu(M4File);

    O1 = makeMenu(this, "O1", QStringLiteral("選項 (&O)"));
    RS2321 = makeMenu(O1, "RS2321", QStringLiteral("設定 RS232 下載通訊埠 (115200,O,8,1)"));
    RS2321->menuAction()->setToolTip(
        QStringLiteral("通訊速率為 115200 bps ，以位元組為單位，含有一個起始位元、"
                       "八個資料位元、一個停止位元及一個奇校驗位元"));
    for (int i = 0; i < 8; ++i) {
        const QByteArray name = "COM" + QByteArray::number(i + 1) + '1';
        COM[i] = makeAction(RS2321, name.constData(), QStringLiteral("COM%1").arg(i + 1), i + 1);
        COM[i]->setCheckable(true);
        connect(COM[i], &QAction::triggered, this, [this, item = COM[i]] { COM81Click(item); });
    }
    O1->addMenu(RS2321);
    N3 = makeSeparator(O1, "N3");
    M4Maps = makeMenu(O1, "M4Maps", QStringLiteral("GPS 定位使用的地圖"));
    M4GMaps = makeAction(M4Maps, "M4GMaps",
                         QStringLiteral("Google Maps (谷歌地圖)(依Google付費政策，可能需付費)"), kGoogleMaps);
    M4OSMaps =
        makeAction(M4Maps, "M4OSMaps", QStringLiteral("OpenStreetMap (開放街圖) (免費)"), kOpenStreetMap);
    for (QAction* item : {M4GMaps, M4OSMaps}) {
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item] { M4OSMapsClick(item); });
    }
    O1->addMenu(M4Maps);
    bar->addMenu(O1);

    N4 = makeMenu(this, "N4", QStringLiteral("開啟記錄檔進行分析 (&A)"));
    RS2322 = makeAction(N4, "RS2322", QStringLiteral("自 RS232 連線下載記錄檔"));
    N5 = makeSeparator(N4, "N5");
    N6 = makeAction(N4, "N6", QStringLiteral("開啟隨身碟(硬碟)記錄檔"));
    bar->addMenu(N4);

    H1 = makeMenu(this, "H1", QStringLiteral("關於 (&H)"));
    N1 = makeAction(H1, "N1", QStringLiteral("軟體資訊"));
    bar->addMenu(H1);

    connect(MapsAPIKey1, &QAction::triggered, this, &TfMain::MapsAPIKey1Click);
    connect(M4FileExit, &QAction::triggered, this, &TfMain::M4FileExitClick);
    connect(RS2322, &QAction::triggered, this, &TfMain::RS2322Click);
    connect(N6, &QAction::triggered, this, &TfMain::ToolButton1Click);
    connect(N1, &QAction::triggered, this, &TfMain::N1Click);
}

void TfMain::CreateStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const int widths[3] = {100, 120, 100};
    for (int i = 0; i < 4; ++i) {
        mPanels[i] = new QLabel(StatusBar1);
        mPanels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        if (i < 3) mPanels[i]->setFixedWidth(widths[i]);
        StatusBar1->addWidget(mPanels[i], i < 3 ? 0 : 1);
    }
    mPanels[3]->setText(QStringLiteral(" 本程式最徍解析度需 1280*768 以上"));
    setStatusBar(StatusBar1);
}

QString TfMain::StatusText(int panel) const {
    return panel >= 0 && panel < 4 ? mPanels[panel]->text() : QString();
}

void TfMain::SetStatusText(int panel, const QString& text) {
    if (panel >= 0 && panel < 4) mPanels[panel]->setText(text);
}

void TfMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    if (mbFormActive) {
        if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
        // Activation is not reported on every platform; the first one runs once either way.
        QTimer::singleShot(0, this, &TfMain::FormActivate);
    }
}

void TfMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && mbFormActive)
        QTimer::singleShot(0, this, &TfMain::FormActivate);
}

void TfMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) mClosed = true;
}

void TfMain::FormActivate() {
    if (!mbFormActive) return;
    mbFormActive = false;
    processMessages();

    if (mPassword) {
        mPassword->exec();
        if (mPassword->mbCancel || !mPassword->CheckPassword()) {
            close();
            return;
        }
    }
    mUnlocked = true;

    const QSize size = mScreenSize ? mScreenSize() : (screen() ? screen()->size() : QSize());
    if (size.width() < kMinScreenWidth || size.height() < kMinScreenHeight)
        ShowWarning(QStringLiteral(
                        "本軟體需螢幕解析度為 1280x768，目前的解析度為 %1x%2，可能會導致部份圖表顯示不正常 !")
                        .arg(size.width())
                        .arg(size.height()));
    OpenPendingFile();
}

void TfMain::COM81Click(QAction* item) {
    if (!item) {
        for (QAction* port : COM) {
            port->setChecked(port->data().toInt() == TSYS.TRComPort);
            if (port->isChecked()) mCheckedPort = port;
        }
        SetStatusText(0, portText(TSYS.TRComPort));
        return;
    }
    if (item == mCheckedPort) {
        item->setChecked(true);
        return;
    }
    for (QAction* port : COM)
        port->setChecked(false);
    item->setChecked(true);
    mCheckedPort = item;
    TSYS.TRComPort = item->data().toInt();
    WriteIniInteger(QString::fromLatin1(kSettingsSection), QStringLiteral("TRComPort"), TSYS.TRComPort);
    SetStatusText(0, portText(TSYS.TRComPort));
}

void TfMain::M4OSMapsClick(QAction* item) {
    if (!item) {
        M4GMaps->setChecked(TSYS.MapType == kGoogleMaps);
        M4OSMaps->setChecked(TSYS.MapType == kOpenStreetMap);
        mCheckedMap = TSYS.MapType == kGoogleMaps ? M4GMaps : M4OSMaps;
    } else if (item == mCheckedMap) {
        item->setChecked(true);
        return;
    } else {
        M4GMaps->setChecked(false);
        M4OSMaps->setChecked(false);
        item->setChecked(true);
        mCheckedMap = item;
        TSYS.MapType = item->data().toInt();
        WriteIniInteger(QString::fromLatin1(kSettingsSection), QStringLiteral("MapType"), TSYS.MapType);
    }
    SetStatusText(1, mapText(TSYS.MapType));
}

void TfMain::ToolButton4Click() {
    close();
}

void TfMain::M4FileExitClick() {
    close();
}

void TfMain::MapsAPIKey1Click() {
    if (mApiKeyDialog) mApiKeyDialog->exec();
}

void TfMain::RS2322Click() {
    if (mDownloadAction) mDownloadAction();
}

void TfMain::N1Click() {
    if (mInformation) mInformation->exec();
}

bool TfMain::BeginOpenAction() {
    if (ToolButton1->property(kTagProperty).toInt() == 1) return false;
    ToolButton1->setProperty(kTagProperty, 1);
    return true;
}

void TfMain::EndOpenAction() {
    ToolButton1->setProperty(kTagProperty, 0);
    if (mClosed) return;
    show();
    if (!mPendingFile.isEmpty()) QTimer::singleShot(0, this, &TfMain::OpenPendingFile);
}

void TfMain::ToolButton1Click() {
    if (!BeginOpenAction()) return;
    processMessages();
    QString path;
    if (OpenDialog1->exec() == QDialog::Accepted) path = OpenDialog1->selectedFiles().value(0);
    if (!path.isEmpty()) OpenVerified(path);
    EndOpenAction();
}

void TfMain::OpenFileFromOutside(const QString& path) {
    if (path.isEmpty()) return;
    mPendingFile = path;
    if (mUnlocked && ToolButton1->property(kTagProperty).toInt() == 0) OpenPendingFile();
}

void TfMain::OpenPendingFile() {
    if (mPendingFile.isEmpty() || !mUnlocked || mClosed || !BeginOpenAction()) return;
    const QString path = std::exchange(mPendingFile, QString());
    OpenVerified(path);
    EndOpenAction();
}

void TfMain::OpenVerified(const QString& path) {
    if (!mAnalyse) return;
    mAnalyse->mszVDRFile = path;
    processMessages();
    const VerifyOutcome outcome = VDRVerify(path, mVerifierTimeoutMs);
    processMessages();
    if (mClosed) return;
    if (outcome.kind != VerifyOutcome::Kind::Verified && !AskQuestion(VerifyQuestionText(outcome))) return;
    if (mClosed) return;
    hide();
    mAnalyse->exec();
}

void TfMain::RaiseFromOtherStart(const QString& file) {
    if (isVisible() && isMinimized()) showNormal();
    // While the analysis window (or another modal window) is up, that one is
    // what the user works in; the main window stays hidden behind it.
    QWidget* target = QApplication::activeModalWidget();
    if (!target) target = this;
    if (target->isVisible()) {
        target->raise();
        target->activateWindow();
    }
    OpenFileFromOutside(file);
}
