#pragma once
// Czech weekday and month names as the report writes them.

#include <array>
#include <string_view>

namespace tarvenik {

// Monday first, as DateTime::dayOfWeek counts (1 = Monday).
inline constexpr std::array<std::string_view, 7> kWeekdayNames{
    "pondělí", "úterý", "středa", "čtvrtek", "pátek", "sobota", "neděle"};

inline constexpr std::array<std::string_view, 12> kMonthNames{
    "leden",    "únor",  "březen", "duben", "květen",   "červen",
    "červenec", "srpen", "září",   "říjen", "listopad", "prosinec"};

} // namespace tarvenik
