#include "core/chinese.h"

#include "core/rangewalk.h"

#include <array>
#include <cstddef>

namespace tarvenik {

namespace {

// Indexed by (year - 2000) reduced to 0-11; 2000 was a year of the dragon.
constexpr std::array<std::string_view, 12> kAnimalsFrom2000{
    "Drak", "Had",  "Kůň", "Beran", "Opice", "Kohout",
    "Pes",  "Vepř", "Myš", "Bůvol", "Tygr",  "Králík",
};

constexpr std::array<SignRange, 5> kSeasons{{
    {"Jaro", 2, 4, 5, 4},
    {"Léto", 5, 5, 8, 6},
    {"Podzim", 8, 7, 11, 6},
    {"Zima", 11, 7, 12, 31},
    {"Zima", 1, 1, 2, 3},
}};
static_assert(coversLeapYearOnce(kSeasons));

// Sections 1-7 of one season; a section with a single animal leaves the second name empty.
struct ImperialSeason {
    std::string_view season;
    std::array<std::array<std::string_view, 2>, 7> sections;
};

constexpr std::array<ImperialSeason, 4> kImperialSections{{
    {"Jaro",
     {{{"Kůň", ""},
       {"Had", "Beran"},
       {"Drak", "Opice"},
       {"Myš", ""},
       {"Králík", "Pes"},
       {"Vepř", "Kohout"},
       {"Tygr", "Bůvol"}}}},
    {"Léto",
     {{{"Myš", ""},
       {"Beran", "Králík"},
       {"Had", "Vepř"},
       {"Kůň", ""},
       {"Kohout", "Bůvol"},
       {"Drak", "Pes"},
       {"Tygr", "Opice"}}}},
    {"Podzim",
     {{{"Tygr", ""},
       {"Kůň", "Myš"},
       {"Králík", "Kohout"},
       {"Opice", ""},
       {"Beran", "Bůvol"},
       {"Pes", "Drak"},
       {"Had", "Vepř"}}}},
    {"Zima",
     {{{"Had", ""},
       {"Králík", "Kohout"},
       {"Myš", "Kůň"},
       {"Vepř", ""},
       {"Drak", "Tygr"},
       {"Bůvol", "Beran"},
       {"Pes", "Opice"}}}},
}};

// Each season places every animal in exactly one section and names nothing else.
constexpr bool everySeasonPlacesEveryAnimalOnce() {
    for (const ImperialSeason& season : kImperialSections) {
        int placed = 0;
        for (const auto& section : season.sections) {
            for (std::string_view name : section) {
                placed += name.empty() ? 0 : 1;
            }
        }
        if (placed != 12) {
            return false;
        }
        for (std::string_view animal : kAnimalsFrom2000) {
            int hits = 0;
            for (const auto& section : season.sections) {
                hits += (section[0] == animal ? 1 : 0) + (section[1] == animal ? 1 : 0);
            }
            if (hits != 1) {
                return false;
            }
        }
    }
    return true;
}
static_assert(everySeasonPlacesEveryAnimalOnce());

} // namespace

std::string chineseAnimal(int year) {
    // Widened so that years near the ends of int cannot overflow the subtraction.
    const long long offset = static_cast<long long>(year) - 2000;
    const long long k = ((offset % 12) + 12) % 12;
    return std::string(kAnimalsFrom2000[static_cast<std::size_t>(k)]);
}

std::string chineseSeason(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return walkRanges(kSeasons, year, month, day);
}

std::optional<int> imperialGroup(std::string_view season, std::string_view animal) {
    // Without this an empty animal would match the blank half of a single-animal section.
    if (animal.empty()) {
        return std::nullopt;
    }
    for (const ImperialSeason& entry : kImperialSections) {
        if (entry.season != season) {
            continue;
        }
        for (std::size_t i = 0; i < entry.sections.size(); ++i) {
            if (entry.sections[i][0] == animal || entry.sections[i][1] == animal) {
                return static_cast<int>(i) + 1;
            }
        }
    }
    return std::nullopt;
}

} // namespace tarvenik
