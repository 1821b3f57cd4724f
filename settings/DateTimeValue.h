#pragma once
// Date-time values of the record data: naive wall-clock times, never shifted by
// the machine's time zone or daylight saving. They are kept exact as whole
// milliseconds since 1899-12-30 00:00; the floating-point form (days since that
// epoch, the time of day as the fraction) is given where it is shown or handed on.
#include <QString>
#include <cstdint>
#include <optional>

class DateTimeValue {
  public:
    static constexpr std::int64_t kMsPerSecond = 1000;
    static constexpr std::int64_t kMsPerMinute = 60 * kMsPerSecond;
    static constexpr std::int64_t kMsPerHour = 60 * kMsPerMinute;
    static constexpr std::int64_t kMsPerDay = 24 * kMsPerHour;
    // Days from 1899-12-30 to 1970-01-01.
    static constexpr std::int64_t kUnixEpochDays = 25569;

    constexpr DateTimeValue() = default;
    static constexpr DateTimeValue fromMilliseconds(std::int64_t ms) { return DateTimeValue(ms); }
    // Rounds to the nearest millisecond.
    static DateTimeValue fromDays(double days);
    // A real calendar date and time (year 1..9999), or nothing.
    static std::optional<DateTimeValue> fromParts(int year, int month, int day, int hour, int minute,
                                                  int second, int millisecond = 0);

    constexpr std::int64_t milliseconds() const { return mMs; }
    double days() const { return static_cast<double>(mMs) / static_cast<double>(kMsPerDay); }
    bool isZero() const { return mMs == 0; }

    // The whole-day part (floor) and the date components.
    std::int64_t dayNumber() const;
    DateTimeValue date() const { return DateTimeValue(dayNumber() * kMsPerDay); }
    int year() const;
    int month() const;
    int day() const;
    int hour() const;
    int minute() const;
    int second() const;
    int millisecond() const;

    // "yyyy/mm/dd hh:nn:ss", "yyyy/mm/dd", "hh:nn:ss".
    QString toString() const;
    QString toDateString() const;
    QString toTimeString() const;

    constexpr auto operator<=>(const DateTimeValue&) const = default;
    constexpr DateTimeValue operator+(std::int64_t ms) const { return DateTimeValue(mMs + ms); }
    constexpr DateTimeValue operator-(std::int64_t ms) const { return DateTimeValue(mMs - ms); }
    constexpr std::int64_t operator-(const DateTimeValue& o) const { return mMs - o.mMs; }

    // Civil calendar helpers (proleptic Gregorian), days relative to 1899-12-30.
    static std::int64_t daysFromCivil(int year, int month, int day);
    static void civilFromDays(std::int64_t days, int& year, int& month, int& day);
    static bool isValidDate(int year, int month, int day);

  private:
    constexpr explicit DateTimeValue(std::int64_t ms) : mMs(ms) {}
    std::int64_t mMs = 0;
};
