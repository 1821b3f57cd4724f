#include "settings/Big5Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Big5Codec {
namespace {
// ICU's "CP950" is a different table; "windows-950" is Microsoft's.
constexpr const char* kCodePage = "windows-950";
} // namespace

bool isAvailable() {
    QStringDecoder decoder(kCodePage);
    return decoder.isValid();
}

QString toUnicode(QByteArrayView bytes) {
    if (bytes.isEmpty()) return {};
    QStringDecoder decoder(kCodePage, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) return QString::fromLatin1(bytes.data(), bytes.size());
    QString text = decoder.decode(bytes);
    return text;
}

QByteArray fromUnicode(QStringView text) {
    if (text.isEmpty()) return {};
    QStringEncoder encoder(kCodePage, QStringEncoder::Flag::Stateless);
    if (!encoder.isValid()) return text.toLatin1();
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

} // namespace Big5Codec
