#pragma once
// The splash window shown while the program starts: a picture ("Welcome.jpg" of
// the program folder when it loads, else a built-in one) with the edition's
// three company lines over its lower part.
#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;

class TFlogo : public QDialog {
    Q_OBJECT
  public:
    // Creating the splash loads the settings, which choose the edition.
    explicit TFlogo(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* L4Company1 = nullptr;
    QLabel* L4Company2 = nullptr;
    QLabel* L4Company3 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
};

// The program's font family, "微軟正黑體", with fallbacks for systems without it.
QStringList ShellFontFamilies();
// The built-in picture of the splash and about windows, drawn at the given size.
QPixmap BuiltInShellPicture(const QSize& size);
