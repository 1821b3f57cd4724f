// The start-up password's stored form under "ActiveKey".
#include "shell/StartupPassword.h"
#include "settings/Tools.h"

#include "ShellFixtures.h"

#include <gtest/gtest.h>

namespace {
struct StoredCase {
    const char* name;
    const char* stored; // the "ActiveKey" value
    const char* password;
};
void PrintTo(const StoredCase& c, std::ostream* os) {
    *os << c.name;
}

// Values worked out by hand: base64 of the password padded to 16 blanks, twice.
const StoredCase kStored[] = {
    {"factory_written_out", "NzM1MjkxICAgICAgICAgIDczNTI5MSAgICAgICAgICA=", "735291"},
    {"letters_and_digits", "QUJDMTIzICAgICAgICAgIEFCQzEyMyAgICAgICAgICA=", "ABC123"},
    {"one_character", "QSAgICAgICAgICAgICAgIEEgICAgICAgICAgICAgICA=", "A"},
    {"leading_blanks_trimmed", "ICBRNyAgICAgICAgICAgICAgUTcgICAgICAgICAgICA=", "Q7"},
    // Only the first two halves of 16 count.
    {"text_after_the_halves", "WFlaICAgICAgICAgICAgIFhZWiAgICAgICAgICAgICBqdW5r", "XYZ"},
    // Anything else falls back to the factory password.
    {"missing", "", "735291"},
    {"halves_differ", "QUJDICAgICAgICAgICAgIEFCRCAgICAgICAgICAgICA=", "735291"},
    {"one_half_only", "WFlaICAgICAgICAgICAgIA==", "735291"},
    {"length_not_a_multiple_of_four", "QUJDMTIzICAgICAgICAgIEFCQzEyMyAgICAgICAgIC", "735291"},
};

class StoredPassword : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredPassword, DecodesToItsPassword) {
    EXPECT_EQ(DecodeActiveKey(GetParam().stored), QString::fromLatin1(GetParam().password));
}

INSTANTIATE_TEST_SUITE_P(ActiveKey, StoredPassword, ::testing::ValuesIn(kStored),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ActiveKey, EncodesThePasswordPaddedTwice) {
    EXPECT_EQ(EncodeActiveKey(QStringLiteral("ABC123")),
              QByteArray("QUJDMTIzICAgICAgICAgIEFCQzEyMyAgICAgICAgICA="));
    EXPECT_EQ(EncodeActiveKey(QStringLiteral("A")),
              QByteArray("QSAgICAgICAgICAgICAgIEEgICAgICAgICAgICAgICA="));
}

TEST(ActiveKey, WrittenPasswordIsReadBackFromTheSettingsFile) {
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(ReadStartupPassword(), QStringLiteral("735291")); // fresh settings file
    WriteStartupPassword(QStringLiteral("QWERTY123456"));
    EXPECT_EQ(ReadIniString(QStringLiteral("SET"), QStringLiteral("ActiveKey"), QString()).toLatin1(),
              EncodeActiveKey(QStringLiteral("QWERTY123456")));
    EXPECT_EQ(ReadStartupPassword(), QStringLiteral("QWERTY123456"));
    // A value edited by hand so that the halves differ resets to the factory password.
    WriteIniString(QStringLiteral("SET"), QStringLiteral("ActiveKey"),
                   QStringLiteral("QUJDICAgICAgICAgICAgIEFCRCAgICAgICAgICAgICA="));
    EXPECT_EQ(ReadStartupPassword(), QStringLiteral("735291"));
}

TEST(TrimBlanks, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(TrimBlanks(QStringLiteral(" \t735291 \r\n")), QStringLiteral("735291"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("A B")), QStringLiteral("A B"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}
} // namespace
