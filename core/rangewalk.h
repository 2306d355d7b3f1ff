#pragma once
// The range walk shared by the calendar sign systems: a table of inclusive day-and-month
// ranges within one year, walked top to bottom for a single date.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tarvenik {

struct SignRange {
    std::string_view name;
    int fromMonth;
    int fromDay;
    int toMonth;
    int toDay;
};

// Inside one year, comparing dates by whole days is comparing (month, day) in that order.
constexpr int monthDayKey(int month, int day) {
    return month * 32 + day;
}

constexpr bool rangeContains(const SignRange& row, int month, int day) {
    const int key = monthDayKey(month, day);
    return monthDayKey(row.fromMonth, row.fromDay) <= key &&
           key <= monthDayKey(row.toMonth, row.toDay);
}

// The name of the row that holds the date; empty for an impossible date or when no row does.
std::string walkRanges(std::span<const SignRange> rows, int year, int month, int day);

// The same ranges under other names, for systems that share their dates with another.
template <std::size_t N>
constexpr std::array<SignRange, N> renamed(const std::array<SignRange, N>& rows,
                                           const std::array<std::string_view, N>& names) {
    std::array<SignRange, N> result = rows;
    for (std::size_t i = 0; i < N; ++i) {
        result[i].name = names[i];
    }
    return result;
}

// Every day of a leap year lies in exactly one row, and no row is empty or unnamed. The
// tables assert this at compile time, so a mistyped boundary cannot leave a gap or overlap.
template <std::size_t N> constexpr bool coversLeapYearOnce(const std::array<SignRange, N>& rows) {
    constexpr std::array<int, 12> monthLength{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (const SignRange& row : rows) {
        if (row.name.empty() ||
            monthDayKey(row.fromMonth, row.fromDay) > monthDayKey(row.toMonth, row.toDay)) {
            return false;
        }
    }
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= monthLength[static_cast<std::size_t>(month - 1)]; ++day) {
            int hits = 0;
            for (const SignRange& row : rows) {
                hits += rangeContains(row, month, day) ? 1 : 0;
            }
            if (hits != 1) {
                return false;
            }
        }
    }
    return true;
}

} // namespace tarvenik
