// The demo record: written by MakeDemo, signed like a recorder's file, it
// verifies, loads, and fills every view.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
int run(const char* program, const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.start(QString::fromUtf8(program), args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return -1000;
    if (out) *out = p.readAllStandardOutput();
    return p.exitCode();
}

TEST(DemoRecord, SignedDemoVerifiesAndEveryViewHasContent) {
    QTemporaryDir dir;
    const QString demo = dir.path() + QStringLiteral("/demo.vdr");
    ASSERT_EQ(run(MAKEDEMO_BIN, {demo}), 0);
    QByteArray line;
    EXPECT_EQ(run(SEALCHECK_BIN, {demo}, &line), 252) << "an unsigned demo must not verify";
    ASSERT_EQ(run(SEALSIGN_BIN, {QStringLiteral("--key"), QStringLiteral(DEV_KEY_PEM), demo}), 0);
    ASSERT_EQ(run(SEALCHECK_BIN, {demo}, &line), 0);
    EXPECT_EQ(line, QByteArray("Verification SUCCESS\n"));

    QByteArray json;
    ASSERT_EQ(run(VDREXPORT_BIN, {demo}, &json), 0);
    const QJsonObject doc = QJsonDocument::fromJson(json).object();
    ASSERT_TRUE(doc.value("loaded").toBool());
    QList<int> codes;
    for (const QJsonValue& b : doc.value("blocks").toArray())
        codes << b.toObject().value("code").toInt();
    // Six record blocks and the signature block.
    EXPECT_EQ(codes, (QList<int>{2, 0, 3, 1, 4, 5, 0xFF}));

    EXPECT_EQ(doc.value("plate").toString(), QStringLiteral("KLM-5678"));
    EXPECT_FALSE(doc.value("tech").toObject().value("children").toArray().isEmpty());
    EXPECT_GE(doc.value("events").toArray().size(), 3);
    EXPECT_GE(doc.value("control").toArray().size(), 3);
    const QJsonObject driver = doc.value("driver").toObject();
    EXPECT_EQ(driver.value("dates").toArray().size(), 3);
    EXPECT_FALSE(driver.value("rows").toArray().isEmpty());
    EXPECT_GT(doc.value("driverAll").toArray().size(), driver.value("rows").toArray().size());
    const QJsonObject speed = doc.value("speed").toObject();
    EXPECT_EQ(speed.value("days").toArray().size(), 4); // "全部" and three days
    EXPECT_GT(speed.value("minutes").toArray().size(), 600);
    const QJsonObject gps = doc.value("gps").toObject();
    EXPECT_EQ(gps.value("days").toArray().size(), 3);
    EXPECT_FALSE(gps.value("hours").toArray().isEmpty());
    EXPECT_FALSE(gps.value("detail").toArray().isEmpty());
}
} // namespace
