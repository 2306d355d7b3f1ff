#include "core/aztec.h"

#include "platform/DateTime.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tarvenik {

namespace {

constexpr int kFirstKeyedYear = 1910;
constexpr int kLastKeyedYear = 2003;

constexpr std::array<std::string_view, 20> kDaySigns{
    "Krokodýl", "Vítr", "Dům",         "Ještěrka",  "Had",  "Smrt",    "Jelen",
    "Králík",   "Voda", "Ped",         "Opice",     "Osel", "Rákos",   "Jaguár",
    "Orel",     "Sup",  "Zemětřesení", "Chalcedon", "Déšť", "Květina",
};

// Days before each month in a common year; leap years are deliberately not corrected.
constexpr std::array<int, 12> kMonthOffsets{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

} // namespace

int aztecYearKey(int year) {
    if (year < kFirstKeyedYear || year > kLastKeyedYear) {
        return 0;
    }
    // Each year moves the key on by 5, and by one more after a leap year.
    int key = 9;
    for (int previous = kFirstKeyedYear; previous < year; ++previous) {
        key += isLeapYear(previous) ? 6 : 5;
    }
    return key % 20;
}

int aztecDayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (!isValidDate(year, month, day)) {
        return 0;
    }
    return day + kMonthOffsets[static_cast<std::size_t>(month - 1)] + aztecYearKey(year);
}

std::string aztecSign(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    const int number = aztecDayNumber(year, month, day);
    if (number == 0) {
        return {};
    }
    return std::string(kDaySigns[static_cast<std::size_t>((number - 1) % 20)]);
}

} // namespace tarvenik
