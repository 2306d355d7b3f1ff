#pragma once
// The lucky-day calculator "Šťastný den": birth dates, a chosen number and a favourite
// animal give an offset into the coming period, which is added to today's date by the
// calculator's own month rules (they never land on a 29th or 30th).

#include "platform/DateTime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvenik {

struct LuckyPeriod {
    std::string_view caption;
    int days;
};

// The items of the period list, in order; "1 měsíc" is the preselected one.
inline constexpr std::array<LuckyPeriod, 8> kLuckyPeriods{{
    {"1 týden", 7},
    {"2 týdny", 14},
    {"3 týdny", 21},
    {"1 měsíc", 31},
    {"2 měsíce", 62},
    {"půl roku", 180},
    {"1 rok", 365},
    {"2 roky", 730},
}};
inline constexpr int kLuckyPeriodDefault = 3;

// The animal list; an animal's value is its position counted from 1.
inline constexpr std::array<std::string_view, 6> kLuckyAnimals{"kočka", "pes",    "holub",
                                                               "tygr",  "tučňák", "myš"};

struct LuckyDate {
    int day = 0, month = 0, year = 0;
    bool operator==(const LuckyDate&) const = default;
};

// number 1-99, animal 1-6. A day the rules leave outside its month (the 0th after a first
// of the month, the 32nd or 33rd of March) is carried over to the real calendar day.
LuckyDate luckyDay(DateTime today, int periodDays, DateTime ownBirth,
                   std::optional<DateTime> partnerBirth, int number, int animal);

// "Váš šťastný den je 25. 12. 2026 \rHodně štěstí!"
std::string luckyDayMessage(const LuckyDate& date);

} // namespace tarvenik
