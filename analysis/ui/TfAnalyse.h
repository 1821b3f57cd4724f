#pragma once
// The analysis window: shows one .vdr record file. Each showing loads the file
// once, on the first activation, and runs the block decoders stage by stage
// while the progress window and the status bar report them.
#include "analysis/ControlLogInfo.h"
#include "analysis/DriverActivity.h"

#include <QDialog>
#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class QAction;
class TVDR;
class TfAnalyseProgress;
class SpeedPage;
class GpsPage;
class DriverPage;
class TechPage;
class EventFaultPage;
class ControlPage;

class TfAnalyse : public QDialog {
    Q_OBJECT
public:
    explicit TfAnalyse(TVDR& vdr, QWidget* parent = nullptr);
    ~TfAnalyse() override;

    // Set by the caller before showing: the full path of the file to analyse.
    QString mszVDRFile;
    bool mbFormShow = false;
    QString mszVechileID = QStringLiteral("未知車牌");
    bool mbSpeedPrint = false;
    // The driver activity changes of the loaded file, with their durations and marks.
    const std::vector<TDriverInfo>& gmDI() const { return mDriverActivity.gmDI(); }
    const DriverActivity& driverActivity() const { return mDriverActivity; }
    // The system control log of the loaded file.
    std::vector<TControlInfo> mControlInfo;

    TVDR& vdr() { return mVdr; }
    TfAnalyseProgress* progressWindow() { return mProgress; }

    // Status bar panels 0 to 2.
    QString StatusText(int panel) const;
    void SetStatusText(int panel, const QString& text);

    // Appends a hex dump of the bytes to the debug memo.
    void Debug(const std::uint8_t* Data, std::uint32_t u32DataLen);

    // Pauses of the loading run are multiplied by this (tests set 0).
    void SetPauseScale(double scale) { mPauseScale = scale; }
    // Lets pending window events be processed.
    static void ProcessMessages();
    // Processes window events for ms milliseconds (scaled).
    void Pause(int ms);
    // Moves the progress bar step by step up to the position.
    void StepProgressTo(int position);

    // The decoders the loading run calls, in order.
    void AnalyseEventAndFault();
    void AnalyseTech();
    void AnalyseDriver();
    void AnalyseGPS(int nProgressFrom, int nProgressTo);
    void AnalyseSpeed(int nProgressFrom, int nProgressTo);
    void AnalyseControl();

    // True while the loading run is going on.
    bool IsLoading() const { return mLoading; }
    // The number of loading runs that reached the load of the file (tests).
    int LoadRunCount() const { return mLoadRuns; }

    // Controls, named as the object names they carry.
    QToolBar* ToolBar1 = nullptr;
    QToolButton* TB4Exit = nullptr;
    QToolButton* TB4SpeedPrint = nullptr;
    QToolButton* TB4GPS = nullptr;
    QToolButton* TB4DebugClear = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TS4Tech = nullptr;
    QWidget* TS4EventAndFault = nullptr;
    QWidget* TS4Driver = nullptr;
    QWidget* TS4Speed = nullptr;
    QWidget* TS4SpeedAll = nullptr;
    QWidget* TS4GPS = nullptr;
    QWidget* TS4GPSDetail = nullptr;
    QWidget* T4Control = nullptr;
    QPlainTextEdit* M4Debug = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    SpeedPage* mSpeedPage = nullptr;
    GpsPage* mGpsPage = nullptr;
    DriverPage* mDriverPage = nullptr;
    TechPage* mTechPage = nullptr;
    EventFaultPage* mEventFaultPage = nullptr;
    ControlPage* mControlPage = nullptr;

public slots:
    void FormActivate();
    void TB4ExitClick();
    void TB4DebugClearClick();
    void PageControl1Change(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void SetToolVisible(QToolButton* button, bool visible);
    void RunStage(int stage);
    bool Aborted() const { return mAbort; }

    TVDR& mVdr;
    DriverActivity mDriverActivity;
    TfAnalyseProgress* mProgress = nullptr;
    QLabel* mPanels[3] = {nullptr, nullptr, nullptr};
    QHash<QToolButton*, QAction*> mToolActions;
    double mPauseScale = 1.0;
    bool mLoading = false;
    bool mAbort = false;
    int mLoadRuns = 0;
};
