#include "shell/StartupPassword.h"

#include "settings/Big5Codec.h"
#include "settings/Tools.h"

namespace {
constexpr int kHalfLength = 16;

QString padded(const QString& password) {
    return password.leftJustified(kHalfLength, QLatin1Char(' '));
}
} // namespace

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

QByteArray EncodeActiveKey(const QString& password) {
    return Base64Encode(Big5Codec::fromUnicode(padded(password) + padded(password)));
}

QString DecodeActiveKey(const QByteArray& stored) {
    if (stored.isEmpty()) return kFactoryPassword;
    const QByteArray decoded = Base64Decode(stored);
    // A value that does not decode gives no text at all; its "halves" would
    // both be empty and must not make the empty password valid.
    if (decoded.isEmpty()) return kFactoryPassword;
    const QByteArray first = decoded.mid(0, kHalfLength);
    const QByteArray second = decoded.mid(kHalfLength, kHalfLength);
    if (first != second) return kFactoryPassword;
    return TrimBlanks(Big5Codec::toUnicode(first));
}

QString ReadStartupPassword() {
    const QString stored =
        ReadIniString(QString::fromLatin1(kSettingsSection), kActiveKeyIdent, QString()).trimmed();
    return DecodeActiveKey(stored.toLatin1());
}

void WriteStartupPassword(const QString& password) {
    WriteIniString(QString::fromLatin1(kSettingsSection), kActiveKeyIdent,
                   QString::fromLatin1(EncodeActiveKey(password)));
}
