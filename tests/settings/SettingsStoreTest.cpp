// The settings file choice, the edition, normalisation and write-back.
#include "settings/IniFile.h"
#include "settings/Tools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        SetExePathOverride(folder);
        ResetSettingsState();
    }
    void TearDown() override {
        SetExePathOverride(QString());
        ResetSettingsState();
    }
    void write(const QString& name, const QByteArray& text) {
        QFile f(folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray read(const QString& name) {
        QFile f(folder + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::optional<QByteArray> key(const QString& file, const char* k) {
        IniFile ini;
        ini.load(folder + file);
        return ini.value("SET", k);
    }
    QTemporaryDir dir;
    QString folder;
};

struct EditionCase {
    bool maker, partner, testCentre;
    QString expectedFile;
    bool partnerLines;
    bool expectedTestCentre;
};

TEST_F(SettingsStoreTest, EditionTableChoosesFileCompanyLinesAndTestCentreFlag) {
    const EditionCase cases[] = {
        {true, false, false, kMakerIni, false, false},     {true, true, false, kMakerIni, false, false},
        {true, false, true, kMakerIni, false, true},       {true, true, true, kMakerIni, false, true},
        {false, true, false, kPartnerIni, true, false},    {false, true, true, kPartnerIni, true, true},
        {false, false, true, kTestCentreIni, false, true}, {false, false, false, kMakerIni, false, false},
    };
    for (const EditionCase& c : cases) {
        for (const QString& n : {kMakerIni, kPartnerIni, kTestCentreIni})
            QFile::remove(folder + n);
        ResetSettingsState();
        if (c.maker) write(kMakerIni, "[SET]\r\nMapType=1\r\n");
        if (c.partner) write(kPartnerIni, "[SET]\r\nMapType=1\r\n");
        if (c.testCentre) write(kTestCentreIni, "[SET]\r\nMapType=1\r\n");
        LoadSettings();
        SCOPED_TRACE(QStringLiteral("maker=%1 partner=%2 vexo=%3")
                         .arg(c.maker)
                         .arg(c.partner)
                         .arg(c.testCentre)
                         .toStdString());
        EXPECT_EQ(SettingsFileName(), c.expectedFile);
        EXPECT_EQ(IsTestCentreEdition(), c.expectedTestCentre);
        EXPECT_TRUE(TSYS.Caption1.isEmpty());
        EXPECT_EQ(TSYS.Caption2, c.partnerLines ? QStringLiteral("台灣諾維股份有限公司 (NVK)")
                                                : QStringLiteral("凱瑪電子股份有限公司"));
        EXPECT_EQ(TSYS.Caption3, c.partnerLines ? QStringLiteral("Taiwan Norvik Corporation")
                                                : QStringLiteral("Kelmar Electronic CO., LTD"));
        EXPECT_TRUE(QFile::exists(folder + c.expectedFile));
        // The values came from the chosen file (all files written here say MapType=1).
        EXPECT_EQ(TSYS.MapType, (c.maker || c.partner || c.testCentre) ? 1 : 2);
    }
}

struct NormaliseCase {
    const char* body;
    int port, map, timeout;
};

TEST_F(SettingsStoreTest, NormalisesAndWritesBackTheNormalisedValues) {
    const NormaliseCase cases[] = {
        {"", 1, 2, 10},
        {"TRComPort=9\r\nMapType=0\r\nTimeoutSecond=5\r\n", 1, 2, 10},
        {"TRComPort=0\r\nMapType=3\r\nTimeoutSecond=500\r\n", 1, 2, 300},
        {"TRComPort=8\r\nMapType=1\r\nTimeoutSecond=300\r\n", 8, 1, 300},
        {"TRComPort=COM\r\nMapType=x1\r\nTimeoutSecond=abc\r\n", 1, 2, 10},
        {"trcomport=4\r\nmaptype=1\r\ntimeoutsecond=45\r\n", 4, 1, 45},
        {"TRComPort= 3 \r\nTimeoutSecond=10\r\n", 3, 2, 10},
    };
    for (const NormaliseCase& c : cases) {
        SCOPED_TRACE(c.body);
        write(kMakerIni, QByteArray("[SET]\r\n") + c.body);
        LoadSettings();
        EXPECT_EQ(TSYS.TRComPort, c.port);
        EXPECT_EQ(TSYS.MapType, c.map);
        EXPECT_EQ(TSYS.Timeout, c.timeout);
        EXPECT_EQ(key(kMakerIni, "TRComPort"), QByteArray::number(c.port));
        EXPECT_EQ(key(kMakerIni, "MapType"), QByteArray::number(c.map));
        EXPECT_EQ(key(kMakerIni, "TimeoutSecond"), QByteArray::number(c.timeout));
    }
}

TEST_F(SettingsStoreTest, CaptionKeysAreDeletedAndHaveNoEffect) {
    write(kMakerIni, "; fleet 7\r\n[SET]\r\nCaption1=x\r\nCaption2=Other "
                     "Co\r\ncaption3=y\r\nAPIKey=YWJj\r\n[OTHER]\r\nCaption2=kept\r\n");
    LoadSettings();
    EXPECT_EQ(TSYS.Caption2, QStringLiteral("凱瑪電子股份有限公司"));
    EXPECT_FALSE(key(kMakerIni, "Caption1"));
    EXPECT_FALSE(key(kMakerIni, "Caption2"));
    EXPECT_FALSE(key(kMakerIni, "Caption3"));
    const QByteArray text = read(kMakerIni);
    EXPECT_TRUE(text.startsWith("; fleet 7\r\n"));
    EXPECT_TRUE(text.contains("[OTHER]\r\nCaption2=kept"));
    EXPECT_EQ(TSYS.APIKey, QStringLiteral("abc"));
    // The key is never rewritten at start-up.
    EXPECT_EQ(key(kMakerIni, "APIKey"), QByteArray("YWJj"));
    // A second run gives the same result.
    LoadSettings();
    EXPECT_EQ(read(kMakerIni), text);
}

TEST_F(SettingsStoreTest, ApiKeyThatIsNotValidBase64IsEmpty) {
    write(kMakerIni, "[SET]\r\nAPIKey=YWJ\r\n");
    LoadSettings();
    EXPECT_TRUE(TSYS.APIKey.isEmpty());
}

TEST_F(SettingsStoreTest, BinaryOrDamagedSettingsFileDoesNotStopTheStart) {
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 131 + 7) & 0xFF));
    write(kMakerIni, junk + "\n[SET\nTRComPort\n=5\n[SET]\nMapType=1");
    LoadSettings();
    EXPECT_EQ(TSYS.MapType, 1);
    EXPECT_EQ(TSYS.TRComPort, 1);
    EXPECT_EQ(key(kMakerIni, "TRComPort"), QByteArray("1"));
    EXPECT_TRUE(read(kMakerIni).startsWith(junk));
}

