#include "settings/DateTimeValue.h"

#include <cmath>

namespace {
// Days from 0000-03-01 to 1970-01-01 in the algorithm below, shifted to 1899-12-30.
std::int64_t daysFromCivilUnix(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDaysUnix(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(y + (m <= 2));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::int64_t floorMod(std::int64_t a, std::int64_t b) {
    return a - floorDiv(a, b) * b;
}
} // namespace

DateTimeValue DateTimeValue::fromDays(double days) {
    const double ms = std::round(days * static_cast<double>(kMsPerDay));
    if (!std::isfinite(ms) || std::fabs(ms) > 9.0e17) return DateTimeValue();
    return DateTimeValue(static_cast<std::int64_t>(ms));
}

std::int64_t DateTimeValue::daysFromCivil(int year, int month, int day) {
    return daysFromCivilUnix(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kUnixEpochDays;
}

void DateTimeValue::civilFromDays(std::int64_t days, int& year, int& month, int& day) {
    civilFromDaysUnix(days - kUnixEpochDays, year, month, day);
}

bool DateTimeValue::isValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = kDays[month - 1] + ((month == 2 && leap) ? 1 : 0);
    return day <= last;
}

std::optional<DateTimeValue> DateTimeValue::fromParts(int year, int month, int day, int hour, int minute,
                                                      int second, int millisecond) {
    if (!isValidDate(year, month, day)) return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return std::nullopt;
    const std::int64_t ms = daysFromCivil(year, month, day) * kMsPerDay + hour * kMsPerHour +
                            minute * kMsPerMinute + second * kMsPerSecond + millisecond;
    return DateTimeValue(ms);
}

std::int64_t DateTimeValue::dayNumber() const {
    return floorDiv(mMs, kMsPerDay);
}

int DateTimeValue::year() const {
    int y, m, d;
    civilFromDays(dayNumber(), y, m, d);
    return y;
}
int DateTimeValue::month() const {
    int y, m, d;
    civilFromDays(dayNumber(), y, m, d);
    return m;
}
int DateTimeValue::day() const {
    int y, m, d;
    civilFromDays(dayNumber(), y, m, d);
    return d;
}
int DateTimeValue::hour() const {
    return static_cast<int>(floorMod(mMs, kMsPerDay) / kMsPerHour);
}
int DateTimeValue::minute() const {
    return static_cast<int>(floorMod(mMs, kMsPerHour) / kMsPerMinute);
}
int DateTimeValue::second() const {
    return static_cast<int>(floorMod(mMs, kMsPerMinute) / kMsPerSecond);
}
int DateTimeValue::millisecond() const {
    return static_cast<int>(floorMod(mMs, kMsPerSecond));
}

QString DateTimeValue::toDateString() const {
    int y, m, d;
    civilFromDays(dayNumber(), y, m, d);
    return QString::asprintf("%.4d/%.2d/%.2d", y, m, d);
}

QString DateTimeValue::toTimeString() const {
    return QString::asprintf("%.2d:%.2d:%.2d", hour(), minute(), second());
}

QString DateTimeValue::toString() const {
    return toDateString() + QLatin1Char(' ') + toTimeString();
}
