// The record file container: layout, loading rules and the safe writer.
#include "recordfile/TVDR.h"
#include "fixtures/VdrFileBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {
class TVDRTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QLatin1String(name); }
    QString writeBytes(const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }
    static QByteArray bytes(std::initializer_list<int> list) {
        QByteArray b;
        for (int v : list)
            b.append(static_cast<char>(v));
        return b;
    }
    QTemporaryDir dir;
    TVDR vdr;
};

TEST_F(TVDRTest, WritesTheDocumentedExampleFiles) {
    ASSERT_TRUE(vdr.SaveFileStart());
    ASSERT_TRUE(vdr.SaveFileFinish(path("empty.vdr")));
    QFile e(path("empty.vdr"));
    ASSERT_TRUE(e.open(QIODevice::ReadOnly));
    EXPECT_EQ(e.readAll(), bytes({0, 0, 0}));

    vdr.SaveFileStart();
    const std::uint8_t data = 0x07;
    TDVRDataBlock b;
    b.u8Code = 0x05;
    b.Caption = TVDR::CaptionBytes(QString());
    b.u32Len = 1;
    b.Data = &data;
    ASSERT_TRUE(vdr.SaveFileAddDataBlock(b));
    ASSERT_TRUE(vdr.SaveFileFinish(path("one.vdr")));
    QFile o(path("one.vdr"));
    ASSERT_TRUE(o.open(QIODevice::ReadOnly));
    QByteArray expected = bytes({0, 1, 5}) + QByteArray(18, ' ') + bytes({0, 0, 0, 1, 7, 0x4D});
    EXPECT_EQ(o.readAll(), expected);
    EXPECT_EQ(expected.size(), 27);
}

TEST_F(TVDRTest, CaptionsArePaddedOrCutToEighteenBytes) {
    EXPECT_EQ(TVDR::CaptionBytes(QStringLiteral("技術資料")),
              QByteArray("\xa7\xde\xb3\x4e\xb8\xea\xae\xc6") + QByteArray(10, ' '));
    EXPECT_EQ(TVDR::CaptionBytes(QStringLiteral("駕駛活動類型資料")).right(2), QByteArray("  "));
    EXPECT_EQ(TVDR::CaptionBytes(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
              QByteArray("ABCDEFGHIJKLMNOPQR"));
}

TEST_F(TVDRTest, RoundTripKeepsCodesLengthsDataAndOrder) {
    VdrFileBuilder builder;
    QByteArray big(100000, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7);
    builder.add(0x02, "tech")
        .add(0x01, big)
        .add(0x00, QByteArray())
        .add(0x04, "gps", QStringLiteral("ABC\0DEF"));
    ASSERT_TRUE(builder.write(path("r.vdr")));
    ASSERT_TRUE(vdr.LoadFile(path("r.vdr")));
    const TVDRRecord& r = vdr.record();
    ASSERT_EQ(r.nDataBlockCount, 4);
    EXPECT_FALSE(r.IsError);
    const std::uint8_t codes[] = {0x02, 0x01, 0x00, 0x04};
    const QByteArray datas[] = {"tech", big, QByteArray(), "gps"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r.DataBlock[i].u8Code, codes[i]);
        EXPECT_EQ(r.DataBlock[i].u32Len, static_cast<std::uint32_t>(datas[i].size()));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(r.DataBlock[i].Data), datas[i].size()), datas[i]);
    }
    EXPECT_EQ(r.DataBlock[0].Caption, QByteArray("\xa7\xde\xb3\x4e\xb8\xea\xae\xc6") + QByteArray(10, ' '));
    // A caption ends at its first NUL byte.
    EXPECT_EQ(r.DataBlock[3].Caption, QByteArray("ABC"));
    std::uint32_t n = 99;
    EXPECT_NE(vdr.GetData(0x01, n), nullptr);
    EXPECT_EQ(n, 100000u);
    // A block of length 0 is "no data".
    EXPECT_EQ(vdr.GetData(0x00, n), nullptr);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(vdr.GetData(0x05, n), nullptr);
    EXPECT_EQ(n, 0u);
}

TEST_F(TVDRTest, LastBlockOfACodeWins) {
    VdrFileBuilder builder;
    builder.add(0x03, "first").add(0x02, "x").add(0x03, "second");
    ASSERT_TRUE(vdr.LoadFile(writeBytes("two.vdr", builder.bytes())));
    const auto d = vdr.GetData(0x03);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(d.data()), static_cast<qsizetype>(d.size())),
              QByteArray("second"));
}

TEST_F(TVDRTest, EmptyFileHasNoBlocks) {
    ASSERT_TRUE(vdr.LoadFile(writeBytes("e.vdr", bytes({0, 0, 0}))));
    for (int code = 0; code < 256; ++code)
        EXPECT_TRUE(vdr.GetData(static_cast<std::uint8_t>(code)).empty());
}

TEST_F(TVDRTest, WrongCheckByteIsNotAnError) {
    QByteArray b = VdrFileBuilder().add(0x02, "abc").bytes();
    b[b.size() - 1] = static_cast<char>(b.back() + 1);
    EXPECT_TRUE(vdr.LoadFile(writeBytes("crc.vdr", b)));
    EXPECT_EQ(vdr.record().u8CRC, static_cast<std::uint8_t>(b.back()));
}

