#pragma once
// The ascendant: the sign rising at the local clock time of birth, looked up in a table of
// 36 date periods by 48 half-hours. Neither the year nor the place of birth enters.

#include <cstdint>
#include <string>

namespace tarvenik {

// Date period 1-36 (1 starts on 21 March), 0 when none. The day is taken as a plain number
// 1-31 whatever the month's length, so 31 June is a period of its own like any other day.
int decanIndex(std::uint16_t month, std::uint16_t day);

// Half-hour column 1-48 (1 = 00:00-00:29), 0 for an hour above 23 or a minute above 59.
int halfHourIndex(std::uint16_t hour, std::uint16_t minute);

// Zodiac sign name; empty for an impossible month, hour or minute or a day outside 1-31.
std::string ascendantSign(std::uint16_t month, std::uint16_t day, std::uint16_t hour,
                          std::uint16_t minute);

} // namespace tarvenik
