#include "core/seasonsigns.h"

#include "core/rangewalk.h"

#include <array>

namespace tarvenik {

namespace {

// Most trees hold two ranges half a year apart; "Topol" holds three.
constexpr std::array<SignRange, 40> kCelticTrees{{
    {"Jabloň", 1, 1, 1, 1},
    {"Jedle", 1, 2, 1, 11},
    {"Jilm", 1, 12, 1, 24},
    {"Cypřiš", 1, 25, 2, 3},
    {"Topol", 2, 4, 2, 8},
    {"Cedr", 2, 9, 2, 18},
    // Ends on 29 February: the date check lets that day through only in a leap year.
    {"Borovice", 2, 19, 2, 29},
    {"Vrba", 3, 1, 3, 10},
    {"Lípa", 3, 11, 3, 20},
    {"Dub", 3, 21, 3, 21},
    {"Líska", 3, 22, 3, 31},
    {"Jeřáb", 4, 1, 4, 10},
    {"Javor", 4, 11, 4, 20},
    {"Ořešák", 4, 21, 4, 30},
    {"Topol", 5, 1, 5, 14},
    {"Kaštan", 5, 15, 5, 24},
    {"Jasan", 5, 25, 6, 3},
    {"Habr", 6, 4, 6, 13},
    {"Fíkovník", 6, 14, 6, 23},
    {"Bříza", 6, 24, 6, 24},
    {"Jabloň", 6, 25, 7, 4},
    {"Jedle", 7, 5, 7, 14},
    {"Jilm", 7, 15, 7, 25},
    {"Cypřiš", 7, 26, 8, 4},
    {"Topol", 8, 5, 8, 13},
    {"Cedr", 8, 14, 8, 23},
    {"Borovice", 8, 24, 9, 2},
    {"Vrba", 9, 3, 9, 12},
    {"Lípa", 9, 13, 9, 22},
    {"Oliva", 9, 23, 9, 23},
    {"Líska", 9, 24, 10, 3},
    {"Jeřáb", 10, 4, 10, 13},
    {"Javor", 10, 14, 10, 28},
    {"Ořešák", 10, 29, 11, 11},
    {"Kaštan", 11, 12, 11, 21},
    {"Jasan", 11, 22, 12, 1},
    {"Habr", 12, 2, 12, 11},
    {"Fíkovník", 12, 12, 12, 21},
    {"Buk", 12, 22, 12, 22},
    {"Jabloň", 12, 23, 12, 31},
}};
static_assert(coversLeapYearOnce(kCelticTrees));

constexpr std::array<SignRange, 12> kEgyptianGods{{
    {"Amon - Rea", 1, 30, 3, 1},
    {"Mut", 3, 2, 4, 3},
    {"Eset", 4, 4, 5, 6},
    {"Horus", 5, 7, 6, 8},
    {"Geb", 6, 9, 7, 12},
    {"Sachmet", 7, 13, 8, 14},
    {"Toth", 8, 15, 9, 16},
    {"Sutech", 9, 17, 10, 20},
    {"Usir", 10, 21, 11, 25},
    {"Anubis", 11, 26, 12, 28},
    {"Hathor", 12, 29, 12, 31},
    {"Hathor", 1, 1, 1, 29},
}};
static_assert(coversLeapYearOnce(kEgyptianGods));

constexpr std::array<SignRange, 13> kCyclicPeriods{{
    {"Doba ticha", 1, 20, 2, 18},
    {"Doba obnovy", 2, 19, 3, 20},
    {"Doba probuzení", 3, 21, 4, 19},
    {"Doba růstu", 4, 20, 5, 20},
    {"Doba rozkvětu", 5, 21, 6, 20},
    {"Doba dlouhých dnů", 6, 21, 7, 21},
    {"Doba zrání", 7, 22, 8, 21},
    {"Doba žní", 8, 22, 9, 21},
    {"Doba padajícího listí", 9, 22, 10, 22},
    {"Doba prvních mrazů", 10, 23, 11, 22},
    {"Doba dlouhých nocí", 11, 23, 12, 21},
    {"Doba hlubokého spánku", 12, 22, 12, 31},
    {"Doba hlubokého spánku", 1, 1, 1, 19},
}};
static_assert(coversLeapYearOnce(kCyclicPeriods));

constexpr auto kNativeAnimals =
    renamed(kCyclicPeriods, {"Vydra", "Vlk", "Sokol", "Bobr", "Jelen", "Datel", "Losos", "Medvěd",
                             "Havran", "Had", "Sova", "Husa", "Husa"});

} // namespace

std::string celticTree(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kCelticTrees, year, month, day);
}

std::string egyptianGod(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kEgyptianGods, year, month, day);
}

std::string cyclicPeriod(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kCyclicPeriods, year, month, day);
}

std::string nativeAnimal(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kNativeAnimals, year, month, day);
}

} // namespace tarvenik
