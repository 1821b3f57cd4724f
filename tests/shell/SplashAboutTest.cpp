// The splash and about windows with the edition's company lines.
#include "settings/Tools.h"
#include "shell/ui/TFlogo.h"
#include "shell/ui/TfInformation.h"

#include "ModalScript.h"
#include "ShellFixtures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct EditionCase {
    const char* name;
    const char* settingsFile; // put in the program folder first
    const char16_t* caption2;
    const char* caption3;
};
void PrintTo(const EditionCase& c, std::ostream* os) {
    *os << c.name;
}

const EditionCase kEditions[] = {
    {"maker", nullptr, u"凱瑪電子股份有限公司", "Kelmar Electronic CO., LTD"},
    {"partner", "NVK.ini", u"台灣諾維股份有限公司 (NVK)", "Taiwan Norvik Corporation"},
    {"test_centre", "VEXO.ini", u"凱瑪電子股份有限公司", "Kelmar Electronic CO., LTD"},
};

class Edition : public ::testing::TestWithParam<EditionCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        if (GetParam().settingsFile) folder.write(QString::fromLatin1(GetParam().settingsFile), QByteArray());
    }
    ProgramFolder folder;
};

// Creating the splash loads the settings, which choose the company lines.
TEST_P(Edition, SplashShowsTheCompanyLinesOverThePicture) {
    TFlogo splash;
    splash.show();
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("歡迎使用"));
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.L4Company1->text(), QString());
    EXPECT_EQ(splash.L4Company2->text(), QString::fromUtf16(GetParam().caption2));
    EXPECT_EQ(splash.L4Company3->text(), QString::fromLatin1(GetParam().caption3));
    for (QLabel* label : {splash.L4Company1, splash.L4Company2, splash.L4Company3}) {
        EXPECT_EQ(label->font().pixelSize(), 21);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
}

TEST_P(Edition, AboutTextListsTheCompanyTheProgramAndTheTitle) {
    const QString title = QStringLiteral("行車記錄器台灣標準 – 標準版軟體 v1.0.1(VEXO)");
    LoadSettings();
    TfInformation about(title);
    const QString expected = QStringLiteral("\n") + QString::fromUtf16(GetParam().caption2) +
                             QLatin1Char('\n') + QString::fromLatin1(GetParam().caption3) +
                             QLatin1Char('\n') + QString(80, QLatin1Char('-')) +
                             QStringLiteral("\n軟體名稱 : ") + folder.path() +
                             QFileInfo(QCoreApplication::applicationFilePath()).fileName() +
                             QStringLiteral("\n軟體說明 : ") + title;
    EXPECT_EQ(about.Memo1->toPlainText(), expected);
}

INSTANTIATE_TEST_SUITE_P(Shell, Edition, ::testing::ValuesIn(kEditions),
                         [](const auto& info) { return std::string(info.param.name); });

class SplashPicture : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    ProgramFolder folder;
};

TEST_F(SplashPicture, WelcomePictureSetsTheSizeAndTheLinesSitAboveItsBottom) {
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 40));
    ASSERT_TRUE(picture.save(folder.file(QStringLiteral("Welcome.jpg")), "JPG"));
    TFlogo splash;
    splash.show();
    EXPECT_EQ(splash.size(), QSize(800, 600));
    EXPECT_EQ(splash.L4Company1->pos(), QPoint(12, 520));
    EXPECT_EQ(splash.L4Company2->pos(), QPoint(12, 544));
    EXPECT_EQ(splash.L4Company3->pos(), QPoint(12, 568));
}

TEST_F(SplashPicture, UnreadableWelcomePictureLeavesTheBuiltInOne) {
    folder.write(QStringLiteral("Welcome.jpg"), QByteArray("\xFF\xD8\xFF not really a picture", 24));
    TFlogo splash;
    splash.show();
    const QSize size = splash.Image1->pixmap().size();
    ASSERT_FALSE(size.isEmpty());
    EXPECT_EQ(splash.size(), size);
    EXPECT_EQ(splash.L4Company3->pos(), QPoint(12, size.height() - 32));
}

TEST_F(SplashPicture, AboutWindowIsAsWideAsItsPictureAndClosesOnAClick) {
    LoadSettings();
    TfInformation about(QStringLiteral("title"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("關於本軟體 ..."));
    EXPECT_EQ(about.width(), about.Image1->pixmap().width());
    EXPECT_TRUE(about.Memo1->isReadOnly());
    EXPECT_FALSE(about.Memo1->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(about.Memo1->font().pixelSize(), 16);
    for (int i = 0; i < 2; ++i) {
        ModalScript script;
        script.on<TfInformation>([i](TfInformation* w) {
            QTest::mouseClick(i == 0 ? static_cast<QWidget*>(w->Image1) : w->Memo1->viewport(),
                              Qt::LeftButton);
        });
        script.start();
        about.exec();
        EXPECT_TRUE(script.done()) << i;
        EXPECT_FALSE(about.isVisible()) << i;
    }
}
} // namespace
