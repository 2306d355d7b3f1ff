#include "core/luckyday.h"

#include <algorithm>
#include <cstdint>

namespace tarvenik {

namespace {

std::int64_t dateProduct(DateTime date) {
    const CalendarFields f = date.fields();
    return std::int64_t{f.day} * f.month * f.year;
}

// round(frac(V / P) * P) with V = base * number / 100 * animal * 7, a half to the even
// neighbour. 200 * V is whole (base may be a half), so the remainder is taken exactly and
// no floating-point residue can move the day.
int offsetDays(std::int64_t twiceBase, int number, int animal, int periodDays) {
    const std::int64_t scaledV = twiceBase * number * animal * 7; // 200 * V
    const std::int64_t scaledP = std::int64_t{200} * periodDays;
    const std::int64_t rest = scaledV % scaledP; // 200 * frac(V / P) * P
    std::int64_t offset = rest / 200;
    const std::int64_t half = rest % 200;
    if (half > 100 || (half == 100 && offset % 2 == 1)) {
        ++offset;
    }
    return static_cast<int>(offset);
}

} // namespace

LuckyDate luckyDay(DateTime today, int periodDays, DateTime ownBirth,
                   std::optional<DateTime> partnerBirth, int number, int animal) {
    const std::int64_t twiceBase = partnerBirth ? dateProduct(ownBirth) + dateProduct(*partnerBirth)
                                                : 2 * dateProduct(ownBirth);
    const int offset = offsetDays(twiceBase, number, animal, std::max(periodDays, 1));

    const CalendarFields t = today.fields();
    int d = t.day + offset;
    int m = t.month;
    int y = t.year;
    while (d > 31) {
        if (++m == 13) {
            m = 1;
            ++y;
        }
        d -= 30;
    }
    if (m == 2 || m == 4 || m == 6 || m == 8 || m == 9 || m == 11) {
        --d;
    }
    if (m == 3) {
        d += 2;
    }
    if ((m == 4 || m == 6 || m == 9 || m == 11) && d == 31) {
        ++m;
        d = 1;
    }
    if (m == 2 && d == 31) {
        m = 3;
        d = 3;
    }
    if (d == 30) {
        ++m;
        d = 2;
    } else if (d == 29) {
        ++m;
        d = 1;
    }
    if (m == 13) {
        m = 1;
        ++y;
    }
    // Only a 0th (of February, April, June, August, September or November) or the 32nd or
    // 33rd of March can remain outside the month.
    if (d == 0) {
        --m; // never below 1: January is not among those months
        d = daysInMonth(y, m);
    } else if (m == 3 && d > 31) {
        m = 4;
        d -= 31;
    }
    return {d, m, y};
}

std::string luckyDayMessage(const LuckyDate& date) {
    return "Váš šťastný den je " + std::to_string(date.day) + ". " + std::to_string(date.month) +
           ". " + std::to_string(date.year) + " \rHodně štěstí!";
}

} // namespace tarvenik
