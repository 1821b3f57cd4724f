#pragma once
// The dialog that changes the start-up password: the current password, the new
// one twice. It is shown modally from the password prompt.
#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class TfChangePassword : public QDialog {
    Q_OBJECT
  public:
    explicit TfChangePassword(QWidget* parent = nullptr);

    // The stored password, and storing one (the settings file's "ActiveKey").
    QString GetPassword() const;
    void SetPassword(const QString& szPassword);
    // True when F4Password, trimmed, is the stored password.
    bool CheckPassword() const;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* F4Password = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* F4NewPassword1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* F4NewPassword2 = nullptr;
    QPushButton* B4OK = nullptr;
    QPushButton* B4Exit = nullptr;

  public slots:
    void B4OKClick();
    void B4ExitClick();
    // Leaving by the keyboard or the window manager is leaving with "離開".
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    QList<QWidget*> mFocusOrder;
};

// Parts the two password windows share.
// A password field: letters turned to upper case, at most 12 characters, shown as "*".
QLineEdit* MakePasswordEdit(QWidget* parent, const QString& name);
// The built-in picture on the left of both windows.
QLabel* MakePasswordPicture(QWidget* parent, const QColor& background);
// The window's own key handling, seen before the focused control: Enter on an
// edit field and the Down arrow move the focus to the next control of the
// order, the Up arrow to the previous one. True when the key was used.
bool StepPasswordFocus(QObject* watched, QEvent* event, const QList<QWidget*>& order);
// The window's colour as its background.
void SetWindowColour(QWidget* window, const QColor& colour);
