#pragma once
// The start-up password, kept base64-encoded under "ActiveKey" in the settings
// file: the password padded with blanks to 16 characters, twice. Until a valid
// one is stored the factory password applies.
#include <QByteArray>
#include <QString>

inline const QString kFactoryPassword = QStringLiteral("735291");
inline const QString kActiveKeyIdent = QStringLiteral("ActiveKey");
// The edit fields of the password windows take no more characters than this.
inline constexpr int kPasswordMaxLength = 12;

// The stored value for a password: Base64Encode of "%-16s%-16s" with it twice,
// in the system's 8-bit code page.
QByteArray EncodeActiveKey(const QString& password);
// The password a stored value holds: the first 16 characters, trimmed, when they
// equal the next 16; the factory password for an empty value, one that does not
// decode, or one whose halves differ.
QString DecodeActiveKey(const QByteArray& stored);

// Reads and writes the password in the settings file.
QString ReadStartupPassword();
void WriteStartupPassword(const QString& password);

// Removes leading and trailing characters of code 20H or less (blanks and
// control characters), as the password comparisons do.
QString TrimBlanks(const QString& text);
