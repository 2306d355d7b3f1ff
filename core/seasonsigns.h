#pragma once
// Tree, god and animal signs tied to days of the year: the Celtic tree, the Egyptian god,
// the cyclic period of the natural year and the Native American animal that shares its dates.

#include <cstdint>
#include <string>

namespace tarvenik {

// Each returns the sign name, or the empty text for an impossible date.
std::string celticTree(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string egyptianGod(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string cyclicPeriod(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string nativeAnimal(std::uint16_t year, std::uint16_t month, std::uint16_t day);

} // namespace tarvenik
