#include "core/zodiac.h"

#include "core/rangewalk.h"

#include <array>

namespace tarvenik {

namespace {

constexpr std::array<SignRange, 13> kSunRanges{{
    {"Kozoroh", 1, 1, 1, 20},
    {"Vodnář", 1, 21, 2, 19},
    {"Ryby", 2, 20, 3, 20},
    {"Beran", 3, 21, 4, 20},
    {"Býk", 4, 21, 5, 20},
    {"Blíženci", 5, 21, 6, 21},
    {"Rak", 6, 22, 7, 22},
    {"Lev", 7, 23, 8, 23},
    {"Panna", 8, 24, 9, 23},
    {"Váhy", 9, 24, 10, 23},
    {"Štír", 10, 24, 11, 22},
    {"Střelec", 11, 23, 12, 21},
    {"Kozoroh", 12, 22, 12, 31},
}};
static_assert(coversLeapYearOnce(kSunRanges));

constexpr auto kIndianRanges =
    renamed(kSunRanges, {"Makara", "Kumbha", "Mina", "Mesha", "Vrishabha", "Mithuna", "Kataka",
                         "Simha", "Kanya", "Tula", "Vrischika", "Dhanus", "Makara"});

constexpr std::array<SignRange, 13> kGypsyRanges{{
    {"Podkova", 1, 1, 1, 20},
    {"Kalich", 1, 21, 2, 19},
    {"Kaple", 2, 20, 3, 20},
    {"Dýka", 3, 21, 4, 20},
    {"Koruna", 4, 21, 5, 20},
    {"Svíčka", 5, 21, 6, 20},
    {"Kolo od vozu", 6, 21, 7, 21},
    {"Hvězda", 7, 22, 8, 22},
    {"Zvon", 8, 23, 9, 22},
    {"Mince", 9, 23, 10, 22},
    {"Meč", 10, 23, 11, 21},
    {"Sekera", 11, 22, 12, 21},
    {"Podkova", 12, 22, 12, 31},
}};
static_assert(coversLeapYearOnce(kGypsyRanges));

} // namespace

std::string sunSign(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kSunRanges, year, month, day);
}

std::string indianSign(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kIndianRanges, year, month, day);
}

std::string gypsySign(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kGypsyRanges, year, month, day);
}

} // namespace tarvenik
