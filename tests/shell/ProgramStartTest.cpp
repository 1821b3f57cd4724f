// The program's start: splash, windows, wait, main window and the start-up
// password, and a command-line file opened once the password is accepted.
#include "shell/ui/ProgramStart.h"
#include "analysis/ui/TfAnalyse.h"
#include "settings/ui/TfInputPasswordEX.h"
#include "shell/ui/TFlogo.h"
#include "shell/ui/TfMain.h"

#include "ModalScript.h"
#include "ShellFixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class ProgramStartTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Runs the start; the main window's first activation is still to come.
    void run(const QString& file, int waitMs = 0) {
        start.Run(file, waitMs);
        start.Main()->SetScreenSizeSource([] { return QSize(1920, 1080); });
        start.Analyse()->SetPauseScale(0.0);
    }
    static std::function<void(TfInputPasswordEX*)> typePassword(const char* text, bool leave = false) {
        return [text, leave](TfInputPasswordEX* w) {
            QTest::keyClicks(w->F4Password, QString::fromLatin1(text));
            QTest::mouseClick(leave ? w->B4Exit : w->B4OK, Qt::LeftButton);
        };
    }
    static bool anyWindowVisible() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) return true;
        return false;
    }

    ProgramFolder folder;
    ProgramStart start;
};

TEST_F(ProgramStartTest, SplashStaysForTheWaitThenThePasswordOpensTheMainWindow) {
    bool splashUp = false;
    bool mainShownDuringSplash = true;
    QString company;
    QTimer::singleShot(100, [&] {
        splashUp = start.Splash() && start.Splash()->isVisible();
        mainShownDuringSplash = start.Main() && start.Main()->isVisible();
        if (start.Splash()) company = start.Splash()->L4Company3->text();
    });
    QElapsedTimer timer;
    timer.start();
    run(QString(), 400);
    EXPECT_GE(timer.elapsed(), 400);
    EXPECT_TRUE(splashUp);
    EXPECT_FALSE(mainShownDuringSplash);
    EXPECT_EQ(company, QStringLiteral("Kelmar Electronic CO., LTD"));
    EXPECT_EQ(start.Splash(), nullptr);

    bool mainBehindPrompt = false;
    ModalScript script;
    script.on<TfInputPasswordEX>([&](TfInputPasswordEX* w) {
        mainBehindPrompt = start.Main()->isVisible() && w->parentWidget() == start.Main();
        typePassword("735291")(w);
    });
    script.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return start.Main()->IsUnlocked(); }, 10000));
    EXPECT_TRUE(mainBehindPrompt);
    EXPECT_TRUE(start.Main()->isVisible());
    EXPECT_FALSE(start.Main()->mbFormActive);
}

struct RefusalCase {
    const char* name;
    const char* typed;
    bool leave;
};
void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

const RefusalCase kRefusals[] = {
    {"wrong_password", "123456", false},
    {"left_with_exit", "735291", true},
};

class PasswordRefused : public ProgramStartTest, public ::testing::WithParamInterface<RefusalCase> {};

// The program ends without a message, and the command-line file is never opened.
TEST_P(PasswordRefused, ClosesTheMainWindowWithoutAMessage) {
    ASSERT_TRUE(folder.installVerifier());
    const QString path = folder.file(QStringLiteral("given.vdr"));
    ASSERT_TRUE(WriteRecordFile(path, false));
    ModalScript script(1500);
    script.on<TfInputPasswordEX>(typePassword(GetParam().typed, GetParam().leave));
    script.start();
    run(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.done() && !start.Main()->isVisible(); }, 10000));
    QTest::qWait(100);
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_TRUE(script.unexpected().isEmpty()) << script.unexpected().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(start.Main()->IsUnlocked());
    EXPECT_EQ(start.Analyse()->LoadRunCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(ProgramStart, PasswordRefused, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramStartTest, CommandLineFileOpensAfterThePasswordWithoutAQuestionWhenSigned) {
    if (!VerifierHasDevelopmentKey()) GTEST_SKIP() << "SealCheck was built with another public key";
    ASSERT_TRUE(folder.installVerifier());
    const QString path = folder.file(QStringLiteral("signed record.vdr"));
    ASSERT_TRUE(WriteRecordFile(path, true));
    QString status;
    ModalScript script;
    script.on<TfInputPasswordEX>(typePassword("735291"))
        .on<TfAnalyse>(
            [&](TfAnalyse* w) {
                status = w->StatusText(0);
                w->close();
            },
            [](TfAnalyse* w) { return !w->mbFormShow && !w->IsLoading(); });
    script.start();
    run(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.done() && !start.Analyse()->isVisible(); }, 20000));
    QTest::qWait(20);
    EXPECT_TRUE(script.unexpected().isEmpty()) << script.unexpected().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(start.Analyse()->mszVDRFile, path);
    EXPECT_EQ(status, QStringLiteral(" signed record.vdr 已正確載入"));
    EXPECT_TRUE(start.Main()->isVisible());
}
} // namespace
