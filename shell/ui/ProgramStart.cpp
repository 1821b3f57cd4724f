#include "shell/ui/ProgramStart.h"

#include "analysis/ui/TfAnalyse.h"
#include "settings/ui/TfChangePassword.h"
#include "settings/ui/TfInputPasswordEX.h"
#include "shell/ui/SingleInstance.h"
#include "shell/ui/TFlogo.h"
#include "shell/ui/TfInformation.h"
#include "shell/ui/TfMain.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <utility>

ProgramStart::ProgramStart() = default;

ProgramStart::~ProgramStart() {
    QObject::disconnect(mRequests);
    delete mSplash;
}

void ProgramStart::Run(const QString& file, int splashWaitMs, SingleInstance* instance) {
    // A later start may ask before the main window exists: its file is kept.
    mEarlyFile = file;
    if (instance)
        mRequests =
            QObject::connect(instance, &SingleInstance::Requested, instance, [this](const QString& f) {
                if (mMain)
                    mMain->RaiseFromOtherStart(f);
                else if (!f.isEmpty())
                    mEarlyFile = f;
            });
    mSplash = new TFlogo;
    mSplash->show();
    mSplash->repaint();
    QCoreApplication::processEvents();

    mMain = std::make_unique<TfMain>();
    mInformation = new TfInformation(mMain->windowTitle(), mMain.get());
    mChangePassword = new TfChangePassword(mMain.get());
    mInputPassword = new TfInputPasswordEX(mChangePassword, mMain.get());
    mAnalyse = new TfAnalyse(mVdr, mMain.get());
    // The recorder link's choice and download windows, then the map windows and
    // the key dialog, follow here in that order; the analysis window makes its
    // own progress window.
    mMain->SetInformationWindow(mInformation);
    mMain->SetPasswordWindow(mInputPassword);
    mMain->SetAnalyseWindow(mAnalyse);

    if (splashWaitMs > 0) {
        QEventLoop wait;
        QTimer::singleShot(splashWaitMs, &wait, &QEventLoop::quit);
        wait.exec();
    }
    mSplash->hide();
    QCoreApplication::processEvents();
    delete mSplash;

    mMain->OpenFileFromOutside(std::exchange(mEarlyFile, QString()));
    mMain->show();
}
