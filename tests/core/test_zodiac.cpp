#include "core/core.h"
#include "tests/core/signcheck.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace tarvenik {
namespace {

using test::DateSign;
using test::expectSigns;

TEST(SunSign, FirstAndLastDayOfEveryRange) {
    expectSigns(sunSign, {
                             {1, 1, "Kozoroh"},   {1, 20, "Kozoroh"},  {1, 21, "Vodnář"},
                             {2, 19, "Vodnář"},   {2, 20, "Ryby"},     {2, 29, "Ryby"},
                             {3, 20, "Ryby"},     {3, 21, "Beran"},    {4, 20, "Beran"},
                             {4, 21, "Býk"},      {5, 20, "Býk"},      {5, 21, "Blíženci"},
                             {6, 21, "Blíženci"}, {6, 22, "Rak"},      {7, 22, "Rak"},
                             {7, 23, "Lev"},      {8, 23, "Lev"},      {8, 24, "Panna"},
                             {9, 23, "Panna"},    {9, 24, "Váhy"},     {10, 23, "Váhy"},
                             {10, 24, "Štír"},    {11, 22, "Štír"},    {11, 23, "Střelec"},
                             {12, 21, "Střelec"}, {12, 22, "Kozoroh"}, {12, 31, "Kozoroh"},
                         });
}

TEST(GypsySign, FirstAndLastDayOfEveryRange) {
    expectSigns(gypsySign, {
                               {1, 1, "Podkova"},  {1, 20, "Podkova"},      {1, 21, "Kalich"},
                               {2, 19, "Kalich"},  {2, 20, "Kaple"},        {2, 29, "Kaple"},
                               {3, 20, "Kaple"},   {3, 21, "Dýka"},         {4, 20, "Dýka"},
                               {4, 21, "Koruna"},  {5, 20, "Koruna"},       {5, 21, "Svíčka"},
                               {6, 20, "Svíčka"},  {6, 21, "Kolo od vozu"}, {7, 21, "Kolo od vozu"},
                               {7, 22, "Hvězda"},  {8, 22, "Hvězda"},       {8, 23, "Zvon"},
                               {9, 22, "Zvon"},    {9, 23, "Mince"},        {10, 22, "Mince"},
                               {10, 23, "Meč"},    {11, 21, "Meč"},         {11, 22, "Sekera"},
                               {12, 21, "Sekera"}, {12, 22, "Podkova"},     {12, 31, "Podkova"},
                           });
}

// The Indian signs are the sun signs renamed, so one sweep checks every boundary.
TEST(IndianSign, RenamesTheSunSignOnEveryDay) {
    const std::map<std::string, std::string> indianOf{
        {"Kozoroh", "Makara"}, {"Vodnář", "Kumbha"},  {"Ryby", "Mina"},
        {"Beran", "Mesha"},    {"Býk", "Vrishabha"},  {"Blíženci", "Mithuna"},
        {"Rak", "Kataka"},     {"Lev", "Simha"},      {"Panna", "Kanya"},
        {"Váhy", "Tula"},      {"Štír", "Vrischika"}, {"Střelec", "Dhanus"},
    };
    for (std::uint16_t month = 1; month <= 12; ++month) {
        for (std::uint16_t day = 1; day <= daysInMonth(2000, month); ++day) {
            const auto sun = sunSign(2000, month, day);
            ASSERT_TRUE(indianOf.contains(sun)) << day << '.' << month;
            EXPECT_EQ(indianSign(2000, month, day), indianOf.at(sun)) << day << '.' << month;
        }
    }
}

struct NamedSign {
    const char* name;
    DateSign sign;
};

// Every calculator built on a date, each checked by the same rules below.
constexpr std::array<NamedSign, 9> kDateSigns{{
    {"sunSign", sunSign},
    {"indianSign", indianSign},
    {"gypsySign", gypsySign},
    {"chineseSeason", chineseSeason},
    {"celticTree", celticTree},
    {"egyptianGod", egyptianGod},
    {"cyclicPeriod", cyclicPeriod},
    {"nativeAnimal", nativeAnimal},
    {"aztecSign", aztecSign},
}};

TEST(DateSigns, EveryRealDayHasASign) {
    for (const auto& [name, sign] : kDateSigns) {
        for (int year : {2000, 2001}) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= daysInMonth(year, month); ++day) {
                    EXPECT_FALSE(sign(static_cast<std::uint16_t>(year),
                                      static_cast<std::uint16_t>(month),
                                      static_cast<std::uint16_t>(day))
                                     .empty())
                        << name << ' ' << day << '.' << month << '.' << year;
                }
            }
        }
    }
}

TEST(DateSigns, ImpossibleDateHasNoSign) {
    struct Date {
        std::uint16_t year, month, day;
    };
    constexpr std::array<Date, 12> impossible{{
        {2000, 2, 30},
        {2001, 2, 29},
        {1900, 2, 29}, // divisible by 100, not by 400
        {2000, 4, 31},
        {2000, 6, 31},
        {2000, 0, 1},
        {2000, 13, 1},
        {2000, 1, 0},
        {2000, 1, 32},
        {2000, 12, 32},
        {0, 1, 1},
        {10000, 1, 1},
    }};
    for (const auto& [name, sign] : kDateSigns) {
        for (const Date& date : impossible) {
            EXPECT_EQ(sign(date.year, date.month, date.day), "")
                << name << ' ' << date.day << '.' << date.month << '.' << date.year;
        }
    }
}

// Only the Aztec sign counts with the year; the range-walk signs must not.
TEST(DateSigns, YearNeverChangesTheRangeSigns) {
    for (const auto& [name, sign] : kDateSigns) {
        if (sign == aztecSign) {
            continue;
        }
        for (std::uint16_t month = 1; month <= 12; ++month) {
            for (std::uint16_t day = 1; day <= daysInMonth(2000, month); ++day) {
                const auto reference = sign(2000, month, day);
                for (int year : test::kSampleYears) {
                    if (isValidDate(year, month, day)) {
                        EXPECT_EQ(sign(static_cast<std::uint16_t>(year), month, day), reference)
                            << name << ' ' << day << '.' << month << '.' << year;
                    }
                }
            }
        }
    }
}

TEST(RangeWalk, DayOutsideEveryRowIsEmpty) {
    constexpr std::array<SignRange, 2> rows{{{"A", 1, 1, 1, 31}, {"B", 3, 1, 3, 31}}};
    EXPECT_EQ(walkRanges(rows, 2000, 1, 31), "A");
    EXPECT_EQ(walkRanges(rows, 2000, 2, 15), "");
    EXPECT_EQ(walkRanges(rows, 2000, 3, 1), "B");
    EXPECT_EQ(walkRanges({}, 2000, 3, 1), "");
}

} // namespace
} // namespace tarvenik
