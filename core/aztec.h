#pragma once
// The Aztec day sign: a day count from the date and a key of the birth year, taken
// cyclically through twenty signs.

#include <cstdint>
#include <string>

namespace tarvenik {

// Key of the birth years 1910-2003; 0 for every other year.
int aztecYearKey(int year);

// Day of the year as a common year counts it, plus the year key (1-384); 0 for an
// impossible date. 29 February and 1 March share a number.
int aztecDayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// Sign name, or the empty text for an impossible date.
std::string aztecSign(std::uint16_t year, std::uint16_t month, std::uint16_t day);

} // namespace tarvenik
