#pragma once
// A program folder for the shell tests: a temporary folder that GetExePath()
// points at, with the build's SealCheck copied in (or a stand-in verifier), and
// record files built from blocks, signed by the development signer or not.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

class ProgramFolder {
  public:
    // subfolder: created inside the temporary folder and used as the program
    // folder when not empty (to give it awkward characters).
    explicit ProgramFolder(const QString& subfolder = QString());
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    bool isValid() const { return mValid; }
    // The folder, ending with "/" as GetExePath() gives it.
    const QString& path() const { return mPath; }

    // Copies the build's SealCheck into the folder.
    bool installVerifier() const;
    // Puts a shell script in the verifier's place.
    bool installFakeVerifier(const QByteArray& scriptBody) const;
    // Copies a program of the build into the folder under its own name.
    QString installProgram(const QString& program) const;

    QString file(const QString& name) const { return mPath + name; }
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

  private:
    QTemporaryDir mDir;
    QString mPath;
    bool mValid = false;
};

// A loadable record file of a few blocks, at least 400 bytes long (longer than
// any signature); written to path, signed by SealSign when signed is true.
bool WriteRecordFile(const QString& path, bool signed_);
// A record shorter than a signature (under 280 bytes), unsigned.
bool WriteShortRecordFile(const QString& path);

// Whether SealCheck carries the development key (else signed files do not verify).
bool VerifierHasDevelopmentKey();
// The build's programs.
QString SealCheckProgram();
QString AnalyserProgram();

// Readable QStrings in test failures.
void PrintTo(const QString& text, std::ostream* os);
