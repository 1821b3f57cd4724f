#include "analysis/ValueHelpers.h"

#include <limits>

bool InRange(Bytes bytes, int nLength, long long nOffset) {
    if (nLength <= 0) return true;
    if (nOffset < 0) return false;
    return static_cast<unsigned long long>(nOffset) + static_cast<unsigned long long>(nLength) <=
           bytes.size();
}

namespace {
// The bytes the helper may read; empty when none or out of range.
Bytes window(Bytes bytes, int nLength, long long nOffset) {
    if (nLength <= 0 || !InRange(bytes, nLength, nOffset)) return {};
    return bytes.subspan(static_cast<std::size_t>(nOffset), static_cast<std::size_t>(nLength));
}

int digit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : -1;
}

bool number(const QString& s, int from, int count, int& out) {
    out = 0;
    for (int i = from; i < from + count; ++i) {
        const int d = digit(s[i]);
        if (d < 0) return false;
        out = out * 10 + d;
    }
    return true;
}
} // namespace

std::int32_t ToLong(Bytes bytes, int nLength, long long nOffset) {
    std::uint32_t v = 0;
    for (std::uint8_t b : window(bytes, nLength, nOffset))
        v = (v << 8) | b;
    return static_cast<std::int32_t>(v);
}

std::int32_t ToUnixTime(Bytes bytes, long long nOffset) {
    const Bytes w = window(bytes, 4, nOffset);
    if (w.empty()) return 0;
    const std::uint32_t v = std::uint32_t(w[0]) | (std::uint32_t(w[1]) << 8) | (std::uint32_t(w[2]) << 16) |
                            (std::uint32_t(w[3]) << 24);
    return static_cast<std::int32_t>(v);
}

std::int32_t ToBCD(Bytes bytes, int nLength, long long nOffset) {
    const Bytes w = window(bytes, nLength, nOffset);
    if (w.empty()) return 0;
    long long v = 0;
    for (std::uint8_t b : w) {
        const int hi = b >> 4, lo = b & 0x0F;
        if (hi > 9 || lo > 9) return 0;
        v = v * 100 + hi * 10 + lo;
        if (v > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return static_cast<std::int32_t>(v);
}

QString ToStringBCD(Bytes bytes, int nLength, long long nOffset) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const Bytes w = window(bytes, nLength, nOffset);
    QString s;
    s.reserve(static_cast<qsizetype>(w.size() * 2));
    for (std::uint8_t b : w) {
        s += QLatin1Char(kHex[b >> 4]);
        s += QLatin1Char(kHex[b & 0x0F]);
    }
    return s;
}

QString ToStringHEX(Bytes bytes, int nLength, long long nOffset) {
    return ToStringBCD(bytes, nLength, nOffset);
}

QByteArray ToString(Bytes bytes, int nLength, long long nOffset) {
    const Bytes w = window(bytes, nLength, nOffset);
    std::size_t begin = 0, end = w.size();
    while (begin < end && w[begin] <= 0x20)
        ++begin;
    while (end > begin && w[end - 1] <= 0x20)
        --end;
    return QByteArray(reinterpret_cast<const char*>(w.data()) + begin, static_cast<qsizetype>(end - begin));
}

namespace {
std::optional<DateTimeValue> parseDigits(const QString& szBCDDate) {
    if (szBCDDate.size() != 14) return std::nullopt;
    int y, mo, d, h, mi, s;
    if (!number(szBCDDate, 0, 4, y) || !number(szBCDDate, 4, 2, mo) || !number(szBCDDate, 6, 2, d) ||
        !number(szBCDDate, 8, 2, h) || !number(szBCDDate, 10, 2, mi) || !number(szBCDDate, 12, 2, s))
        return std::nullopt;
    return DateTimeValue::fromParts(y, mo, d, h, mi, s);
}
} // namespace

DateTimeValue BCDToDateTime(const QString& szBCDDate) {
    return parseDigits(szBCDDate).value_or(DateTimeValue());
}

QString BCDToDateTimeString(const QString& szBCDDate) {
    if (szBCDDate.size() != 14) return QStringLiteral("1970/01/01 00:00:00");
    const QString& s = szBCDDate;
    return s.mid(0, 4) + QLatin1Char('/') + s.mid(4, 2) + QLatin1Char('/') + s.mid(6, 2) + QLatin1Char(' ') +
           s.mid(8, 2) + QLatin1Char(':') + s.mid(10, 2) + QLatin1Char(':') + s.mid(12, 2);
}

QString FormatDateTime(const DateTimeValue& value) {
    return value.toString();
}

QString ToStringBCDDateTime(Bytes bytes, int nLength, long long nOffset) {
    return FormatDateTime(BCDToDateTime(ToStringBCD(bytes, nLength, nOffset)));
}

QString BCDTimeText(Bytes bytes, long long nOffset) {
    const Bytes w = window(bytes, 7, nOffset);
    if (w.empty()) return {};
    return QString::asprintf("%.2X%.2X/%.2X/%.2X %.2X:%.2X:%.2X", w[0], w[1], w[2], w[3], w[4], w[5], w[6]);
}

bool BCDTimeValue(Bytes bytes, long long nOffset, DateTimeValue& out) {
    const auto v = parseDigits(ToStringBCD(bytes, 7, nOffset));
    if (!v) return false;
    out = *v;
    return true;
}
