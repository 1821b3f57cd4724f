// SealCheck's command line: usage line, file type by extension, missing files,
// sizes too small to carry a signature, genuine and unsigned files, awkward
// paths, and paths that exist but are not readable files.
#include "DevKey.h"
#include "ProgramRun.h"
#include "RecordFixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kExitUsage = 255;
constexpr int kExitUnsupported = 254;
constexpr int kExitNotExisted = 253;
constexpr int kExitFailed = 252;

class SealCheckCommand : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, std::span<const std::uint8_t> bytes) const {
        const QString path = Path(name);
        WriteBytes(path, bytes);
        return path;
    }

    QTemporaryDir dir;
};

// A .vdr file of exactly 280 bytes: a signature block over nothing. The signature
// is over the digest of no bytes, so only the rule that an empty signed range
// fails rejects it.
Bytes SignatureBlockOnlyVdr() {
    Bytes file(23, 0x20);
    file[0] = kFixtureSignatureCode;
    file[22] = 0x01; // length 256, big-endian
    file[21] = 0x00;
    const Bytes signature = GenuineSignature({});
    file.insert(file.end(), signature.begin(), signature.end());
    file.push_back(0x00);
    return file;
}

Bytes WithoutFirstByte(Bytes bytes) {
    bytes.erase(bytes.begin());
    return bytes;
}

TEST_F(SealCheckCommand, UsageLineNamesTheProgramAsItWasStarted) {
    struct Case {
        const char* linkName; // empty: the build's own binary
        const char* line;
    };
    const Case cases[] = {
        {"", "Usage: SealCheck <filename>"},
        {"Checker.exe", "Usage: Checker <filename>"},
        {"seal.check.bin", "Usage: seal.check <filename>"},
        {"Verifier", "Usage: Verifier <filename>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.linkName);
        QString program;
        if (*c.linkName) {
            program = Path(c.linkName);
            ASSERT_TRUE(QFile::link(QStringLiteral(SEALCHECK_PROGRAM), program));
        }
        EXPECT_TRUE(Says(RunSealCheck({}, program), c.line, kExitUsage));
    }
}

TEST_F(SealCheckCommand, OtherExtensionsAreUnsupportedWhetherOrNotTheFileExists) {
    const Bytes genuine = SignedVdr(SampleBlocks());
    ASSERT_TRUE(QDir(dir.path()).mkdir("d.vdr"));
    const char* names[] = {"x.vd", "x.vdrx",    "x.txt", "x",      ".vdr",
                           ".DAT", "x.vdr.bak", "x.",    "x.vdr ", "d.vdr/x"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Says(RunSealCheck({Path(name)}), "Unsupported file type", kExitUnsupported));
        Write(name, genuine);
        EXPECT_TRUE(Says(RunSealCheck({Path(name)}), "Unsupported file type", kExitUnsupported));
    }
}

TEST_F(SealCheckCommand, ExtensionsMatchInAnyCase) {
    REQUIRE_DEV_KEY_EMBEDDED();
    const Bytes vdr = SignedVdr(SampleBlocks());
    const Bytes dat = SignedDat(SampleDatContent());
    struct Case {
        const char* name;
        const Bytes& bytes;
    };
    const Case cases[] = {{"a.vdr", vdr}, {"a.VDR", vdr}, {"a.Vdr", vdr}, {"D2024.01.15.vDr", vdr},
                          {"b.dat", dat}, {"b.DAT", dat}, {"b.Dat", dat}, {"..dat", dat}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Says(RunSealCheck({Write(c.name, c.bytes)}), "Verification SUCCESS", 0));
    }
}

TEST_F(SealCheckCommand, MissingFilesAreReportedAsNotExisting) {
    WriteBytes(Path("plain.txt"), ToBytes("text"));
    ASSERT_TRUE(QFile::link(Path("gone.vdr.target"), Path("dangling.vdr")));
    const char* names[] = {"x.vdr", "x.DAT", "no folder/x.vdr", "plain.txt/x.vdr", "dangling.vdr"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Says(RunSealCheck({Path(name)}), "File not existed", kExitNotExisted));
    }
}