TEST_F(SettingsStoreTest, ReadAndWriteCreateTheFileAndUseDefaults) {
    EXPECT_EQ(ReadIniString("SET", "Nothing", "dflt"), QStringLiteral("dflt"));
    EXPECT_TRUE(QFile::exists(folder + kMakerIni));
    WriteIniInteger("SET", "Number", -42);
    WriteIniString("set", "Text", "hello");
    EXPECT_EQ(ReadIniString("Set", "NUMBER", ""), QStringLiteral("-42"));
    EXPECT_EQ(ReadIniString("SET", "text", ""), QStringLiteral("hello"));
}

TEST(ProgramFolder, EndsWithSlash) {
    SetExePathOverride(QStringLiteral("/opt/tools"));
    EXPECT_EQ(GetExePath(), QStringLiteral("/opt/tools/"));
    SetExePathOverride(QStringLiteral("/opt/tools/"));
    EXPECT_EQ(GetExePath(), QStringLiteral("/opt/tools/"));
    SetExePathOverride(QString());
    EXPECT_TRUE(GetExePath().endsWith(QLatin1Char('/')));
    EXPECT_EQ(GetExePath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST(UnixSeconds, ConvertWithoutTimeZoneShift) {
    EXPECT_EQ(UnixSecondsToDateTime(0).toString(), QStringLiteral("1970/01/01 00:00:00"));
    EXPECT_DOUBLE_EQ(UnixSecondsToDateTime(0).days(), 25569.0);
    EXPECT_EQ(UnixSecondsToDateTime(1623077094u).toString(), QStringLiteral("2021/06/07 14:44:54"));
    // Above 2^31 - 1 the seconds count as positive.
    EXPECT_EQ(UnixSecondsToDateTime(2147483648u).toString(), QStringLiteral("2038/01/19 03:14:08"));
    EXPECT_EQ(UnixSecondsToDateTime(4294967295u).toString(), QStringLiteral("2106/02/07 06:28:15"));
}
} // namespace
