// The analyser. A start while a copy of the program is running in this folder
// raises that copy (and hands it the file argument) and ends. Otherwise the
// splash, the windows and the main window come up; a record file given as the
// argument is opened once the start-up password is accepted, through the same
// signature check as the open dialog.
#include "settings/Tools.h"
#include "shell/InstanceRequest.h"
#include "shell/ui/ProgramStart.h"
#include "shell/ui/SingleInstance.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    QString file = app.arguments().value(1);
    if (!file.isEmpty()) file = QFileInfo(file).absoluteFilePath();

    SingleInstance instance(InstanceKeyFor(GetExePath()));
    if (instance.Start(file) == SingleInstance::Role::HandedOver) return 0;

    // The application title; window titles are shown exactly as the windows set them.
    QApplication::setApplicationName(QStringLiteral("Rovan-ZuvuDuvoreru"));
    QGuiApplication::setDesktopFileName(QStringLiteral("rovan-zuvuduvoreru"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("rovan-zuvuduvoreru")));

    ProgramStart start;
    start.Run(file, kSplashWaitMs, &instance);
    return app.exec();
}
