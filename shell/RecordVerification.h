#pragma once
// Running the record verifier SealCheck on a file before it is analysed.
//
// The verifier is run through a one-line command script "SealCheck.cmd" in the
// program folder, which sends the verifier's output to "Result.txt" there. The
// file's path reaches the script, and from it the verifier, as one argument of
// its own: it never becomes part of a command line, whatever characters it holds.
// The result is read only after the verifier has ended.
#include <QByteArray>
#include <QString>
#include <optional>

inline const QString kSealCheckScript = QStringLiteral("SealCheck.cmd");
inline const QString kSealCheckResult = QStringLiteral("Result.txt");
inline const QString kSealCheckProgram = QStringLiteral("SealCheck");
// A verifier that has not ended after this long is stopped and counts as silent.
inline constexpr int kVerifierTimeoutMs = 120000;

struct VerifyOutcome {
    enum class Kind {
        Verified, // the first output line contains "SUCCESS"
        Failed,   // the verifier answered with another line
        NoAnswer, // no line: verifier missing, crashed, stopped, or printed nothing
    };
    Kind kind = Kind::NoAnswer;
    QString firstLine; // the verifier's first output line, when it gave one
};

// The command script for a program folder (ending with "/"): one line that runs
// the verifier of that folder on the script's first argument, standard output
// into the result file. The folder is quoted so that no character in it is
// interpreted.
QByteArray SealCheckScriptText(const QString& programFolder);

// Decides from what the verifier left: whether it ended by itself within its
// time, and the result file's bytes (none when the file is missing).
VerifyOutcome InterpretVerifierResult(bool ended, const std::optional<QByteArray>& resultFile);

// Deletes the result file, writes the command script and runs it on the file
// with the verifier of the program folder (GetExePath()); waits for it to end
// while pending events are processed, at most timeoutMs.
VerifyOutcome VDRVerify(const QString& szFileName, int timeoutMs = kVerifierTimeoutMs);

// The question asked before a file that did not verify is loaded.
QString VerifyQuestionText(const VerifyOutcome& outcome);
// The line shown in that question when the verifier gave no answer.
inline const QString kVerifierSilentLine = QStringLiteral("驗證程式 SealCheck 沒有回應任何結果");
