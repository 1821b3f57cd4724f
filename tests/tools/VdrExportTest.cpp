// VdrExport: its document, its exit statuses and its messages.
#include "fixtures/VdrFileBuilder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct ExportRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ExportRun runExport(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VDREXPORT_BIN), args);
    ExportRun r;
    if (!p.waitForFinished(60000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

class VdrExportTest : public ::testing::Test {
  protected:
    QString write(const char* name, const QByteArray& bytes) {
        const QString path = dir.path() + QLatin1Char('/') + QString::fromUtf8(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(VdrExportTest, DescribesTheBlocksOfALoadedFile) {
    const QByteArray bytes = VdrFileBuilder()
                                 .add(0x02, QByteArray(5, 'x'))
                                 .add(0x03, QByteArray(3, 'y'))
                                 .add(0x09, "z", QStringLiteral("自訂 "))
                                 .bytes();
    const ExportRun r = runExport({write("車輛 1.vdr", bytes)});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.err.isEmpty());
    const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(doc.value("file").toString(), QStringLiteral("車輛 1.vdr"));
    EXPECT_TRUE(doc.value("loaded").toBool());
    const QJsonArray blocks = doc.value("blocks").toArray();
    ASSERT_EQ(blocks.size(), 3);
    const int codes[] = {2, 3, 9};
    const char16_t* captions[] = {u"技術資料", u"駕駛活動類型資料", u"自訂"};
    const int lengths[] = {5, 3, 1};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject b = blocks[i].toObject();
        EXPECT_EQ(b.value("code").toInt(), codes[i]);
        EXPECT_EQ(b.value("caption").toString(), QString::fromUtf16(captions[i]));
        EXPECT_EQ(b.value("length").toInt(), lengths[i]);
    }
}

TEST_F(VdrExportTest, MalformedOrMissingFileExitsOneWithAMessage) {
    const QByteArray good = VdrFileBuilder().add(0x02, QByteArray(50, 'x')).bytes();
    for (const QString& path : {write("cut.vdr", good.left(good.size() - 10)), dir.path() + "/absent.vdr"}) {
        const ExportRun r = runExport({path});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.count('\n'), 1);
        EXPECT_FALSE(QJsonDocument::fromJson(r.out).object().value("loaded").toBool(true));
    }
}

TEST_F(VdrExportTest, UsageErrorsExitTwo) {
    const QString file = write("a.vdr", VdrFileBuilder().bytes());
    for (const QStringList& args :
         {QStringList{}, QStringList{file, file}, QStringList{"--nonsense", file}}) {
        const ExportRun r = runExport(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
}
} // namespace
