#include "ShellFixtures.h"

#include "fixtures/VdrFileBuilder.h"
#include "settings/Tools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

ProgramFolder::ProgramFolder(const QString& subfolder) {
    if (!mDir.isValid()) return;
    // The canonical form: the program finds its folder through /proc/self/exe.
    QString folder = QFileInfo(mDir.path()).canonicalFilePath();
    if (!subfolder.isEmpty()) {
        if (!QDir(folder).mkpath(subfolder)) return;
        folder += QLatin1Char('/') + subfolder;
    }
    mPath = folder + QLatin1Char('/');
    SetExePathOverride(mPath);
    ResetSettingsState();
    SetDebugMode(false);
    mValid = true;
}

ProgramFolder::~ProgramFolder() {
    SetExePathOverride(QString());
    ResetSettingsState();
    SetDebugMode(false);
}

QString ProgramFolder::installProgram(const QString& program) const {
    const QString target = mPath + QFileInfo(program).fileName();
    QFile::remove(target);
    if (!QFile::copy(program, target)) return QString();
    QFile::setPermissions(target, QFile::permissions(program) | QFile::ExeOwner | QFile::ReadOwner);
    return target;
}

bool ProgramFolder::installVerifier() const {
    return !installProgram(SealCheckProgram()).isEmpty();
}

bool ProgramFolder::installFakeVerifier(const QByteArray& scriptBody) const {
    const QString target = mPath + QStringLiteral("SealCheck");
    QFile f(target);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    f.write("#!/bin/sh\n" + scriptBody + '\n');
    f.close();
    return f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray ProgramFolder::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

bool WriteRecordFile(const QString& path, bool signed_) {
    VdrFileBuilder builder;
    builder.add(kBlockTechnicalData, QByteArray(200, '\x11'));
    builder.add(kBlockEventsAndFaults, QByteArray(200, '\x22'));
    if (!builder.write(path)) return false;
    if (!signed_) return true;
    QProcess sign;
    sign.start(QStringLiteral(SEALSIGN_PROGRAM),
               {QStringLiteral("--key"), QStringLiteral(DEV_PRIVATE_KEY_FILE), path});
    return sign.waitForFinished(60000) && sign.exitStatus() == QProcess::NormalExit && sign.exitCode() == 0;
}

bool WriteShortRecordFile(const QString& path) {
    VdrFileBuilder builder;
    builder.add(kBlockTechnicalData, QByteArray(20, '\x11'));
    return builder.write(path);
}

bool VerifierHasDevelopmentKey() {
#ifdef SEALCHECK_DEFAULT_KEY
    return true;
#else
    return false;
#endif
}

QString SealCheckProgram() {
    return QStringLiteral(SEALCHECK_PROGRAM);
}
QString AnalyserProgram() {
#ifdef ANALYSER_PROGRAM
    return QStringLiteral(ANALYSER_PROGRAM);
#else
    return QString();
#endif
}

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
