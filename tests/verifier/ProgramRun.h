#pragma once
// Runs a program to its end and keeps what it printed and its exit status.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

struct ProgramRun {
    bool finished = false; // ended by itself, without a crash, within the guard time
    int exitCode = -1;     // 0..255, as the shell sees it
    QByteArray out;
    QByteArray err;

    static ProgramRun Of(const QString& program, const QStringList& arguments);
};

// SealCheck with the given arguments; the program is the build's own binary
// unless another path (a link to it under another name) is given.
ProgramRun RunSealCheck(const QStringList& arguments, const QString& program = QString());
ProgramRun RunSealSign(const QStringList& arguments);

void PrintTo(const ProgramRun& run, std::ostream* os);

// The program ended by itself with exactly this one line on standard output,
// nothing on standard error, and this exit status.
#include <gtest/gtest.h>
::testing::AssertionResult Says(const ProgramRun& run, const char* line, int exitStatus);
