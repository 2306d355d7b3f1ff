#include "core/ascendant.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <sstream>
#include <string>

namespace tarvenik {
namespace {

TEST(DecanIndex, FirstAndLastDayOfEveryPeriod) {
    struct Period {
        int fromMonth, fromDay, toMonth, toDay;
    };
    // Period n is row n - 1; days run to 31 in every month.
    constexpr std::array<Period, 36> periods{{
        {3, 21, 3, 31},   {4, 1, 4, 10},    {4, 11, 4, 20},   {4, 21, 4, 30},   {5, 1, 5, 10},
        {5, 11, 5, 20},   {5, 21, 5, 31},   {6, 1, 6, 11},    {6, 12, 6, 21},   {6, 22, 7, 1},
        {7, 2, 7, 12},    {7, 13, 7, 22},   {7, 23, 8, 2},    {8, 3, 8, 12},    {8, 13, 8, 23},
        {8, 24, 9, 2},    {9, 3, 9, 12},    {9, 13, 9, 23},   {9, 24, 10, 3},   {10, 4, 10, 13},
        {10, 14, 10, 23}, {10, 24, 11, 2},  {11, 3, 11, 12},  {11, 13, 11, 22}, {11, 23, 12, 2},
        {12, 3, 12, 12},  {12, 13, 12, 21}, {12, 22, 12, 31}, {1, 1, 1, 10},    {1, 11, 1, 20},
        {1, 21, 1, 30},   {1, 31, 2, 9},    {2, 10, 2, 19},   {2, 20, 3, 1},    {3, 2, 3, 10},
        {3, 11, 3, 20},
    }};
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const Period& p = periods[i];
        const int expected = static_cast<int>(i) + 1;
        EXPECT_EQ(decanIndex(static_cast<std::uint16_t>(p.fromMonth),
                             static_cast<std::uint16_t>(p.fromDay)),
                  expected)
            << p.fromDay << '.' << p.fromMonth;
        EXPECT_EQ(
            decanIndex(static_cast<std::uint16_t>(p.toMonth), static_cast<std::uint16_t>(p.toDay)),
            expected)
            << p.toDay << '.' << p.toMonth;
    }
}

TEST(DecanIndex, DaysTakenAsPlainNumbers) {
    struct Row {
        std::uint16_t month, day;
        int period;
    };
    constexpr Row rows[] = {
        {2, 29, 34},
        {2, 30, 34},
        {2, 31, 34},
        {1, 31, 32},
        {7, 1, 10},
        {3, 1, 34},
        {6, 31, 10},
        {9, 31, 19},
        {11, 31, 25},
        {4, 30, 4},
        {3, 20, 36},
        {3, 21, 1},
        // No period names a 31st of April.
        {4, 31, 0},
        // Outside the calendar altogether.
        {0, 15, 0},
        {13, 1, 0},
        {1, 0, 0},
        {8, 0, 0},
        {1, 32, 0},
        {12, 32, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(decanIndex(row.month, row.day), row.period) << row.day << '.' << row.month;
    }
}

TEST(HalfHourIndex, MinuteThirtyStartsTheSecondColumn) {
    struct Row {
        std::uint16_t hour, minute;
        int column;
    };
    constexpr Row rows[] = {
        {0, 0, 1},    {0, 29, 1},   {0, 30, 2},   {0, 59, 2},   {1, 0, 3},    {12, 29, 25},
        {12, 30, 26}, {20, 30, 42}, {21, 59, 44}, {23, 29, 47}, {23, 30, 48}, {23, 59, 48},
        {24, 0, 0},   {0, 60, 0},   {23, 60, 0},  {99, 99, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(halfHourIndex(row.hour, row.minute), row.column) << row.hour << ':' << row.minute;
    }
}

TEST(AscendantSign, KnownMoments) {
    struct Row {
        std::uint16_t month, day, hour, minute;
        const char* sign;
    };
    constexpr Row rows[] = {
        {3, 21, 0, 0, "Střelec"},   {3, 21, 23, 45, "Střelec"}, {6, 12, 20, 30, "Kozoroh"},
        {6, 12, 21, 59, "Kozoroh"}, {6, 12, 22, 0, "Vodnář"},   {1, 1, 12, 29, "Rak"},
        {1, 1, 12, 30, "Lev"},      {5, 1, 2, 29, "Vodnář"},    {5, 1, 2, 30, "Ryby"},
        {5, 10, 2, 59, "Ryby"},     {5, 10, 3, 0, "Beran"},     {2, 29, 12, 0, "Rak"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ascendantSign(row.month, row.day, row.hour, row.minute), row.sign)
            << row.day << '.' << row.month << ' ' << row.hour << ':' << row.minute;
    }
}

TEST(AscendantSign, ImpossibleInputHasNoSign) {
    EXPECT_EQ(ascendantSign(3, 21, 24, 0), "");
    EXPECT_EQ(ascendantSign(3, 21, 0, 60), "");
    EXPECT_EQ(ascendantSign(13, 1, 12, 0), "");
    EXPECT_EQ(ascendantSign(0, 1, 12, 0), "");
    EXPECT_EQ(ascendantSign(3, 0, 12, 0), "");
    EXPECT_EQ(ascendantSign(3, 32, 12, 0), "");
}

// Periods 1-9 as runs of equal cells by clock time, checked minute by minute. A day inside
// each period selects its row.
TEST(AscendantSign, DistinctPeriodsMinuteByMinute) {
    struct Period {
        std::uint16_t month, day;
        const char* runs;
    };
    const std::array<Period, 9> periods{{
        {3, 21,
         "00:00-01:59 Střelec; 02:00-03:59 Kozoroh; 04:00-04:59 Vodnář; 05:00-05:59 Ryby; "
         "06:00-06:59 Beran; 07:00-07:59 Býk; 08:00-09:59 Blíženci; 10:00-12:29 Rak; "
         "12:30-14:59 Lev; 15:00-17:59 Panna; 18:00-20:29 Váhy; 20:30-23:29 Štír; "
         "23:30-23:59 Střelec"},
        {4, 10,
         "00:00-00:59 Střelec; 01:00-02:59 Kozoroh; 03:00-03:59 Vodnář; 04:00-04:59 Ryby; "
         "05:00-05:59 Beran; 06:00-07:29 Býk; 07:30-08:59 Blíženci; 09:00-11:29 Rak; "
         "11:30-14:29 Lev; 14:30-16:59 Panna; 17:00-19:29 Váhy; 19:30-22:29 Štír; "
         "22:30-23:59 Střelec"},
        {4, 11,
         "00:00-00:29 Střelec; 00:30-02:29 Kozoroh; 02:30-03:29 Vodnář; 03:30-04:29 Ryby; "
         "04:30-05:29 Beran; 05:30-06:59 Býk; 07:00-08:29 Blíženci; 08:30-10:59 Rak; "
         "11:00-13:59 Lev; 14:00-16:29 Panna; 16:30-19:29 Váhy; 19:30-21:59 Štír; "
         "22:00-23:59 Střelec"},
        {4, 30,
         "00:00-01:29 Kozoroh; 01:30-02:59 Vodnář; 03:00-03:59 Ryby; 04:00-04:59 Beran; "
         "05:00-05:59 Býk; 06:00-07:29 Blíženci; 07:30-09:59 Rak; 10:00-12:59 Lev; "
         "13:00-15:59 Panna; 16:00-18:29 Váhy; 18:30-21:29 Štír; 21:30-23:59 Střelec"},
        {5, 1,
         "00:00-00:59 Kozoroh; 01:00-02:29 Vodnář; 02:30-02:59 Ryby; 03:00-03:59 Beran; "
         "04:00-05:29 Býk; 05:30-06:59 Blíženci; 07:00-09:29 Rak; 09:30-12:29 Lev; "
         "12:30-14:59 Panna; 15:00-17:59 Váhy; 18:00-20:59 Štír; 21:00-23:29 Střelec; "
         "23:30-23:59 Kozoroh"},
        {5, 20,
         "00:00-00:29 Kozoroh; 00:30-01:29 Vodnář; 01:30-02:29 Ryby; 02:30-03:29 Beran; "
         "03:30-04:29 Býk; 04:30-06:29 Blíženci; 06:30-08:59 Rak; 09:00-11:29 Lev; "
         "11:30-14:29 Panna; 14:30-17:29 Váhy; 17:30-19:59 Štír; 20:00-22:29 Střelec; "
         "22:30-23:59 Kozoroh"},
        {5, 31,
         "00:00-00:59 Vodnář; 01:00-01:59 Ryby; 02:00-02:59 Beran; 03:00-03:59 Býk; "
         "04:00-05:29 Blíženci; 05:30-07:59 Rak; 08:00-10:59 Lev; 11:00-13:59 Panna; "
         "14:00-16:29 Váhy; 16:30-19:29 Štír; 19:30-21:59 Střelec; 22:00-23:29 Kozoroh; "
         "23:30-23:59 Vodnář"},
        {6, 1,
         "00:00-00:59 Ryby; 01:00-01:59 Beran; 02:00-02:59 Býk; 03:00-04:59 Blíženci; "
         "05:00-07:29 Rak; 07:30-10:29 Lev; 10:30-12:59 Panna; 13:00-15:59 Váhy; "
         "16:00-18:29 Štír; 18:30-20:59 Střelec; 21:00-22:59 Kozoroh; 23:00-23:59 Vodnář"},
        {6, 21,
         "00:00-00:29 Ryby; 00:30-01:29 Beran; 01:30-02:29 Býk; 02:30-04:29 Blíženci; "
         "04:30-06:59 Rak; 07:00-09:29 Lev; 09:30-12:29 Panna; 12:30-14:59 Váhy; "
         "15:00-17:59 Štír; 18:00-20:29 Střelec; 20:30-21:59 Kozoroh; 22:00-23:29 Vodnář; "
         "23:30-23:59 Ryby"},
    }};
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const Period& period = periods[i];
        ASSERT_EQ(decanIndex(period.month, period.day), static_cast<int>(i) + 1);
        std::istringstream runs(period.runs);
        std::string span, sign;
        int expectedStart = 0;
        while (runs >> span >> sign) {
            if (sign.back() == ';') {
                sign.pop_back();
            }
            const int start = std::stoi(span.substr(0, 2)) * 60 + std::stoi(span.substr(3, 2));
            const int end = std::stoi(span.substr(6, 2)) * 60 + std::stoi(span.substr(9, 2));
            ASSERT_EQ(start, expectedStart) << "period " << i + 1 << " at " << span;
            for (int minute = start; minute <= end; ++minute) {
                EXPECT_EQ(ascendantSign(period.month, period.day,
                                        static_cast<std::uint16_t>(minute / 60),
                                        static_cast<std::uint16_t>(minute % 60)),
                          sign)
                    << "period " << i + 1 << ' ' << minute / 60 << ':' << minute % 60;
            }
            expectedStart = end + 1;
        }
        EXPECT_EQ(expectedStart, 24 * 60) << "period " << i + 1;
    }
}

TEST(AscendantSign, PeriodsTenToThirtySixRepeatPeriodOne) {
    for (std::uint16_t month = 1; month <= 12; ++month) {
        for (std::uint16_t day = 1; day <= 31; ++day) {
            if (decanIndex(month, day) < 10) {
                continue;
            }
            for (std::uint16_t hour = 0; hour < 24; ++hour) {
                for (std::uint16_t minute : {0, 29, 30, 59}) {
                    EXPECT_EQ(ascendantSign(month, day, hour, minute),
                              ascendantSign(3, 21, hour, minute))
                        << day << '.' << month << ' ' << hour << ':' << minute;
                }
            }
        }
    }
}

} // namespace
} // namespace tarvenik
