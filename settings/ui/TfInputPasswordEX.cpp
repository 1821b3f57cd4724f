#include "settings/ui/TfInputPasswordEX.h"

#include "settings/ui/TfChangePassword.h"
#include "shell/StartupPassword.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QColor kPromptColour(221, 255, 221);

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}
} // namespace

TfInputPasswordEX::TfInputPasswordEX(TfChangePassword* changePassword, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      mChangePassword(changePassword) {
    setObjectName(QStringLiteral("TfInputPasswordEX"));
    setWindowTitle(QStringLiteral("請輸入密碼"));
    SetWindowColour(this, kPromptColour);

    Image1 = MakePasswordPicture(this, kPromptColour);
    Label1 = new QLabel(QStringLiteral("使用者密碼        "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    F4Password = MakePasswordEdit(this, QStringLiteral("F4Password"));
    Label2 = new QLabel(QStringLiteral("(目前為內定密碼 735291)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label2->setPalette(red);
    B4OK = makeButton(this, "B4OK", QStringLiteral("確定"));
    B4Exit = makeButton(this, "B4Exit", QStringLiteral("離開"));
    BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("變更密碼"));

    auto* field = new QHBoxLayout;
    field->addWidget(Label1);
    field->addWidget(F4Password, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(B4OK);
    buttons->addWidget(B4Exit);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    auto* right = new QVBoxLayout;
    right->addLayout(field);
    right->addWidget(Label2);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Image1->raise();

    mFocusOrder = {F4Password, B4OK, B4Exit, BitBtn1};
    for (qsizetype i = 0; i + 1 < mFocusOrder.size(); ++i)
        setTabOrder(mFocusOrder.at(i), mFocusOrder.at(i + 1));
    for (QWidget* w : mFocusOrder)
        w->installEventFilter(this);

    connect(B4OK, &QPushButton::clicked, this, &TfInputPasswordEX::B4OKClick);
    connect(B4Exit, &QPushButton::clicked, this, &TfInputPasswordEX::B4ExitClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TfInputPasswordEX::BitBtn1Click);
}

QString TfInputPasswordEX::GetPassword() const {
    return ReadStartupPassword();
}

void TfInputPasswordEX::SetPassword(const QString& szPassword) {
    WriteStartupPassword(szPassword);
}

bool TfInputPasswordEX::CheckPassword() const {
    return TrimBlanks(F4Password->text()) == GetPassword();
}

void TfInputPasswordEX::ShowFactoryHint() {
    Label2->setVisible(GetPassword() == kFactoryPassword);
}

void TfInputPasswordEX::FormShow() {
    F4Password->clear();
    mbCancel = false;
    ShowFactoryHint();
    F4Password->setFocus(Qt::OtherFocusReason);
}

void TfInputPasswordEX::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfInputPasswordEX::B4OKClick() {
    accept();
}

void TfInputPasswordEX::B4ExitClick() {
    F4Password->clear();
    mbCancel = true;
    QDialog::reject();
}

void TfInputPasswordEX::reject() {
    B4ExitClick();
}

void TfInputPasswordEX::BitBtn1Click() {
    if (mChangePassword) mChangePassword->exec();
    ShowFactoryHint();
}

void TfInputPasswordEX::keyPressEvent(QKeyEvent* event) {
    // Escape does not leave the prompt (leaving ends the program), and Enter
    // never presses a button that has no focus.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfInputPasswordEX::eventFilter(QObject* watched, QEvent* event) {
    if (StepPasswordFocus(watched, event, mFocusOrder)) return true;
    return QDialog::eventFilter(watched, event);
}
