#include "shell/InstanceRequest.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <unistd.h>

namespace {
constexpr char kMagic[] = "TRKRQ1";
constexpr qsizetype kMagicBytes = sizeof(kMagic) - 1;
constexpr qsizetype kHeadBytes = kMagicBytes + 4;
} // namespace

QByteArray EncodeInstanceRequest(const QString& file) {
    const QByteArray path = file.toUtf8();
    QByteArray out(kMagic, kMagicBytes);
    char length[4];
    qToBigEndian<quint32>(static_cast<quint32>(path.size()), length);
    out.append(length, 4);
    out += path;
    return out;
}

RequestState DecodeInstanceRequest(const QByteArray& received, QString& file) {
    const qsizetype magic = std::min(received.size(), kMagicBytes);
    if (received.left(magic) != QByteArray(kMagic, magic)) return RequestState::Invalid;
    if (received.size() < kHeadBytes) return RequestState::Incomplete;
    const quint32 length = qFromBigEndian<quint32>(received.constData() + kMagicBytes);
    if (length > static_cast<quint32>(kMaxRequestPathBytes)) return RequestState::Invalid;
    const qsizetype total = kHeadBytes + static_cast<qsizetype>(length);
    if (received.size() < total) return RequestState::Incomplete;
    if (received.size() > total) return RequestState::Invalid;
    file = QString::fromUtf8(received.mid(kHeadBytes, length));
    return RequestState::Complete;
}

QString InstanceKeyFor(const QString& programFolder) {
    const QByteArray folder =
        QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("TRKelmar-%1-%2").arg(::getuid()).arg(QString::fromLatin1(folder));
}
