#include "core/aztec.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace tarvenik {
namespace {

TEST(AztecYearKey, TellingYearsAndYearsWithoutAKey) {
    struct Row {
        int year, key;
    };
    constexpr Row rows[] = {
        {1910, 9}, {1911, 14}, {1912, 19}, {1913, 5}, {1916, 0},  {1920, 1},    {1950, 19},
        {1970, 4}, {1980, 16}, {1990, 9},  {2000, 1}, {2001, 7},  {2002, 12},   {2003, 17},
        {1909, 0}, {2004, 0},  {1900, 0},  {0, 0},    {-1910, 0}, {INT_MAX, 0}, {INT_MIN, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(aztecYearKey(row.year), row.key) << row.year;
    }
}

TEST(AztecSign, KnownDays) {
    struct Row {
        std::uint16_t year, month, day;
        int number;
        const char* sign;
    };
    constexpr Row rows[] = {
        {1910, 1, 1, 10, "Ped"},         {1910, 1, 11, 20, "Květina"},
        {1910, 1, 12, 21, "Krokodýl"},   {2002, 12, 31, 377, "Zemětřesení"},
        {1900, 1, 1, 1, "Krokodýl"},     {1916, 1, 20, 20, "Květina"},
        {1950, 12, 31, 384, "Ještěrka"}, // the largest number any date reaches
        {1970, 7, 4, 189, "Voda"},       {2003, 12, 31, 382, "Vítr"},
        {2004, 1, 1, 1, "Krokodýl"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(aztecDayNumber(row.year, row.month, row.day), row.number)
            << row.day << '.' << row.month << '.' << row.year;
        EXPECT_EQ(aztecSign(row.year, row.month, row.day), row.sign)
            << row.day << '.' << row.month << '.' << row.year;
    }
}

// The month offsets are those of a common year, so a leap day does not shift March on.
TEST(AztecSign, LeapDaySharesItsNumberWithFirstOfMarch) {
    for (std::uint16_t year : {1912, 1948, 1996, 2000, 2024}) {
        EXPECT_EQ(aztecDayNumber(year, 2, 29), aztecDayNumber(year, 3, 1)) << year;
        EXPECT_EQ(aztecDayNumber(year, 2, 29), aztecDayNumber(year, 2, 28) + 1) << year;
        EXPECT_EQ(aztecSign(year, 2, 29), aztecSign(year, 3, 1)) << year;
    }
}

TEST(AztecSign, ImpossibleDateHasNoNumber) {
    EXPECT_EQ(aztecDayNumber(2001, 2, 29), 0);
    EXPECT_EQ(aztecDayNumber(2000, 4, 31), 0);
    EXPECT_EQ(aztecDayNumber(2000, 13, 1), 0);
    EXPECT_EQ(aztecDayNumber(2000, 0, 1), 0);
    EXPECT_EQ(aztecSign(2001, 2, 29), "");
}

} // namespace
} // namespace tarvenik
