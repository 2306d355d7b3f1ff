#pragma once
// Signs of the twelve-part solar year: the sun sign (also used by the "true" horoscope), its
// Indian names, and the Gypsy symbols with their own boundaries from 21 June on.

#include <cstdint>
#include <string>

namespace tarvenik {

// Each returns the sign name, or the empty text for an impossible date. The year only makes
// the date checkable; it never changes the sign.
std::string sunSign(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string indianSign(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string gypsySign(std::uint16_t year, std::uint16_t month, std::uint16_t day);

} // namespace tarvenik
