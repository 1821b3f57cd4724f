#pragma once
// The about window: a picture over a text with the edition's company lines, the
// program's file and the main window's title. A click on either closes it.
#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QWidget;

class TfInformation : public QDialog {
    Q_OBJECT
  public:
    // mainTitle: the main window's title when the about window is created; the
    // text is filled once, here.
    explicit TfInformation(const QString& mainTitle, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

  public slots:
    void Image1Click();
    void Memo1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate(const QString& mainTitle);
};

// The lines of the about text for the current edition.
QStringList InformationLines(const QString& mainTitle);
