#include "core/chinese.h"
#include "tests/core/signcheck.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <map>
#include <string>

namespace tarvenik {
namespace {

TEST(ChineseAnimal, KnownYears) {
    struct Row {
        int year;
        const char* animal;
    };
    constexpr Row rows[] = {
        {2000, "Drak"},   {2001, "Had"},    {2002, "Kůň"},       {2003, "Beran"},  {2004, "Opice"},
        {2005, "Kohout"}, {2006, "Pes"},    {2007, "Vepř"},      {2008, "Myš"},    {2009, "Bůvol"},
        {2010, "Tygr"},   {2011, "Králík"}, {2012, "Drak"},      {1999, "Králík"}, {1988, "Drak"},
        {1989, "Had"},    {1900, "Myš"},    {1899, "Vepř"},      {1, "Kohout"},    {0, "Opice"},
        {-1, "Beran"},    {-12, "Opice"},   {INT_MAX, "Králík"}, {INT_MIN, "Myš"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(chineseAnimal(row.year), row.animal) << row.year;
    }
}

// The reduction of a negative difference is where a naive % goes wrong, so compare against
// the rule in its other form: d = 2000 - year, remainder with the sign of d.
TEST(ChineseAnimal, AgreesWithTheSignedRemainderRule) {
    const std::map<int, std::string> byRemainder{
        {0, "Drak"},   {1, "Králík"}, {-11, "Králík"}, {2, "Tygr"},  {-10, "Tygr"}, {3, "Bůvol"},
        {-9, "Bůvol"}, {4, "Myš"},    {-8, "Myš"},     {5, "Vepř"},  {-7, "Vepř"},  {6, "Pes"},
        {-6, "Pes"},   {7, "Kohout"}, {-5, "Kohout"},  {8, "Opice"}, {-4, "Opice"}, {9, "Beran"},
        {-3, "Beran"}, {10, "Kůň"},   {-2, "Kůň"},     {11, "Had"},  {-1, "Had"},
    };
    for (int year = -2500; year <= 4500; ++year) {
        EXPECT_EQ(chineseAnimal(year), byRemainder.at((2000 - year) % 12)) << year;
    }
}

TEST(ChineseSeason, FirstAndLastDayOfEveryRange) {
    test::expectSigns(chineseSeason, {
                                         {1, 1, "Zima"},
                                         {2, 3, "Zima"},
                                         {2, 4, "Jaro"},
                                         {2, 29, "Jaro"},
                                         {5, 4, "Jaro"},
                                         {5, 5, "Léto"},
                                         {8, 6, "Léto"},
                                         {8, 7, "Podzim"},
                                         {11, 6, "Podzim"},
                                         {11, 7, "Zima"},
                                         {12, 31, "Zima"},
                                     });
}

TEST(ImperialGroup, KnownSections) {
    struct Row {
        const char* season;
        const char* animal;
        int section;
    };
    constexpr Row rows[] = {
        {"Jaro", "Kůň", 1},   {"Léto", "Kůň", 4},     {"Zima", "Opice", 7},  {"Podzim", "Drak", 6},
        {"Jaro", "Bůvol", 7}, {"Léto", "Myš", 1},     {"Podzim", "Tygr", 1}, {"Zima", "Had", 1},
        {"Zima", "Vepř", 4},  {"Podzim", "Opice", 4}, {"Jaro", "Kohout", 6}, {"Léto", "Bůvol", 5},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(imperialGroup(row.season, row.animal), row.section)
            << row.season << ' ' << row.animal;
    }
}

// Every season name the calculator produces, with every animal it produces, finds a section;
// sections 1 and 4 hold one animal, the others two.
TEST(ImperialGroup, EverySeasonPlacesAllTwelveAnimals) {
    for (const char* season : {"Jaro", "Léto", "Podzim", "Zima"}) {
        std::array<int, 8> perSection{};
        for (int year = 2000; year < 2012; ++year) {
            const auto section = imperialGroup(season, chineseAnimal(year));
            ASSERT_TRUE(section.has_value()) << season << ' ' << chineseAnimal(year);
            ASSERT_GE(*section, 1);
            ASSERT_LE(*section, 7);
            ++perSection[static_cast<std::size_t>(*section)];
        }
        EXPECT_EQ(perSection, (std::array<int, 8>{0, 1, 2, 2, 1, 2, 2, 2})) << season;
    }
    for (std::uint16_t month = 1; month <= 12; ++month) {
        EXPECT_TRUE(imperialGroup(chineseSeason(2000, month, 15), "Pes").has_value()) << month;
    }
}

TEST(ImperialGroup, UnknownNamesHaveNoSection) {
    constexpr std::array<std::array<const char*, 2>, 9> rows{{
        {"jaro", "Kůň"},
        {"Jaro", "kůň"},
        {"Jaro", "Kun"},
        {"JARO", "Kůň"},
        {"Zima ", "Pes"},
        {"Léto", "Kočka"},
        {"", "Kůň"},
        {"Jaro", ""},
        {"", ""},
    }};
    for (const auto& [season, animal] : rows) {
        EXPECT_EQ(imperialGroup(season, animal), std::nullopt) << season << '/' << animal;
    }
}

} // namespace
} // namespace tarvenik
