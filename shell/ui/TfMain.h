#pragma once
// The main window: tool bar, menus and status bar; opening a record file with
// its signature checked by the verifier first; the serial port and map provider
// choices; the start-up password on the first activation.
#include <QMainWindow>
#include <QSize>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QDialog;
class QFileDialog;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class TfAnalyse;
class TfInformation;
class TfInputPasswordEX;

inline const QString kMainTitle = QStringLiteral("行車記錄器台灣標準 – 標準版軟體");
inline const QString kMainVersion = QStringLiteral(" v1.0.1");
inline const QString kTestCentreMark = QStringLiteral("(VEXO)");
// The folder of downloaded records, in the program folder.
inline const QString kDownloadFolder = QStringLiteral("記錄下載區");

class TfMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;

    // The windows reached from here; they are created after the main window.
    void SetInformationWindow(TfInformation* window) { mInformation = window; }
    void SetPasswordWindow(TfInputPasswordEX* window) { mPassword = window; }
    void SetAnalyseWindow(TfAnalyse* window) { mAnalyse = window; }
    // The Google Maps API key dialog and the download from the recorder belong
    // to their own parts of the program, which attach them here.
    void SetApiKeyDialog(QDialog* dialog) { mApiKeyDialog = dialog; }
    void SetDownloadAction(std::function<void()> action) { mDownloadAction = std::move(action); }

    // The screen size that the resolution check reads (the window's screen by default).
    void SetScreenSizeSource(std::function<QSize()> source) { mScreenSize = std::move(source); }
    // How long the verifier may take before it counts as silent.
    void SetVerifierTimeout(int ms) { mVerifierTimeoutMs = ms; }

    // Opens a file named on the command line or by a later start of the
    // program, through the same verification as the open dialog. It waits for
    // the start-up password and for an open action in progress.
    void OpenFileFromOutside(const QString& path);
    // A later start of the program asked for this window (and maybe a file).
    void RaiseFromOtherStart(const QString& file);

    // True from creation until the first activation has run.
    bool mbFormActive = true;
    // True once the start-up password was accepted.
    bool IsUnlocked() const { return mUnlocked; }
    QString StatusText(int panel) const;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr; // its "Tag" property is 1 while an open action runs
    QAction* ToolButton2 = nullptr;     // separator
    QToolButton* ToolButton4 = nullptr;
    QLabel* P4Message = nullptr;

    QMenu* M4File = nullptr;
    QAction* MapsAPIKey1 = nullptr;
    QAction* N2 = nullptr;
    QAction* M4FileExit = nullptr;
    QMenu* O1 = nullptr;
    QMenu* RS2321 = nullptr;
    std::array<QAction*, 8> COM{}; // COM11 ... COM81, tags 1 to 8
    QAction* N3 = nullptr;
    QMenu* M4Maps = nullptr;
    QAction* M4GMaps = nullptr;
    QAction* M4OSMaps = nullptr;
    QMenu* N4 = nullptr;
    QAction* RS2322 = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    QMenu* H1 = nullptr;
    QAction* N1 = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QFileDialog* OpenDialog1 = nullptr;

  public slots:
    void ToolButton1Click();
    void ToolButton4Click();
    void M4FileExitClick();
    void MapsAPIKey1Click();
    void RS2322Click();
    void N1Click();
    // Shared by the eight port items; nullptr sets the start state.
    void COM81Click(QAction* item);
    // Shared by the two map items; nullptr sets the start state.
    void M4OSMapsClick(QAction* item);
    void FormActivate();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void CreateToolBar();
    void CreateMenus();
    void CreateStatusBar();
    void SetStatusText(int panel, const QString& text);
    // Checks the file with the verifier, asks when it did not verify, and shows
    // it in the analysis window with the main window hidden.
    void OpenVerified(const QString& path);
    // The open action's guard: false when an action is already in progress.
    bool BeginOpenAction();
    void EndOpenAction();
    void OpenPendingFile();

    TfInformation* mInformation = nullptr;
    TfInputPasswordEX* mPassword = nullptr;
    TfAnalyse* mAnalyse = nullptr;
    QDialog* mApiKeyDialog = nullptr;
    std::function<void()> mDownloadAction;
    std::function<QSize()> mScreenSize;
    int mVerifierTimeoutMs;
    QAction* mCheckedPort = nullptr;
    QAction* mCheckedMap = nullptr;
    std::array<QLabel*, 4> mPanels{};
    bool mUnlocked = false;
    // Set once the window has closed (the program is ending): an open action
    // in progress then neither goes on nor shows the window again.
    bool mClosed = false;
    QString mPendingFile;
};
