#pragma once
// The system's 8-bit code page: Microsoft code page 950 (Big5 with Microsoft's
// extensions), the bytes a Traditional Chinese Windows writes. Every record
// text, caption and export goes through here.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Big5Codec {

// Bytes to Unicode. A byte sequence that is not valid code page 950 becomes
// U+FFFD; the rest of the text is kept.
QString toUnicode(QByteArrayView bytes);

// Unicode to bytes. A character that code page 950 cannot represent becomes "?".
QByteArray fromUnicode(QStringView text);

// True when Qt's ICU backend knows the code page (it always should on Debian).
bool isAvailable();

} // namespace Big5Codec