TEST_F(TVDRTest, MalformedFilesFailToLoad) {
    const QByteArray good = VdrFileBuilder().add(0x02, "abcdef").add(0x03, "xyz").bytes();
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    VdrFileBuilder many;
    for (int i = 0; i < 33; ++i)
        many.add(0x01, "m");
    const Case cases[] = {
        {"empty file", QByteArray()},
        {"one byte", bytes({0})},
        {"count only", bytes({0, 0})},
        {"truncated block data", good.left(good.size() - 3)},
        {"truncated block header", good.left(2 + 23 + 6 + 10)},
        {"missing check byte", good.left(good.size() - 1)},
        {"trailing byte", good + bytes({0})},
        {"more than 32 blocks", many.bytes()},
        {"count larger than the blocks", bytes({0, 3}) + good.mid(2)},
        {"huge length", bytes({0, 1, 2}) + QByteArray(18, ' ') + bytes({0xFF, 0xFF, 0xFF, 0xF0, 1, 2, 3})},
    };
    for (const Case& c : cases) {
        TVDR fresh;
        EXPECT_FALSE(fresh.LoadFile(writeBytes("bad.vdr", c.bytes))) << c.what;
    }
    // Exactly 32 blocks is fine.
    VdrFileBuilder most;
    for (int i = 0; i < 32; ++i)
        most.add(static_cast<std::uint8_t>(i), "m");
    EXPECT_TRUE(vdr.LoadFile(writeBytes("32.vdr", most.bytes())));
    EXPECT_EQ(vdr.tableCount(), 32);
}

TEST_F(TVDRTest, MissingFileKeepsThePreviousTable) {
    ASSERT_TRUE(vdr.LoadFile(writeBytes("a.vdr", VdrFileBuilder().add(0x02, "keep").bytes())));
    EXPECT_FALSE(vdr.LoadFile(path("nothing-here.vdr")));
    EXPECT_EQ(vdr.GetData(0x02).size(), 4u);
    // A malformed file empties it.
    EXPECT_FALSE(vdr.LoadFile(writeBytes("b.vdr", bytes({0, 1, 2}))));
    EXPECT_TRUE(vdr.GetData(0x02).empty());
    // A folder is not a record file.
    EXPECT_FALSE(vdr.LoadFile(dir.path()));
}

TEST_F(TVDRTest, WriterStateRules) {
    TDVRDataBlock b;
    EXPECT_FALSE(vdr.SaveFileAddDataBlock(b));
    EXPECT_FALSE(vdr.SaveFileFinish(path("never.vdr")));
    EXPECT_FALSE(QFile::exists(path("never.vdr")));
    vdr.SaveFileStart();
    vdr.saveState().szVehicleID = QStringLiteral("ABC-123");
    vdr.SaveFileAddDataBlock(b);
    EXPECT_EQ(vdr.saveState().u16BlockCount, 1);
    vdr.SaveFileClear();
    EXPECT_EQ(vdr.saveState().u16BlockCount, 0);
    EXPECT_EQ(vdr.saveState().szVehicleID, QStringLiteral("未知車牌"));
    EXPECT_FALSE(vdr.SaveFileFinish(path("cleared.vdr")));
    // Starting again discards an unfinished file.
    vdr.SaveFileStart();
    vdr.SaveFileAddDataBlock(b);
    vdr.SaveFileStart();
    ASSERT_TRUE(vdr.SaveFileFinish(path("restart.vdr")));
    EXPECT_EQ(QFileInfo(path("restart.vdr")).size(), 3);
}

TEST_F(TVDRTest, FailedWriteLeavesTheOldFileAndNoPartialFile) {
    const QString target = writeBytes("old.vdr", QByteArray("previous contents"));
    // The target name is taken by a folder: the rename cannot replace it.
    QDir(dir.path()).mkdir("folder.vdr");
    vdr.SaveFileStart();
    EXPECT_FALSE(vdr.SaveFileFinish(path("folder.vdr")));
    EXPECT_TRUE(QFileInfo(path("folder.vdr")).isDir());
    // A folder that does not exist.
    vdr.SaveFileStart();
    EXPECT_FALSE(vdr.SaveFileFinish(path("missing/x.vdr")));
    // A read-only folder holding the old file (root ignores permissions, so
    // check the rule only where it applies).
    QDir(dir.path()).mkdir("ro");
    const QString roFile = dir.path() + "/ro/old.vdr";
    {
        QFile f(roFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("previous contents");
    }
    QFile::setPermissions(dir.path() + "/ro", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    vdr.SaveFileStart();
    const bool wrote = vdr.SaveFileFinish(roFile);
    QFile::setPermissions(dir.path() + "/ro",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile f(roFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), wrote ? QByteArray(3, '\0') : QByteArray("previous contents"));
    EXPECT_EQ(QDir(dir.path() + "/ro").entryList(QDir::Files | QDir::Hidden).size(), 1);
    // The buffer is discarded in either case.
    EXPECT_FALSE(vdr.SaveFileFinish(target));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("previous contents"));
}

// A write that fails half-way (here: the file size limit, as a full disk would)
// leaves the old file whole and no temporary file behind.
TEST_F(TVDRTest, WriteFailingHalfWayKeepsTheOldFile) {
    const QString target = writeBytes("full.vdr", QByteArray("previous contents"));
    QByteArray payload(64 * 1024, 'x');
    vdr.SaveFileStart();
    TDVRDataBlock b;
    b.u8Code = 0x01;
    b.Caption = TVDR::CaptionBytes(QStringLiteral("x"));
    b.u32Len = static_cast<std::uint32_t>(payload.size());
    b.Data = reinterpret_cast<const std::uint8_t*>(payload.constData());
    vdr.SaveFileAddDataBlock(b);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool wrote = vdr.SaveFileFinish(target);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(wrote);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("previous contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
} // namespace
