#pragma once
// Small record lists for the driver activity tests: records built in code, by
// driver, state and time of day, then decoded and marked like a block.
#include "analysis/DriverActivity.h"
#include "analysis/TDriverInfo.h"
#include "fixtures/DriverActivityBuilder.h"

#include <QString>
#include <vector>

namespace drivertest {

inline DateTimeValue At(int year, int month, int day, int hour, int minute, int second = 0) {
    return *DateTimeValue::fromParts(year, month, day, hour, minute, second);
}
// A time of day on 2024/05/20, a recent date on which whole-minute times are
// not exact as fractions of a day.
inline DateTimeValue T(int hour, int minute, int second = 0) {
    return At(2024, 5, 20, hour, minute, second);
}

inline const QString kDriverA = QStringLiteral("A123456789");
inline const QString kDriverB = QStringLiteral("B223344556");
inline const QString kNameA = QStringLiteral("王小明");
inline const QString kNameB = QStringLiteral("李美華");

struct Change {
    QString driver; // identity; the name follows from it
    char code;      // '0' to '4'
    DateTimeValue time;
    std::uint8_t flags = 0;
};

inline QByteArray Block(const std::vector<Change>& changes) {
    DriverActivityBuilder b;
    for (const Change& c : changes) {
        const QString name = c.driver == kDriverA ? kNameA : c.driver == kDriverB ? kNameB : QString();
        b.add(c.driver, name, static_cast<std::uint8_t>(c.flags | (c.code & 0x3F)), c.time);
    }
    return b.bytes();
}

inline Bytes Span(const QByteArray& bytes) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                 static_cast<std::size_t>(bytes.size()));
}

// Decodes and marks the changes like a loaded block.
inline DriverActivity Analysed(const std::vector<Change>& changes) {
    const QByteArray block = Block(changes);
    DriverActivity a;
    a.Analyse(Span(block));
    return a;
}

inline constexpr DurationMs Min(long long minutes) {
    return minutes * DateTimeValue::kMsPerMinute;
}
inline constexpr DurationMs Sec(long long seconds) {
    return seconds * DateTimeValue::kMsPerSecond;
}

} // namespace drivertest
