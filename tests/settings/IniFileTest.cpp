// The INI reader and writer keep what they do not touch.
#include "settings/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TEST(IniFile, LookupIgnoresCaseAndTrimsBlanks) {
    IniFile ini;
    ini.setText("[Set]\r\n  Port = 3 \r\n[other]\r\nport=9\r\n");
    EXPECT_EQ(ini.value("SET", "PORT"), QByteArray("3"));
    EXPECT_EQ(ini.value("OTHER", "Port"), QByteArray("9"));
    EXPECT_FALSE(ini.value("SET", "missing"));
    EXPECT_FALSE(ini.value("absent", "port"));
}

TEST(IniFile, WritingOneKeyKeepsEveryOtherLine) {
    const QByteArray original =
        "; comment\r\n[A]\r\nx=1\r\n\r\n[SET]\r\nPort=1 ; old\r\nkeep = yes\r\n\r\n[Z]\r\nq=2\r\n";
    IniFile ini;
    ini.setText(original);
    ini.setValue("set", "port", "5");
    EXPECT_EQ(
        ini.text(),
        QByteArray("; comment\r\n[A]\r\nx=1\r\n\r\n[SET]\r\nPort=5\r\nkeep = yes\r\n\r\n[Z]\r\nq=2\r\n"));
    ini.setValue("SET", "New", "7");
    EXPECT_EQ(
        ini.text(),
        QByteArray(
            "; comment\r\n[A]\r\nx=1\r\n\r\n[SET]\r\nPort=5\r\nkeep = yes\r\nNew=7\r\n\r\n[Z]\r\nq=2\r\n"));
    ini.setValue("Fresh", "k", "v");
    EXPECT_TRUE(ini.text().endsWith("[Z]\r\nq=2\r\n\r\n[Fresh]\r\nk=v\r\n"));
    EXPECT_TRUE(ini.remove("SET", "KEEP"));
    EXPECT_FALSE(ini.remove("SET", "KEEP"));
    EXPECT_FALSE(ini.text().contains("keep"));
}

TEST(IniFile, KeepsLineEndsOfAnLfFileAndAMissingLastLineEnd) {
    IniFile ini;
    ini.setText("[SET]\nA=1");
    ini.setValue("SET", "A", "2");
    EXPECT_EQ(ini.text(), QByteArray("[SET]\nA=2"));
}

TEST(IniFile, SaveAndLoadRoundTrip) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/x.ini";
    IniFile ini;
    EXPECT_FALSE(ini.load(path));
    ini.setValue("SET", "K", "V");
    ASSERT_TRUE(ini.save(path));
    IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.value("SET", "K"), QByteArray("V"));
    EXPECT_FALSE(ini.save(dir.path() + "/no/such/folder/x.ini"));
}

TEST(IniFile, BinaryTextNeverFailsLookups) {
    QByteArray junk(1000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>(i * 37);
    IniFile ini;
    ini.setText(junk);
    (void)ini.value("SET", "x");
    ini.setValue("SET", "x", "1");
    EXPECT_EQ(ini.value("SET", "x"), QByteArray("1"));
    EXPECT_TRUE(ini.text().startsWith(junk.left(10)));
}
} // namespace
