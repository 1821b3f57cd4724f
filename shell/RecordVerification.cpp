#include "shell/RecordVerification.h"

#include "settings/Tools.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

namespace {
// The shell that runs the command script.
const QString kScriptShell = QStringLiteral("/bin/sh");

// A word of the POSIX shell that stands for exactly these bytes.
QByteArray shellQuoted(const QByteArray& bytes) {
    QByteArray out = "'";
    for (const char c : bytes) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    out += '\'';
    return out;
}

std::optional<QByteArray> readWhole(const QString& path) {
    QFile f(path);
    if (!f.exists() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}
} // namespace

QByteArray SealCheckScriptText(const QString& programFolder) {
    // "$1" in double quotes: the argument is used as it is, never split or expanded.
    return "exec " + shellQuoted(QFile::encodeName(programFolder + kSealCheckProgram)) + " \"$1\" > " +
           shellQuoted(QFile::encodeName(programFolder + kSealCheckResult)) + '\n';
}

VerifyOutcome InterpretVerifierResult(bool ended, const std::optional<QByteArray>& resultFile) {
    VerifyOutcome outcome;
    if (!ended || !resultFile) return outcome;
    const qsizetype end = resultFile->indexOf('\n');
    QByteArray line = end < 0 ? *resultFile : resultFile->left(end);
    if (line.endsWith('\r')) line.chop(1);
    if (line.isEmpty()) return outcome;
    // Console output, in the encoding of the system's file names and terminals.
    outcome.firstLine = QString::fromLocal8Bit(line);
    outcome.kind = line.contains("SUCCESS") ? VerifyOutcome::Kind::Verified : VerifyOutcome::Kind::Failed;
    return outcome;
}

VerifyOutcome VDRVerify(const QString& szFileName, int timeoutMs) {
    const QString folder = GetExePath();
    const QString resultPath = folder + kSealCheckResult;
    const QString scriptPath = folder + kSealCheckScript;
    // A result left from an earlier run must never be read as this run's answer.
    if (QFile::exists(resultPath) && !QFile::remove(resultPath))
        return InterpretVerifierResult(false, std::nullopt);

    QFile script(scriptPath);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        script.write(SealCheckScriptText(folder)) < 0 || !script.flush())
        return InterpretVerifierResult(false, std::nullopt);
    script.close();

    QProcess process;
    process.setProgram(kScriptShell);
    process.setArguments({scriptPath, szFileName});
    process.setWorkingDirectory(folder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    process.start();
    deadline.start(timeoutMs);
    if (process.state() != QProcess::NotRunning) loop.exec();

    bool ended = process.state() == QProcess::NotRunning && process.error() != QProcess::FailedToStart;
    if (!ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    return InterpretVerifierResult(ended, readWhole(resultPath));
}

QString VerifyQuestionText(const VerifyOutcome& outcome) {
    const QString line =
        outcome.kind == VerifyOutcome::Kind::NoAnswer ? kVerifierSilentLine : outcome.firstLine;
    return QStringLiteral("無法成功驗證簽章，是否繼續載入? ") + QLatin1Char('\n') +
           QStringLiteral("回應訊息：") + line;
}
