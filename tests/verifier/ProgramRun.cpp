#include "ProgramRun.h"

#include <QProcess>
#include <sstream>

namespace {
// Only a guard against a program that hangs; no test depends on the time taken.
constexpr int kGuardMilliseconds = 60000;
} // namespace

ProgramRun ProgramRun::Of(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    ProgramRun run;
    if (!process.waitForStarted()) return run;
    if (!process.waitForFinished(kGuardMilliseconds)) {
        process.kill();
        process.waitForFinished();
    } else {
        run.finished = process.exitStatus() == QProcess::NormalExit;
        run.exitCode = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

ProgramRun RunSealCheck(const QStringList& arguments, const QString& program) {
    return ProgramRun::Of(program.isEmpty() ? QStringLiteral(SEALCHECK_PROGRAM) : program, arguments);
}

ProgramRun RunSealSign(const QStringList& arguments) {
    return ProgramRun::Of(QStringLiteral(SEALSIGN_PROGRAM), arguments);
}

void PrintTo(const ProgramRun& run, std::ostream* os) {
    *os << "{finished " << run.finished << ", exit " << run.exitCode << ", out \"" << run.out.toStdString()
        << "\", err \"" << run.err.toStdString() << "\"}";
}

::testing::AssertionResult Says(const ProgramRun& run, const char* line, int exitStatus) {
    const QByteArray expected = QByteArray(line) + '\n';
    if (run.finished && run.out == expected && run.err.isEmpty() && run.exitCode == exitStatus)
        return ::testing::AssertionSuccess();
    std::ostringstream text;
    PrintTo(run, &text);
    return ::testing::AssertionFailure()
           << "expected \"" << line << "\" and exit " << exitStatus << ", got " << text.str();
}
