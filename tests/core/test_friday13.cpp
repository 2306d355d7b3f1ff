#include "core/friday13.h"

#include <gtest/gtest.h>

namespace tarvenik {
void PrintTo(const YearMonth& m, std::ostream* os) {
    *os << m.month << "/" << m.year;
}
} // namespace tarvenik

using namespace tarvenik;
using Months = std::vector<YearMonth>;

namespace {

// Sakamoto's weekday formula, 0 = Sunday: written independently of <chrono>.
int weekdayOf(int y, int m, int d) {
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) {
        y -= 1;
    }
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

} // namespace

TEST(FridayThe13th, ListsTheMonthsOfTheRange) {
    const struct {
        int first, last;
        Months months;
    } cases[] = {
        {2026, 2026, {{2026, 2}, {2026, 3}, {2026, 11}}},
        {2027, 2027, {{2027, 8}}},
        {2026, 2027, {{2026, 2}, {2026, 3}, {2026, 11}, {2027, 8}}},
        {2027, 2026, {}}, // reversed range
        {1, 1, {{1, 4}, {1, 7}}},
        {9999, 9999, {{9999, 8}}},
        {-5, 0, {{1, 4}, {1, 7}}}, // kept within the calendar's years
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fridayThe13ths(c.first, c.last), c.months) << c.first << "-" << c.last;
    }
}

TEST(FridayThe13th, EveryYearHasOneToThreeAndEachIsAFriday) {
    const Months all = fridayThe13ths(1, 9999);
    std::vector<int> perYear(10000, 0);
    for (std::size_t i = 0; i < all.size(); ++i) {
        ++perYear[static_cast<std::size_t>(all[i].year)];
        if (i > 0) {
            ASSERT_LT(all[i - 1].year * 12 + all[i - 1].month, all[i].year * 12 + all[i].month);
        }
    }
    for (int y = 1; y <= 9999; ++y) {
        ASSERT_GE(perYear[static_cast<std::size_t>(y)], 1) << y;
        ASSERT_LE(perYear[static_cast<std::size_t>(y)], 3) << y;
    }
    // Every 13th of the calendar: listed exactly when the independent formula says Friday.
    std::size_t next = 0;
    for (int y = 1; y <= 9999; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const bool listed = next < all.size() && all[next] == YearMonth{y, m};
            ASSERT_EQ(listed, weekdayOf(y, m, 13) == 5) << y << "-" << m;
            next += listed ? 1 : 0;
        }
    }
    EXPECT_EQ(next, all.size());
}
