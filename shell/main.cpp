// The analyser. With a record file as its argument it opens the analysis
// window on that file.
#include "analysis/ui/TfAnalyse.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rovan-ZuvuDuvoreru"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rovan-ZuvuDuvoreru"));
    LoadSettings();
    DetectDebugMode();

    QString file = app.arguments().value(1);
    if (file.isEmpty())
        file = QFileDialog::getOpenFileName(nullptr, QString(), GetExePath(), QStringLiteral("VDR (*.vdr *.VDR)"));
    if (file.isEmpty())
        return 0;

    TVDR vdr;
    TfAnalyse analyse(vdr);
    analyse.mszVDRFile = QFileInfo(file).absoluteFilePath();
    analyse.exec();
    return 0;
}
