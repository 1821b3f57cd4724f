#pragma once
// The start-up password prompt, shown modally by the main window on its first
// activation. The main window reads mbCancel and CheckPassword() afterwards.
#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class TfChangePassword;

class TfInputPasswordEX : public QDialog {
    Q_OBJECT
  public:
    // changePassword is the dialog that "變更密碼" shows.
    explicit TfInputPasswordEX(TfChangePassword* changePassword, QWidget* parent = nullptr);

    QString GetPassword() const;
    void SetPassword(const QString& szPassword);
    // True when F4Password, trimmed, is the stored password.
    bool CheckPassword() const;

    // False each time the prompt is shown; true when it was left with "離開".
    bool mbCancel = false;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* F4Password = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* B4OK = nullptr;
    QPushButton* B4Exit = nullptr;
    QPushButton* BitBtn1 = nullptr;

  public slots:
    void B4OKClick();
    void B4ExitClick();
    void BitBtn1Click();
    // Closing the prompt any other way than "確定" is leaving it with "離開".
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void ShowFactoryHint();

    TfChangePassword* mChangePassword;
    QList<QWidget*> mFocusOrder;
};