TEST_F(SealCheckCommand, FilesTooShortOrWithNothingSignedFail) {
    REQUIRE_DEV_KEY_EMBEDDED();
    const Bytes emptyVdr = SignatureBlockOnlyVdr();
    const Bytes emptyDat = SignedDat({});
    ASSERT_EQ(emptyVdr.size(), 280u);
    ASSERT_EQ(emptyDat.size(), 384u);
    struct Case {
        const char* name;
        Bytes bytes;
        const char* line;
    };
    const Case cases[] = {
        {"empty.vdr", {}, "Verification FAILED: -1"},
        {"279.vdr", WithoutFirstByte(emptyVdr), "Verification FAILED: -1"},
        {"280.vdr", emptyVdr, "Verification FAILED: -3"},
        {"empty.dat", {}, "Verification FAILED: -1"},
        {"383.dat", WithoutFirstByte(emptyDat), "Verification FAILED: -1"},
        {"384.dat", emptyDat, "Verification FAILED: -3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Says(RunSealCheck({Write(c.name, c.bytes)}), c.line, kExitFailed));
    }
}

TEST_F(SealCheckCommand, GenuineFilesVerify) {
    REQUIRE_DEV_KEY_EMBEDDED();
    EXPECT_TRUE(
        Says(RunSealCheck({Write("genuine.vdr", SignedVdr(SampleBlocks()))}), "Verification SUCCESS", 0));
    EXPECT_TRUE(
        Says(RunSealCheck({Write("genuine.dat", SignedDat(SampleDatContent()))}), "Verification SUCCESS", 0));
}

TEST_F(SealCheckCommand, FilesFromTheAnalysersOwnWriterCarryNoSignature) {
    std::vector<VdrBlock> large = SampleBlocks();
    large.push_back({0x04, "GPS", Bytes(300, 0x5A)});
    struct Case {
        const char* name;
        Bytes bytes;
        const char* line;
    };
    const Case cases[] = {
        {"small.vdr", WriterVdr(SampleBlocks()), "Verification FAILED: -1"},
        {"large.vdr", WriterVdr(large), "Verification FAILED: -3"},
    };
    ASSERT_LT(cases[0].bytes.size(), 280u);
    ASSERT_GE(cases[1].bytes.size(), 280u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Says(RunSealCheck({Write(c.name, c.bytes)}), c.line, kExitFailed));
    }
}

TEST_F(SealCheckCommand, PathsWithBlanksAndNonAsciiCharacters) {
    REQUIRE_DEV_KEY_EMBEDDED();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("記錄 下載區")));
    const QString vdr =
        Write(QStringLiteral("記錄 下載區/D20240115_ABC-123 車.vdr"), SignedVdr(SampleBlocks()));
    const QString dat = Write(QStringLiteral("記錄 下載區/資料 1.DAT"), SignedDat(SampleDatContent()));
    EXPECT_TRUE(Says(RunSealCheck({vdr}), "Verification SUCCESS", 0));
    EXPECT_TRUE(Says(RunSealCheck({dat}), "Verification SUCCESS", 0));
    EXPECT_TRUE(Says(RunSealCheck({Path(QStringLiteral("記錄 下載區/其他 檔案.vdr"))}), "File not existed",
                     kExitNotExisted));
}

TEST_F(SealCheckCommand, OnlyTheFirstArgumentCounts) {
    REQUIRE_DEV_KEY_EMBEDDED();
    const QString genuine = Write("genuine.vdr", SignedVdr(SampleBlocks()));
    EXPECT_TRUE(Says(RunSealCheck({genuine, Path("other.txt")}), "Verification SUCCESS", 0));
    EXPECT_TRUE(Says(RunSealCheck({Path("other.txt"), genuine}), "Unsupported file type", kExitUnsupported));
}

// Folders, devices and pipes under a record file's name are refused at once:
// never read, never waited on.
TEST_F(SealCheckCommand, PathsThatAreNotRegularFilesCannotBeOpened) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.vdr"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.dat"));
    ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.vdr")));
    ASSERT_TRUE(QFile::link("/dev/null", Path("null.dat")));
    ASSERT_EQ(::mkfifo(Path("pipe.vdr").toLocal8Bit().constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(Path("pipe.dat").toLocal8Bit().constData(), 0600), 0);
    const char* names[] = {"folder.vdr", "folder.dat", "zero.vdr", "null.dat", "pipe.vdr", "pipe.dat"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Says(RunSealCheck({Path(name)}), "Verification FAILED: -2", kExitFailed));
    }
}

// Run as an unprivileged user: access rights do not hold back root, so under root
// the program runs as "nobody".
TEST_F(SealCheckCommand, FilesWithoutReadAccessCannotBeOpened) {
    const QString locked = Write("locked.vdr", SignedVdr(SampleBlocks()));
    const QString lockedShort = Write("locked-short.vdr", Bytes(100, 0x00));
    ASSERT_TRUE(QDir(dir.path()).mkdir("closed"));
    const QString inside = Write("closed/inner.dat", SignedDat(SampleDatContent()));
    for (const QString& path : {locked, lockedShort, Path("closed")})
        ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), 0), 0);
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);

    const bool root = ::geteuid() == 0;
    if (root && !QFile::exists("/usr/bin/setpriv")) GTEST_SKIP() << "no setpriv to drop root's rights";
    const auto run = [&](const QString& path) {
        if (!root) return RunSealCheck({path});
        return ProgramRun::Of("/usr/bin/setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                                   QStringLiteral(SEALCHECK_PROGRAM), path});
    };
    EXPECT_TRUE(Says(run(locked), "Verification FAILED: -2", kExitFailed));
    EXPECT_TRUE(Says(run(inside), "Verification FAILED: -2", kExitFailed));
    // The size decides before the file is opened.
    EXPECT_TRUE(Says(run(lockedShort), "Verification FAILED: -1", kExitFailed));
    ::chmod(Path("closed").toLocal8Bit().constData(), 0700);
}

} // namespace
