// Running the verifier on a record file before it is analysed: the command
// script, the argument reaching the verifier whole, and what counts as verified.
#include "shell/RecordVerification.h"

#include "ShellFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
using Kind = VerifyOutcome::Kind;

TEST(SealCheckScript, IsOneLineRunningTheFoldersVerifierOnItsArgument) {
    EXPECT_EQ(SealCheckScriptText(QStringLiteral("/opt/vdr/")),
              QByteArray("exec '/opt/vdr/SealCheck' \"$1\" > '/opt/vdr/Result.txt'\n"));
    // A quote in the folder ends the quoted word, is given escaped, and the word goes on.
    EXPECT_EQ(SealCheckScriptText(QStringLiteral("/opt/it's $x/")),
              QByteArray("exec '/opt/it'\\''s $x/SealCheck' \"$1\" > '/opt/it'\\''s $x/Result.txt'\n"));
}

struct ResultCase {
    const char* name;
    bool ended;
    bool present;
    const char* bytes;
    Kind kind;
    const char* line;
};
void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << c.name;
}

const ResultCase kResults[] = {
    {"success", true, true, "Verification SUCCESS\n", Kind::Verified, "Verification SUCCESS"},
    {"failed", true, true, "Verification FAILED: -3\n", Kind::Failed, "Verification FAILED: -3"},
    {"first_line_only_crlf", true, true, "File not existed\r\nSUCCESS\r\n", Kind::Failed, "File not existed"},
    {"no_line_break", true, true, "Unsupported file type", Kind::Failed, "Unsupported file type"},
    {"file_missing", true, false, "", Kind::NoAnswer, ""},
    {"file_empty", true, true, "", Kind::NoAnswer, ""},
    {"empty_first_line", true, true, "\nVerification SUCCESS\n", Kind::NoAnswer, ""},
    {"did_not_end", false, true, "Verification SUCCESS\n", Kind::NoAnswer, ""},
};

class VerifierResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(VerifierResult, DecidesByTheFirstLine) {
    const ResultCase& c = GetParam();
    const VerifyOutcome outcome =
        InterpretVerifierResult(c.ended, c.present ? std::optional<QByteArray>(c.bytes) : std::nullopt);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.firstLine, QString::fromLatin1(c.line));
}

INSTANTIATE_TEST_SUITE_P(RecordVerification, VerifierResult, ::testing::ValuesIn(kResults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerifyQuestion, ShowsTheVerifiersLineOrSaysThatItGaveNone) {
    VerifyOutcome failed{Kind::Failed, QStringLiteral("Verification FAILED: -3")};
    EXPECT_EQ(VerifyQuestionText(failed),
              QStringLiteral("無法成功驗證簽章，是否繼續載入? \n回應訊息：Verification FAILED: -3"));
    EXPECT_EQ(VerifyQuestionText(VerifyOutcome{}),
              QStringLiteral("無法成功驗證簽章，是否繼續載入? \n回應訊息：") + kVerifierSilentLine);
}

// A stand-in verifier in the program folder (or none), run on a record file.
struct StandInCase {
    const char* name;
    const char* script; // nullptr: no verifier at all
    int timeoutMs;
    Kind kind;
    const char* line;
};
void PrintTo(const StandInCase& c, std::ostream* os) {
    *os << c.name;
}

const StandInCase kStandIns[] = {
    {"verifier_missing", nullptr, 10000, Kind::NoAnswer, ""},
    {"prints_nothing", "exit 0", 10000, Kind::NoAnswer, ""},
    {"prints_an_empty_line", "echo; echo 'Verification SUCCESS'", 10000, Kind::NoAnswer, ""},
    {"killed", "kill -9 $$", 10000, Kind::NoAnswer, ""},
    {"hangs", "sleep 30", 300, Kind::NoAnswer, ""},
    {"answers_failure", "echo 'Verification FAILED: -3'; exit 252", 10000, Kind::Failed,
     "Verification FAILED: -3"},
    {"answers_success", "echo 'Verification SUCCESS'", 10000, Kind::Verified, "Verification SUCCESS"},
};

class StandInVerifier : public ::testing::TestWithParam<StandInCase> {};

TEST_P(StandInVerifier, GivesItsOutcome) {
    const StandInCase& c = GetParam();
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    if (c.script) {
        ASSERT_TRUE(folder.installFakeVerifier(c.script));
    }
    QElapsedTimer timer;
    timer.start();
    const VerifyOutcome outcome = VDRVerify(folder.file(QStringLiteral("a.vdr")), c.timeoutMs);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.firstLine, QString::fromLatin1(c.line));
    // A hanging verifier is stopped, not waited for.
    EXPECT_LT(timer.elapsed(), 20000);
}

