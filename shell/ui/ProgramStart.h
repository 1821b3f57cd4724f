#pragma once
// The program's start after the single-instance check: the splash (which loads
// the settings), every window created once in a fixed order, the wait with the
// splash up, then the main window, which asks for the start-up password.
#include "recordfile/TVDR.h"
#include "shell/ui/TFlogo.h"

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <memory>

class SingleInstance;
class TfAnalyse;
class TfChangePassword;
class TfInformation;
class TfInputPasswordEX;
class TfMain;

inline constexpr int kSplashWaitMs = 3000;

class ProgramStart {
  public:
    ProgramStart();
    ~ProgramStart();
    ProgramStart(const ProgramStart&) = delete;
    ProgramStart& operator=(const ProgramStart&) = delete;

    // Runs the start up to showing the main window. file: a record file to open
    // once the password is accepted (empty for none). instance: later starts'
    // requests go to the main window (may be null).
    void Run(const QString& file, int splashWaitMs = kSplashWaitMs, SingleInstance* instance = nullptr);

    TfMain* Main() const { return mMain.get(); }
    TfInformation* Information() const { return mInformation; }
    TfChangePassword* ChangePassword() const { return mChangePassword; }
    TfInputPasswordEX* InputPassword() const { return mInputPassword; }
    TfAnalyse* Analyse() const { return mAnalyse; }
    // The splash while it is up; null once the start has removed it.
    TFlogo* Splash() const { return mSplash; }
    TVDR& Vdr() { return mVdr; }

  private:
    // The record container lives for the whole run and outlives the windows.
    TVDR mVdr;
    std::unique_ptr<TfMain> mMain;
    QPointer<TFlogo> mSplash;
    TfInformation* mInformation = nullptr;
    TfChangePassword* mChangePassword = nullptr;
    TfInputPasswordEX* mInputPassword = nullptr;
    TfAnalyse* mAnalyse = nullptr;
    QMetaObject::Connection mRequests;
    QString mEarlyFile;
};
