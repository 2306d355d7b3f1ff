#pragma once
// Chinese astrology: the animal of the calendar year, the season of the birth date (the sign
// of the imperial horoscope) and the section of a season's imperial text for an animal.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvenik {

// Animal of the calendar year; it changes on 1 January, not at the Chinese New Year.
std::string chineseAnimal(int year);

// "Jaro", "Léto", "Podzim" or "Zima"; empty for an impossible date.
std::string chineseSeason(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// Section 1-7 of the season's imperial text that speaks of the animal; none when either name
// is unknown. Names compare exactly, diacritics and case included.
std::optional<int> imperialGroup(std::string_view season, std::string_view animal);

} // namespace tarvenik
