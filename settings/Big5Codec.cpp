#include "settings/Big5Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Big5Codec {
namespace {
// ICU's "CP950" is a different table; "windows-950" is Microsoft's.
constexpr const char* kCodePage = "windows-950";

// Opening a converter is far dearer than a conversion; the stateless ones are
// kept for the thread's life and reused.
QStringDecoder& decoder() {
    thread_local QStringDecoder d(kCodePage, QStringDecoder::Flag::Stateless);
    return d;
}

QStringEncoder& encoder() {
    thread_local QStringEncoder e(kCodePage, QStringEncoder::Flag::Stateless);
    return e;
}

bool isLead(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}
bool isTrail(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFE);
}
} // namespace

bool isAvailable() { return decoder().isValid(); }

QString toUnicode(QByteArrayView bytes) {
    if (bytes.isEmpty()) return {};
    QStringDecoder& decoder = Big5Codec::decoder();
    if (!decoder.isValid()) return QString::fromLatin1(bytes.data(), bytes.size());
    // The converter holds back or swallows a lead byte whose trail byte is
    // missing or invalid. Such a byte becomes one replacement character here,
    // and the valid runs around it are converted as they stand.
    QString text;
    text.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < n) {
        if (!isLead(p[i])) {
            ++i;
            continue;
        }
        if (i + 1 < n && isTrail(p[i + 1])) {
            i += 2;
            continue;
        }
        if (i > runStart) text += decoder.decode(bytes.sliced(runStart, i - runStart));
        text += QChar(QChar::ReplacementCharacter);
        ++i;
        runStart = i;
    }
    if (n > runStart) text += decoder.decode(bytes.sliced(runStart, n - runStart));
    return text;
}

QByteArray fromUnicode(QStringView text) {
    if (text.isEmpty()) return {};
    QStringEncoder& encoder = Big5Codec::encoder();
    if (!encoder.isValid()) return text.toLatin1();
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

} // namespace Big5Codec
