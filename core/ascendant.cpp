#include "core/ascendant.h"

#include "core/rangewalk.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tarvenik {

namespace {

// Zodiac order: each row of the table runs through it, wrapping from Ryby to Beran.
enum Sign : std::uint8_t {
    Beran,
    Byk,
    Blizenci,
    Rak,
    Lev,
    Panna,
    Vahy,
    Stir,
    Strelec,
    Kozoroh,
    Vodnar,
    Ryby,
};

constexpr std::array<std::string_view, 12> kSignNames{
    "Beran", "Býk",  "Blíženci", "Rak",     "Lev",    "Panna",
    "Váhy",  "Štír", "Střelec",  "Kozoroh", "Vodnář", "Ryby",
};

// Date periods 1-36 in order; the day is a plain number 1-31 in every month.
struct Period {
    int fromMonth;
    int fromDay;
    int toMonth;
    int toDay;
};

constexpr bool periodContains(const Period& period, int month, int day) {
    const int key = monthDayKey(month, day);
    return monthDayKey(period.fromMonth, period.fromDay) <= key &&
           key <= monthDayKey(period.toMonth, period.toDay);
}

constexpr std::array<Period, 36> kDecans{{
    {3, 21, 3, 31},   {4, 1, 4, 10},   {4, 11, 4, 20},   // 1-3
    {4, 21, 4, 30},   {5, 1, 5, 10},   {5, 11, 5, 20},   // 4-6
    {5, 21, 5, 31},   {6, 1, 6, 11},   {6, 12, 6, 21},   // 7-9
    {6, 22, 7, 1},    {7, 2, 7, 12},   {7, 13, 7, 22},   // 10-12
    {7, 23, 8, 2},    {8, 3, 8, 12},   {8, 13, 8, 23},   // 13-15
    {8, 24, 9, 2},    {9, 3, 9, 12},   {9, 13, 9, 23},   // 16-18
    {9, 24, 10, 3},   {10, 4, 10, 13}, {10, 14, 10, 23}, // 19-21
    {10, 24, 11, 2},  {11, 3, 11, 12}, {11, 13, 11, 22}, // 22-24
    {11, 23, 12, 2},  {12, 3, 12, 12}, {12, 13, 12, 21}, // 25-27
    {12, 22, 12, 31}, {1, 1, 1, 10},   {1, 11, 1, 20},   // 28-30
    {1, 21, 1, 30},   {1, 31, 2, 9},   {2, 10, 2, 19},   // 31-33
    {2, 20, 3, 1},    {3, 2, 3, 10},   {3, 11, 3, 20},   // 34-36
}};

// No day number lies in two periods, and every real date (29 February included) lies in one.
// Only "31 April" falls in none.
constexpr bool decansCoverEveryDayOnce() {
    constexpr std::array<int, 12> monthLength{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            int hits = 0;
            for (const Period& period : kDecans) {
                hits += periodContains(period, month, day) ? 1 : 0;
            }
            const bool real = day <= monthLength[static_cast<std::size_t>(month - 1)];
            if (hits > 1 || (real && hits == 0)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(decansCoverEveryDayOnce());

constexpr int columnOf(int hour, int minute) {
    return 2 * hour + (minute < 30 ? 1 : 2);
}

// A run of equal cells ending at the given clock time; it starts where the previous one ended.
struct Run {
    int endHour;
    int endMinute;
    Sign sign;
};

// Periods 1-9; each entry closes a run of one sign.
// clang-format off
constexpr std::array<Run, 13> kRow1{{
    {1, 59, Strelec}, {3, 59, Kozoroh}, {4, 59, Vodnar}, {5, 59, Ryby}, {6, 59, Beran},
    {7, 59, Byk}, {9, 59, Blizenci}, {12, 29, Rak}, {14, 59, Lev}, {17, 59, Panna}, {20, 29, Vahy},
    {23, 29, Stir}, {23, 59, Strelec},
}};
constexpr std::array<Run, 13> kRow2{{
    {0, 59, Strelec}, {2, 59, Kozoroh}, {3, 59, Vodnar}, {4, 59, Ryby}, {5, 59, Beran},
    {7, 29, Byk}, {8, 59, Blizenci}, {11, 29, Rak}, {14, 29, Lev}, {16, 59, Panna}, {19, 29, Vahy},
    {22, 29, Stir}, {23, 59, Strelec},
}};
constexpr std::array<Run, 13> kRow3{{
    {0, 29, Strelec}, {2, 29, Kozoroh}, {3, 29, Vodnar}, {4, 29, Ryby}, {5, 29, Beran},
    {6, 59, Byk}, {8, 29, Blizenci}, {10, 59, Rak}, {13, 59, Lev}, {16, 29, Panna}, {19, 29, Vahy},
    {21, 59, Stir}, {23, 59, Strelec},
}};
constexpr std::array<Run, 12> kRow4{{
    {1, 29, Kozoroh}, {2, 59, Vodnar}, {3, 59, Ryby}, {4, 59, Beran}, {5, 59, Byk},
    {7, 29, Blizenci}, {9, 59, Rak}, {12, 59, Lev}, {15, 59, Panna}, {18, 29, Vahy}, {21, 29, Stir},
    {23, 59, Strelec},
}};
constexpr std::array<Run, 13> kRow5{{
    {0, 59, Kozoroh}, {2, 29, Vodnar}, {2, 59, Ryby}, {3, 59, Beran}, {5, 29, Byk},
    {6, 59, Blizenci}, {9, 29, Rak}, {12, 29, Lev}, {14, 59, Panna}, {17, 59, Vahy}, {20, 59, Stir},
    {23, 29, Strelec}, {23, 59, Kozoroh},
}};
constexpr std::array<Run, 13> kRow6{{
    {0, 29, Kozoroh}, {1, 29, Vodnar}, {2, 29, Ryby}, {3, 29, Beran}, {4, 29, Byk},
    {6, 29, Blizenci}, {8, 59, Rak}, {11, 29, Lev}, {14, 29, Panna}, {17, 29, Vahy}, {19, 59, Stir},
    {22, 29, Strelec}, {23, 59, Kozoroh},
}};
constexpr std::array<Run, 13> kRow7{{
    {0, 59, Vodnar}, {1, 59, Ryby}, {2, 59, Beran}, {3, 59, Byk}, {5, 29, Blizenci}, {7, 59, Rak},
    {10, 59, Lev}, {13, 59, Panna}, {16, 29, Vahy}, {19, 29, Stir}, {21, 59, Strelec},
    {23, 29, Kozoroh}, {23, 59, Vodnar},
}};
constexpr std::array<Run, 12> kRow8{{
    {0, 59, Ryby}, {1, 59, Beran}, {2, 59, Byk}, {4, 59, Blizenci}, {7, 29, Rak}, {10, 29, Lev},
    {12, 59, Panna}, {15, 59, Vahy}, {18, 29, Stir}, {20, 59, Strelec}, {22, 59, Kozoroh},
    {23, 59, Vodnar},
}};
constexpr std::array<Run, 13> kRow9{{
    {0, 29, Ryby}, {1, 29, Beran}, {2, 29, Byk}, {4, 29, Blizenci}, {6, 59, Rak}, {9, 29, Lev},
    {12, 29, Panna}, {14, 59, Vahy}, {17, 59, Stir}, {20, 29, Strelec}, {21, 59, Kozoroh},
    {23, 29, Vodnar}, {23, 59, Ryby},
}};
// clang-format on

// Runs end on a half-hour's last minute, grow strictly, close the day at 23:59 and step
// through the zodiac one sign at a time.
template <std::size_t N> constexpr bool runsAreWellFormed(const std::array<Run, N>& runs) {
    int lastColumn = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const Run& run = runs[i];
        if (run.endHour < 0 || run.endHour > 23 || (run.endMinute != 29 && run.endMinute != 59) ||
            columnOf(run.endHour, run.endMinute) <= lastColumn) {
            return false;
        }
        if (i > 0 && run.sign != (runs[i - 1].sign + 1) % 12) {
            return false;
        }
        lastColumn = columnOf(run.endHour, run.endMinute);
    }
    return lastColumn == 48;
}
static_assert(runsAreWellFormed(kRow1) && runsAreWellFormed(kRow2) && runsAreWellFormed(kRow3));
static_assert(runsAreWellFormed(kRow4) && runsAreWellFormed(kRow5) && runsAreWellFormed(kRow6));
static_assert(runsAreWellFormed(kRow7) && runsAreWellFormed(kRow8) && runsAreWellFormed(kRow9));

using TableRow = std::array<Sign, 48>;

template <std::size_t N> constexpr TableRow expand(const std::array<Run, N>& runs) {
    TableRow row{};
    int column = 0; // zero-based next cell to fill
    for (const Run& run : runs) {
        while (column < columnOf(run.endHour, run.endMinute)) {
            row[static_cast<std::size_t>(column++)] = run.sign;
        }
    }
    return row;
}

// Only periods 1-9 differ; periods 10-36 repeat period 1.
constexpr std::array<TableRow, 36> kAscendantTable = [] {
    const std::array<TableRow, 9> distinct{expand(kRow1), expand(kRow2), expand(kRow3),
                                           expand(kRow4), expand(kRow5), expand(kRow6),
                                           expand(kRow7), expand(kRow8), expand(kRow9)};
    std::array<TableRow, 36> table{};
    for (std::size_t row = 0; row < table.size(); ++row) {
        table[row] = row < distinct.size() ? distinct[row] : distinct[0];
    }
    return table;
}();

// Cells are [period - 1][column - 1].
static_assert(kAscendantTable[0][0] == Strelec && kAscendantTable[0][47] == Strelec);
static_assert(kAscendantTable[0][24] == Rak && kAscendantTable[0][25] == Lev);
static_assert(kAscendantTable[8][41] == Kozoroh && kAscendantTable[8][43] == Kozoroh);
static_assert(kAscendantTable[8][44] == Vodnar && kAscendantTable[8][47] == Ryby);
static_assert(kAscendantTable[4][5] == Ryby && kAscendantTable[4][6] == Beran);
static_assert(kAscendantTable[28] == kAscendantTable[0] &&
              kAscendantTable[35] == kAscendantTable[0]);

} // namespace

int decanIndex(std::uint16_t month, std::uint16_t day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return 0;
    }
    for (std::size_t i = 0; i < kDecans.size(); ++i) {
        if (periodContains(kDecans[i], month, day)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int halfHourIndex(std::uint16_t hour, std::uint16_t minute) {
    if (hour > 23 || minute > 59) {
        return 0;
    }
    return columnOf(hour, minute);
}

std::string ascendantSign(std::uint16_t month, std::uint16_t day, std::uint16_t hour,
                          std::uint16_t minute) {
    const int row = decanIndex(month, day);
    const int column = halfHourIndex(hour, minute);
    if (row == 0 || column == 0) {
        return {};
    }
    const Sign sign =
        kAscendantTable[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    return std::string(kSignNames[sign]);
}

} // namespace tarvenik
