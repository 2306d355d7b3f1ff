#pragma once
// A point in time as milliseconds since 30.12.1899 00:00, the epoch the data files and
// every span calculation count from. Calendar arithmetic is proleptic Gregorian over the
// years 1 to 9999.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvenik {

bool isLeapYear(int year);
int daysInMonth(int year, int month);           // 0 for a month outside 1-12
bool isValidDate(int year, int month, int day); // also requires year 1-9999

struct CalendarFields {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    auto operator<=>(const CalendarFields&) const = default;
};

class DateTime {
public:
    static constexpr std::int64_t msPerDay = 86'400'000;

    constexpr DateTime() = default;
    static constexpr DateTime fromMs(std::int64_t ms) { return DateTime(ms); }
    // Fractional days since the epoch, rounded to the millisecond.
    static DateTime fromDays(double days);
    // Empty for an impossible date or time, or a year outside 1-9999.
    static std::optional<DateTime> fromDate(int year, int month, int day, int hour = 0,
                                            int minute = 0, int second = 0, int ms = 0);

    constexpr std::int64_t ms() const { return m_ms; }
    double days() const { return static_cast<double>(m_ms) / msPerDay; }
    // Whole days since the epoch, rounded towards earlier days.
    std::int64_t dayNumber() const;
    std::int64_t msOfDay() const { return m_ms - dayNumber() * msPerDay; }

    CalendarFields fields() const;
    int year() const { return fields().year; }
    int month() const { return fields().month; }
    int day() const { return fields().day; }
    int hour() const { return fields().hour; }
    int minute() const { return fields().minute; }
    int second() const { return fields().second; }
    // 1 = Monday ... 7 = Sunday.
    int dayOfWeek() const;

    DateTime datePart() const { return DateTime(dayNumber() * msPerDay); }
    DateTime addMs(std::int64_t ms) const { return DateTime(m_ms + ms); }
    DateTime addDays(std::int64_t days) const { return DateTime(m_ms + days * msPerDay); }

    std::string shortDate() const;  // "d.M.yyyy"   5.3.1975
    std::string longTime() const;   // "H:mm:ss"    7:05:00
    std::string paddedDate() const; // "dd.MM.yyyy" 05.03.1975
    std::string shortTime() const;  // "HH:mm"      07:05
    // Patterns: d dd M MM yy yyyy H HH m mm s ss zzz; every other character is copied.
    std::string format(std::string_view pattern) const;

    // "d.M.yyyy" with one or two digits for day and month and four for the year,
    // leading zeros allowed, surrounding blanks ignored.
    static std::optional<DateTime> parseShortDate(std::string_view text);
    // "H:mm" or "H:mm:ss" (hours 0-23); the result is a time of day on the epoch day.
    static std::optional<DateTime> parseTime(std::string_view text);

    constexpr auto operator<=>(const DateTime&) const = default;

private:
    constexpr explicit DateTime(std::int64_t ms) : m_ms(ms) {}
    std::int64_t m_ms = 0;
};

// The moment moved into another year; 29 February becomes 28 February in a common year.
DateTime inYear(DateTime moment, int year);

} // namespace tarvenik
