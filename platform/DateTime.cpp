#include "platform/DateTime.h"

#include "platform/text.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace tarvenik {

namespace {

namespace chr = std::chrono;

constexpr chr::sys_days kEpoch{chr::year{1899} / chr::December / 30};

constexpr int kMsPerMinute = 60'000;
constexpr int kMsPerHour = 60 * kMsPerMinute;

std::int64_t civilToDays(int y, int m, int d) {
    const chr::sys_days sd{chr::year{y} / chr::month{static_cast<unsigned>(m)} /
                           chr::day{static_cast<unsigned>(d)}};
    return (sd - kEpoch).count();
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

void appendNumber(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    }
    out += digits;
}

// Reads an unsigned decimal of 1..maxDigits digits at pos.
std::optional<int> readNumber(std::string_view s, std::size_t& pos, std::size_t maxDigits) {
    std::size_t start = pos;
    int value = 0;
    while (pos < s.size() && pos - start < maxDigits && s[pos] >= '0' && s[pos] <= '9') {
        value = value * 10 + (s[pos] - '0');
        ++pos;
    }
    if (pos == start) {
        return std::nullopt;
    }
    return value;
}

bool expect(std::string_view s, std::size_t& pos, char c) {
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) {
        return 0;
    }
    return (m == 2 && isLeapYear(y)) ? 29 : kDays[m - 1];
}

bool isValidDate(int y, int m, int d) {
    return y >= 1 && y <= 9999 && d >= 1 && d <= daysInMonth(y, m);
}

DateTime DateTime::fromDays(double days) {
    return DateTime(static_cast<std::int64_t>(std::llround(days * msPerDay)));
}

std::optional<DateTime> DateTime::fromDate(int y, int m, int d, int h, int mi, int s, int ms) {
    if (!isValidDate(y, m, d) || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59 ||
        ms < 0 || ms > 999) {
        return std::nullopt;
    }
    const std::int64_t timeMs =
        std::int64_t{h} * kMsPerHour + std::int64_t{mi} * kMsPerMinute + s * 1000 + ms;
    return DateTime(civilToDays(y, m, d) * msPerDay + timeMs);
}

std::int64_t DateTime::dayNumber() const {
    return floorDiv(m_ms, msPerDay);
}

CalendarFields DateTime::fields() const {
    const std::int64_t dn = dayNumber();
    const chr::year_month_day ymd{kEpoch + chr::days{dn}};
    std::int64_t rest = m_ms - dn * msPerDay;
    CalendarFields f;
    f.year = static_cast<int>(ymd.year());
    f.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    f.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    f.hour = static_cast<int>(rest / kMsPerHour);
    rest %= kMsPerHour;
    f.minute = static_cast<int>(rest / kMsPerMinute);
    rest %= kMsPerMinute;
    f.second = static_cast<int>(rest / 1000);
    f.millisecond = static_cast<int>(rest % 1000);
    return f;
}

int DateTime::dayOfWeek() const {
    // 30.12.1899 was a Saturday (6).
    return static_cast<int>(((dayNumber() + 5) % 7 + 7) % 7) + 1;
}

std::string DateTime::format(std::string_view pattern) const {
    const CalendarFields f = fields();
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) {
            ++run;
        }
        int width = run >= 2 ? 2 : 1;
        int value = 0;
        switch (c) {
        case 'd':
            value = f.day;
            break;
        case 'M':
            value = f.month;
            break;
        case 'H':
            value = f.hour;
            break;
        case 'm':
            value = f.minute;
            break;
        case 's':
            value = f.second;
            break;
        case 'y':
            value = run >= 4 ? f.year : f.year % 100;
            width = run >= 4 ? 4 : 2;
            break;
        case 'z':
            value = f.millisecond;
            width = 3;
            break;
        default:
            out.append(run, c);
            i += run;
            continue;
        }
        appendNumber(out, value, width);
        i += run;
    }
    return out;
}

std::string DateTime::shortDate() const {
    return format("d.M.yyyy");
}
std::string DateTime::longTime() const {
    return format("H:mm:ss");
}
std::string DateTime::paddedDate() const {
    return format("dd.MM.yyyy");
}
std::string DateTime::shortTime() const {
    return format("HH:mm");
}

std::optional<DateTime> DateTime::parseShortDate(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    std::size_t pos = 0;
    const auto d = readNumber(s, pos, 2);
    if (!d || !expect(s, pos, '.')) {
        return std::nullopt;
    }
    const auto m = readNumber(s, pos, 2);
    if (!m || !expect(s, pos, '.')) {
        return std::nullopt;
    }
    const std::size_t yearStart = pos;
    const auto y = readNumber(s, pos, 4);
    if (!y || pos - yearStart != 4 || pos != s.size()) {
        return std::nullopt;
    }
    return fromDate(*y, *m, *d);
}

std::optional<DateTime> DateTime::parseTime(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    std::size_t pos = 0;
    const auto h = readNumber(s, pos, 2);
    if (!h || !expect(s, pos, ':')) {
        return std::nullopt;
    }
    const auto m = readNumber(s, pos, 2);
    if (!m) {
        return std::nullopt;
    }
    std::optional<int> sec = 0;
    if (expect(s, pos, ':')) {
        sec = readNumber(s, pos, 2);
    }
    if (!sec || pos != s.size() || *h > 23 || *m > 59 || *sec > 59) {
        return std::nullopt;
    }
    return fromMs(std::int64_t{*h} * kMsPerHour + std::int64_t{*m} * kMsPerMinute + *sec * 1000);
}

DateTime inYear(DateTime moment, int year) {
    const CalendarFields f = moment.fields();
    const int day = std::min(f.day, daysInMonth(year, f.month));
    const auto moved =
        DateTime::fromDate(year, f.month, day, f.hour, f.minute, f.second, f.millisecond);
    return moved ? *moved : moment;
}

} // namespace tarvenik
