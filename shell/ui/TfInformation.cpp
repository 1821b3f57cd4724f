#include "shell/ui/TfInformation.h"

#include "settings/Tools.h"
#include "shell/ui/TFlogo.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
const QSize kPictureSize(560, 220);
constexpr int kMemoHeight = 170;
constexpr int kMemoFontPixels = 16;
constexpr int kRuleLength = 80;
} // namespace

QStringList InformationLines(const QString& mainTitle) {
    QStringList lines{QString()};
    for (const QString& caption : {TSYS.Caption1, TSYS.Caption2, TSYS.Caption3})
        if (!caption.isEmpty()) lines << caption;
    lines << QString(kRuleLength, QLatin1Char('-'));
    lines << QStringLiteral("軟體名稱 : ") + GetExePath() +
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    lines << QStringLiteral("軟體說明 : ") + mainTitle;
    return lines;
}

TfInformation::TfInformation(const QString& mainTitle, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    FormCreate(mainTitle);
}

void TfInformation::FormCreate(const QString& mainTitle) {
    setObjectName(QStringLiteral("TfInformation"));
    setWindowTitle(QStringLiteral("關於本軟體 ..."));

    const QPixmap picture = BuiltInShellPicture(kPictureSize);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(picture.size());
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(picture);
    Image1->setGeometry(0, 0, picture.width(), picture.height());
    Image1->installEventFilter(this);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus);
    QFont font;
    font.setFamilies(ShellFontFamilies());
    font.setPixelSize(kMemoFontPixels);
    Memo1->setFont(font);
    Memo1->setPlainText(InformationLines(mainTitle).join(QLatin1Char('\n')));
    Memo1->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Memo1, 1);
    setFixedSize(picture.width(), picture.height() + kMemoHeight);
}

void TfInformation::Image1Click() {
    close();
}

void TfInformation::Memo1Click() {
    close();
}

bool TfInformation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Image1) {
            Image1Click();
            return true;
        }
        if (watched == Memo1->viewport()) {
            Memo1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