INSTANTIATE_TEST_SUITE_P(RecordVerification, StandInVerifier, ::testing::ValuesIn(kStandIns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordVerification, ResultOfAnEarlierRunIsNeverTakenForThisOne) {
    ProgramFolder folder;
    ASSERT_TRUE(folder.isValid());
    folder.write(kSealCheckResult, "Verification SUCCESS\r\n");
    const VerifyOutcome outcome = VDRVerify(folder.file(QStringLiteral("a.vdr")));
    EXPECT_EQ(outcome.kind, Kind::NoAnswer);
    EXPECT_EQ(folder.read(kSealCheckResult), QByteArray()); // the redirection made it anew
}

// Paths with blanks, quotes, shell characters and Chinese, in a program folder
// that has them too. The stand-in prints its argument count and first argument.
TEST(RecordVerification, PathReachesTheVerifierAsOneArgument) {
    ProgramFolder folder(QStringLiteral("prog 'q' \"d\" $HOME `id` ;&|<> 程式"));
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(folder.installFakeVerifier("printf '%s|%s\\n' \"$#\" \"$1\""));
    const QString paths[] = {
        folder.file(QStringLiteral("記錄下載區/D20240101 120000_ABC-1234.VDR")),
        folder.file(QStringLiteral("it's \"quoted\" $HOME ${x} `touch injected1` $(touch injected2).vdr")),
        folder.file(QStringLiteral("a;touch injected3;b & c | d > e < f * ? ~ # !.vdr")),
        QStringLiteral("-n  leading dash and  two blanks.vdr"),
        QStringLiteral("back\\slash\\\\ and %1 %%1 %PATH%.vdr"),
    };
    for (const QString& path : paths) {
        const VerifyOutcome outcome = VDRVerify(path);
        EXPECT_EQ(outcome.kind, Kind::Failed) << path.toStdString();
        EXPECT_EQ(outcome.firstLine, QStringLiteral("1|") + path);
    }
    EXPECT_TRUE(QFileInfo::exists(folder.file(kSealCheckScript)));
    const QStringList left = QDir(folder.path()).entryList({QStringLiteral("injected*")});
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char(' ')).toStdString();
}

// The real verifier on record files.
struct RecordCase {
    const char* name;
    bool signed_;
    bool shortFile;
    Kind kind;
    const char* line;
};
void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

const RecordCase kRecords[] = {
    {"signed", true, false, Kind::Verified, "Verification SUCCESS"},
    {"written_by_the_download_unsigned", false, false, Kind::Failed, "Verification FAILED: -3"},
    {"shorter_than_a_signature", false, true, Kind::Failed, "Verification FAILED: -1"},
};

class RealVerifier : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RealVerifier, ChecksTheRecordAtAnAwkwardPath) {
    const RecordCase& c = GetParam();
    if (c.signed_ && !VerifierHasDevelopmentKey())
        GTEST_SKIP() << "SealCheck was built with another public key";
    ProgramFolder folder(QStringLiteral("Program Files 'x' $y"));
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(folder.installVerifier());
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("記錄下載區")));
    const QString path = folder.file(QStringLiteral("記錄下載區/it's a \"record\" $(id); `id`.vdr"));
    ASSERT_TRUE(c.shortFile ? WriteShortRecordFile(path) : WriteRecordFile(path, c.signed_));
    const VerifyOutcome outcome = VDRVerify(path);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.firstLine, QString::fromLatin1(c.line));
}

INSTANTIATE_TEST_SUITE_P(RecordVerification, RealVerifier, ::testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
