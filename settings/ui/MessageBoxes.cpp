#include "settings/ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {
int showBox(QMessageBox::Icon icon, const QString& msg, QMessageBox::StandardButtons buttons) {
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(icon, QApplication::applicationDisplayName(), msg, buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    return box.exec();
}
} // namespace

void ShowError(const QString& Msg) {
    showBox(QMessageBox::Critical, Msg, QMessageBox::Ok);
}
void ShowWarning(const QString& Msg) {
    showBox(QMessageBox::Warning, Msg, QMessageBox::Ok);
}
void ShowInformation(const QString& Msg) {
    showBox(QMessageBox::Information, Msg, QMessageBox::Ok);
}
bool AskQuestion(const QString& Msg) {
    return showBox(QMessageBox::Information, Msg, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
