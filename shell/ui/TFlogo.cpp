#include "shell/ui/TFlogo.h"

#include "settings/Tools.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QShowEvent>
#include <cmath>
#include <numbers>

namespace {
const QSize kBuiltInSplashSize(640, 400);
const QString kWelcomePicture = QStringLiteral("Welcome.jpg");
// The company lines stand this far above the picture's bottom edge.
constexpr int kCompanyLineOffsets[3] = {80, 56, 32};
constexpr int kCompanyLeft = 12;
constexpr int kCompanyFontPixels = 21;

QLabel* makeCompanyLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font;
    font.setFamilies(ShellFontFamilies());
    font.setPixelSize(kCompanyFontPixels);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}
} // namespace

QStringList ShellFontFamilies() {
    return {QStringLiteral("微軟正黑體"), QStringLiteral("Microsoft JhengHei"),
            QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Sans TC")};
}

QPixmap BuiltInShellPicture(const QSize& size) {
    QPixmap pixmap(size);
    const qreal w = size.width();
    const qreal h = size.height();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Night sky over a road to the horizon.
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(22, 52, 110));
    sky.setColorAt(0.55, QColor(10, 26, 62));
    sky.setColorAt(1, QColor(4, 10, 28));
    p.fillRect(pixmap.rect(), sky);
    const qreal horizon = h * 0.55;
    QPainterPath road;
    road.moveTo(w * 0.47, horizon);
    road.lineTo(w * 0.53, horizon);
    road.lineTo(w * 0.80, h);
    road.lineTo(w * 0.20, h);
    road.closeSubpath();
    p.fillPath(road, QColor(48, 52, 64));
    p.setPen(QPen(QColor(235, 235, 200), 3, Qt::DashLine));
    p.drawLine(QPointF(w * 0.5, horizon + 4), QPointF(w * 0.5, h));

    // A speedometer with its needle.
    const QPointF centre(w * 0.80, h * 0.30);
    const qreal radius = std::min(w, h) * 0.2;
    QRadialGradient dial(centre, radius);
    dial.setColorAt(0, QColor(40, 70, 130));
    dial.setColorAt(1, QColor(15, 30, 70));
    p.setPen(QPen(QColor(180, 200, 255), 3));
    p.setBrush(dial);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(180, 200, 255), 2));
    for (int i = 0; i <= 8; ++i) {
        const qreal a = (225.0 - i * 33.75) * std::numbers::pi / 180.0;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(centre + dir * radius * 0.78, centre + dir * radius * 0.92);
    }
    const qreal needle = (225.0 - 5.5 * 33.75) * std::numbers::pi / 180.0;
    p.setPen(QPen(QColor(255, 90, 60), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(std::cos(needle), -std::sin(needle)) * radius * 0.75);

    // The program's name.
    QFont title;
    title.setFamilies(ShellFontFamilies());
    title.setPixelSize(std::max(12, static_cast<int>(h * 0.085)));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(w * 0.05, h * 0.10, w * 0.60, h * 0.14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("行車記錄器台灣標準"));
    title.setPixelSize(std::max(10, static_cast<int>(h * 0.06)));
    title.setBold(false);
    p.setFont(title);
    p.setPen(QColor(200, 215, 255));
    p.drawText(QRectF(w * 0.05, h * 0.25, w * 0.60, h * 0.10), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("標準版軟體"));
    return pixmap;
}

TFlogo::TFlogo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
    FormCreate();
}

void TFlogo::FormCreate() {
    setObjectName(QStringLiteral("TFlogo"));
    setWindowTitle(QStringLiteral("歡迎使用"));
    LoadSettings();

    QPixmap picture;
    const QString welcome = GetExePath() + kWelcomePicture;
    // A picture that cannot be read leaves the built-in one.
    if (!QFileInfo::exists(welcome) || !picture.load(welcome))
        picture = BuiltInShellPicture(kBuiltInSplashSize);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    Panel1->setGeometry(0, 0, picture.width(), picture.height());

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(picture);
    Image1->setGeometry(0, 0, picture.width(), picture.height());

    L4Company1 = makeCompanyLabel(Panel1, "L4Company1");
    L4Company2 = makeCompanyLabel(Panel1, "L4Company2");
    L4Company3 = makeCompanyLabel(Panel1, "L4Company3");
    Image1->lower();

    setFixedSize(picture.size());
}

void TFlogo::FormShow() {
    const QString texts[3] = {TSYS.Caption1, TSYS.Caption2, TSYS.Caption3};
    QLabel* labels[3] = {L4Company1, L4Company2, L4Company3};
    const int height = Image1->pixmap().height();
    for (int i = 0; i < 3; ++i) {
        labels[i]->setText(texts[i]);
        labels[i]->adjustSize();
        labels[i]->move(kCompanyLeft, height - kCompanyLineOffsets[i]);
    }
}

void TFlogo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}
