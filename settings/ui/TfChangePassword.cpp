#include "settings/ui/TfChangePassword.h"

#include "settings/ui/MessageBoxes.h"
#include "shell/StartupPassword.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QColor kChangeColour(238, 247, 255);
constexpr int kPictureSize = 72;

QPixmap drawKeyPicture(const QColor& background) {
    QPixmap pixmap(kPictureSize, kPictureSize);
    pixmap.fill(background);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A padlock: shackle, body, keyhole.
    p.setPen(QPen(QColor(90, 90, 110), 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20, 8, 32, 36), 0, 180 * 16);
    p.drawLine(QPointF(20, 26), QPointF(20, 34));
    p.drawLine(QPointF(52, 26), QPointF(52, 34));
    QLinearGradient body(0, 32, 0, 66);
    body.setColorAt(0, QColor(255, 214, 90));
    body.setColorAt(1, QColor(214, 150, 30));
    p.setPen(QPen(QColor(150, 100, 20), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(12, 32, 48, 34), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 20));
    p.drawEllipse(QPointF(36, 45), 5, 5);
    QPainterPath slot;
    slot.moveTo(33, 47);
    slot.lineTo(39, 47);
    slot.lineTo(38, 58);
    slot.lineTo(34, 58);
    slot.closeSubpath();
    p.drawPath(slot);
    return pixmap;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}
} // namespace

void SetWindowColour(QWidget* window, const QColor& colour) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QLineEdit* MakePasswordEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(kPasswordMaxLength);
    edit->setEchoMode(QLineEdit::Password);
    // Shown as "*" whatever the style's own mask character is.
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        QString upper = text;
        for (QChar& c : upper)
            c = c.toUpper();
        if (upper != text) {
            const int position = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(position);
        }
    });
    return edit;
}

QLabel* MakePasswordPicture(QWidget* parent, const QColor& background) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(drawKeyPicture(background));
    picture->setFixedSize(kPictureSize, kPictureSize);
    return picture;
}

bool StepPasswordFocus(QObject* watched, QEvent* event, const QList<QWidget*>& order) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const qsizetype index = order.indexOf(widget);
    if (index < 0) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    int step = 0;
    if (key == Qt::Key_Down || (enter && qobject_cast<QLineEdit*>(widget)))
        step = 1;
    else if (key == Qt::Key_Up)
        step = -1;
    if (step == 0) return false;
    const qsizetype count = order.size();
    order.at((index + step + count) % count)
        ->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

TfChangePassword::TfChangePassword(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("TfChangePassword"));
    setWindowTitle(QStringLiteral("變更密碼"));
    SetWindowColour(this, kChangeColour);

    Image1 = MakePasswordPicture(this, kChangeColour);
    Label1 = makeLabel(this, "Label1", QStringLiteral("目前密碼"));
    F4Password = MakePasswordEdit(this, QStringLiteral("F4Password"));
    Label2 = makeLabel(this, "Label2", QStringLiteral("新的密碼"));
    F4NewPassword1 = MakePasswordEdit(this, QStringLiteral("F4NewPassword1"));
    Label3 = makeLabel(this, "Label3", QStringLiteral("再次新的密碼"));
    F4NewPassword2 = MakePasswordEdit(this, QStringLiteral("F4NewPassword2"));
    B4OK = makeButton(this, "B4OK", QStringLiteral("確定"));
    B4Exit = makeButton(this, "B4Exit", QStringLiteral("離開"));

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(F4Password, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(F4NewPassword1, 1, 1);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(F4NewPassword2, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(B4OK);
    buttons->addWidget(B4Exit);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    mFocusOrder = {F4Password, F4NewPassword1, F4NewPassword2, B4OK, B4Exit};
    for (qsizetype i = 0; i + 1 < mFocusOrder.size(); ++i)
        setTabOrder(mFocusOrder.at(i), mFocusOrder.at(i + 1));
    for (QWidget* w : mFocusOrder)
        w->installEventFilter(this);

    connect(B4OK, &QPushButton::clicked, this, &TfChangePassword::B4OKClick);
    connect(B4Exit, &QPushButton::clicked, this, &TfChangePassword::B4ExitClick);
}

QString TfChangePassword::GetPassword() const {
    return ReadStartupPassword();
}

void TfChangePassword::SetPassword(const QString& szPassword) {
    WriteStartupPassword(szPassword);
}

bool TfChangePassword::CheckPassword() const {
    return TrimBlanks(F4Password->text()) == GetPassword();
}

void TfChangePassword::FormShow() {
    F4Password->clear();
    F4NewPassword1->clear();
    F4NewPassword2->clear();
    F4Password->setFocus(Qt::OtherFocusReason);
}

void TfChangePassword::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfChangePassword::B4OKClick() {
    if (!CheckPassword()) {
        ShowError(QStringLiteral("目前密碼不正確 !"));
        return;
    }
    if (F4NewPassword1->text() != F4NewPassword2->text()) {
        ShowError(QStringLiteral("新的密碼不正確 !"));
        return;
    }
    const QString password = TrimBlanks(F4NewPassword1->text());
    if (password.isEmpty()) {
        ShowError(QStringLiteral("新的密碼不正確 (不可為空白密碼) !"));
        return;
    }
    SetPassword(password);
    ShowInformation(QStringLiteral("變更密碼完成 !"));
    accept();
}

void TfChangePassword::B4ExitClick() {
    F4Password->clear();
    QDialog::reject();
}

void TfChangePassword::reject() {
    B4ExitClick();
}

void TfChangePassword::keyPressEvent(QKeyEvent* event) {
    // Enter reaches the dialog only from a control that did not take it; it never
    // presses a button by itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfChangePassword::eventFilter(QObject* watched, QEvent* event) {
    if (StepPasswordFocus(watched, event, mFocusOrder)) return true;
    return QDialog::eventFilter(watched, event);
}
