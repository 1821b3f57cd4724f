// One running copy per user and program folder: a later start hands over its
// file and ends; the running copy raises its window and opens the file.
#include "shell/ui/SingleInstance.h"
#include "analysis/ui/TfAnalyse.h"
#include "recordfile/TVDR.h"
#include "shell/InstanceRequest.h"
#include "shell/ui/TfMain.h"

#include "ModalScript.h"
#include "ShellFixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>

namespace {
QString uniqueKey() {
    return QStringLiteral("vdr-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

TEST(SingleInstance, LaterStartHandsItsFileToTheRunningCopy) {
    const QString key = uniqueKey();
    SingleInstance first(key);
    QStringList received;
    QObject::connect(&first, &SingleInstance::Requested, [&](const QString& f) { received << f; });
    ASSERT_EQ(first.Start(QString()), SingleInstance::Role::Primary);

    const QString files[] = {QStringLiteral("/tmp/a b/it's \"x\" $y.vdr"), QString()};
    for (const QString& file : files) {
        SingleInstance later(key);
        EXPECT_EQ(later.Start(file, 300), SingleInstance::Role::HandedOver);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 5000));
    EXPECT_EQ(received, (QStringList{files[0], QString()}));
}

TEST(SingleInstance, SocketLeftByACopyThatDiedIsTakenOver) {
    const QString key = uniqueKey();
    const QString leftover = QDir::tempPath() + QLatin1Char('/') + key;
    {
        QFile f(leftover);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    SingleInstance first(key);
    EXPECT_EQ(first.Start(QString()), SingleInstance::Role::Primary);
    bool asked = false;
    QObject::connect(&first, &SingleInstance::Requested, [&] { asked = true; });
    SingleInstance later(key);
    EXPECT_EQ(later.Start(QString(), 300), SingleInstance::Role::HandedOver);
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked; }, 5000));
}

struct SecondStartCase {
    const char* name;
    bool withFile;
};
void PrintTo(const SecondStartCase& c, std::ostream* os) {
    *os << c.name;
}

const SecondStartCase kSecondStarts[] = {{"with_a_file", true}, {"without_a_file", false}};

class SecondStart : public ::testing::TestWithParam<SecondStartCase> {};

// The real program started a second time in the same folder.
TEST_P(SecondStart, RaisesTheFirstAndEnds) {
    if (!VerifierHasDevelopmentKey()) GTEST_SKIP() << "SealCheck was built with another public key";
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(folder.installVerifier());
    const QString program = folder.installProgram(AnalyserProgram());
    ASSERT_FALSE(program.isEmpty());
    const QString path = folder.file(QStringLiteral("double clicked $(x).vdr"));
    ASSERT_TRUE(WriteRecordFile(path, true));

    TVDR vdr;
    TfMain main;
    main.SetScreenSizeSource([] { return QSize(1920, 1080); });
    auto* analyse = new TfAnalyse(vdr, &main);
    analyse->SetPauseScale(0.0);
    main.SetAnalyseWindow(analyse);
    main.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.IsUnlocked(); }, 5000));
    main.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.isMinimized(); }, 5000));

    SingleInstance first(InstanceKeyFor(folder.path()));
    ASSERT_EQ(first.Start(QString()), SingleInstance::Role::Primary);
    QObject::connect(&first, &SingleInstance::Requested, &main, &TfMain::RaiseFromOtherStart);

    bool restoredBeforeAnalysis = false;
    ModalScript script;
    if (GetParam().withFile)
        script.on<TfAnalyse>(
            [&](TfAnalyse* w) {
                restoredBeforeAnalysis = true;
                w->close();
            },
            [](TfAnalyse* w) { return !w->mbFormShow && !w->IsLoading(); });
    script.start();

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(program, GetParam().withFile ? QStringList{path} : QStringList{});
    ASSERT_TRUE(second.waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.isMinimized() && script.done(); }, 20000));
    QTest::qWait(50);
    EXPECT_EQ(analyse->LoadRunCount(), GetParam().withFile ? 1 : 0);
    if (GetParam().withFile) {
        EXPECT_TRUE(restoredBeforeAnalysis);
        EXPECT_EQ(analyse->mszVDRFile, path);
    }
    EXPECT_TRUE(main.isVisible());
}

INSTANTIATE_TEST_SUITE_P(SingleInstance, SecondStart, ::testing::ValuesIn(kSecondStarts),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
