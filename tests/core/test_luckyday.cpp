#include "core/luckyday.h"

#include <gtest/gtest.h>

using namespace tarvenik;

namespace {

DateTime on(int y, int m, int d) {
    return *DateTime::fromDate(y, m, d);
}

} // namespace

TEST(LuckyDay, FollowsTheStepsFromToday) {
    const DateTime born = on(1980, 1, 1); // base 1980
    const struct {
        const char* what;
        DateTime today;
        int period;
        DateTime own;
        std::optional<DateTime> partner;
        int number, animal;
        LuckyDate result;
    } cases[] = {
        // V = 6930, offset 17 into a month of 31 days.
        {"same month", on(2026, 12, 8), 31, born, {}, 50, 1, {25, 12, 2026}},
        {"past the 31st, one off in February", on(2026, 1, 20), 31, born, {}, 50, 1, {6, 2, 2026}},
        {"into the next year", on(2026, 12, 20), 31, born, {}, 50, 1, {7, 1, 2027}},
        {"the 30th of December", on(2026, 12, 13), 31, born, {}, 50, 1, {2, 1, 2027}},
        {"the 29th", on(2026, 7, 12), 31, born, {}, 50, 1, {1, 8, 2026}},
        {"the 30th after a day off", on(2026, 4, 14), 31, born, {}, 50, 1, {2, 5, 2026}},
        {"March gains two", on(2026, 3, 10), 31, born, {}, 50, 1, {1, 4, 2026}},
        {"the 31st of March stays", on(2026, 3, 12), 31, born, {}, 50, 1, {31, 3, 2026}},
        // Partner: base (1980 + 1975) / 2 = 1977.5, V = 6921.25, offset 8.
        {"with a partner", on(2026, 12, 8), 31, born, on(1975, 1, 1), 50, 1, {16, 12, 2026}},
        // 1.1.1975, number 2, cat: V = 276.5 exactly; the half goes to the even neighbour.
        {"half up to even", on(2026, 1, 1), 7, on(1975, 1, 1), {}, 2, 1, {5, 1, 2026}},
        {"half down to even", on(2026, 1, 1), 14, on(1975, 1, 1), {}, 2, 1, {11, 1, 2026}},
        // Two years ahead: the month loop runs many times.
        {"long period", on(2026, 12, 8), 730, born, {}, 99, 6, {6, 7, 2028}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(luckyDay(c.today, c.period, c.own, c.partner, c.number, c.animal), c.result)
            << c.what;
    }
}

// Offset 0 (V = 6930 is a whole number of weeks) on the 1st of a month that loses a day,
// and the 32nd and 33rd of March: carried over to the real calendar day.
TEST(LuckyDay, DaysOutsideTheMonthAreCarriedOver) {
    const DateTime born = on(1980, 1, 1);
    const struct {
        DateTime today;
        int period;
        LuckyDate result;
    } cases[] = {
        {on(2026, 2, 1), 7, {31, 1, 2026}},  {on(2026, 4, 1), 7, {31, 3, 2026}},
        {on(2026, 6, 1), 7, {31, 5, 2026}},  {on(2026, 8, 1), 7, {31, 7, 2026}},
        {on(2026, 9, 1), 7, {31, 8, 2026}},  {on(2026, 11, 1), 7, {31, 10, 2026}},
        {on(2026, 3, 13), 31, {1, 4, 2026}}, {on(2026, 3, 14), 31, {2, 4, 2026}},
        {on(2026, 5, 1), 7, {1, 5, 2026}}, // a month without the rule keeps its 1st
    };
    for (const auto& c : cases) {
        EXPECT_EQ(luckyDay(c.today, c.period, born, std::nullopt, 50, 1), c.result)
            << c.today.shortDate();
    }
}

TEST(LuckyDay, ResultIsAlwaysARealDateNeverThe29thOr30th) {
    for (int period : {7, 31, 180}) {
        for (int day = 0; day < 400; ++day) {
            const DateTime today = on(2026, 1, 1).addDays(day);
            for (int number = 1; number <= 99; number += 7) {
                const LuckyDate d =
                    luckyDay(today, period, on(1970 + number % 20, 1 + number % 12, 1 + number),
                             std::nullopt, number, 1 + number % 6);
                ASSERT_TRUE(isValidDate(d.year, d.month, d.day))
                    << d.day << "." << d.month << "." << d.year;
                ASSERT_NE(d.day, 29);
                ASSERT_NE(d.day, 30);
            }
        }
    }
}

TEST(LuckyDay, Message) {
    EXPECT_EQ(luckyDayMessage({25, 12, 2026}), "Váš šťastný den je 25. 12. 2026 \rHodně štěstí!");
    EXPECT_EQ(luckyDayMessage({2, 1, 2027}), "Váš šťastný den je 2. 1. 2027 \rHodně štěstí!");
}
