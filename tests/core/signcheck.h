#pragma once
// Shared checks for the calculators that map a calendar date to a sign name.

#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvenik::test {

using DateSign = std::string (*)(std::uint16_t, std::uint16_t, std::uint16_t);

struct DaySign {
    int month;
    int day;
    std::string_view expected;
};

// Leap and common years, near both ends of the calendar too: the year must never matter.
inline constexpr std::array<int, 7> kSampleYears{1, 1900, 1950, 2000, 2001, 2024, 9999};

// Checks each day in every sample year where that day exists (29 February only in leap ones).
inline void expectSigns(DateSign sign, std::initializer_list<DaySign> rows) {
    for (const DaySign& row : rows) {
        for (int year : kSampleYears) {
            if (!isValidDate(year, row.month, row.day)) {
                continue;
            }
            EXPECT_EQ(sign(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(row.month),
                           static_cast<std::uint16_t>(row.day)),
                      row.expected)
                << row.day << '.' << row.month << '.' << year;
        }
    }
}

} // namespace tarvenik::test
