#include "analysis/ui/TfAnalyseProgress.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TfAnalyseProgress::TfAnalyseProgress(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("TfAnalyseProgress"));
    setModal(false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    resize(420, 70);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfAnalyseProgress::SetCaption(const QString& caption) { setWindowTitle(caption); }
int TfAnalyseProgress::Position() const { return ProgressBar1->value(); }
void TfAnalyseProgress::SetPosition(int position) { ProgressBar1->setValue(position); }
