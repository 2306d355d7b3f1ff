#include "core/biorhythm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tarvenik;

namespace {

DateTime at(int y, int m, int d, int h = 0, int mi = 0) {
    return *DateTime::fromDate(y, m, d, h, mi);
}

template <std::size_t P>
void expectTableFollowsTheSine(const std::array<std::string_view, P>& table) {
    for (std::size_t k = 0; k < P; ++k) {
        const double v = 100.0 * std::sin(2.0 * std::numbers::pi * static_cast<double>(k) / P);
        const long rounded = std::lround(v);
        char expected[8];
        std::snprintf(expected, sizeof expected, "%4ld", rounded);
        EXPECT_EQ(table[k], expected) << "P=" << P << " k=" << k;
        EXPECT_EQ(table[k].find("-0"), std::string_view::npos);
    }
}

} // namespace

TEST(Biorhythm, AllTablesFollowTheSine) {
    expectTableFollowsTheSine(kPhysicalTable);
    expectTableFollowsTheSine(kEmotionalTable);
    expectTableFollowsTheSine(kIntellectualTable);
    EXPECT_EQ(kEmotionalTable[14], "   0");
}

TEST(Biorhythm, DayCounts) {
    const DateTime birth = at(1975, 3, 5, 7, 5); // the time of birth is not used
    EXPECT_EQ(biorhythmDayCount(birth, at(1975, 3, 5, 12)), 0);
    EXPECT_EQ(biorhythmDayCount(birth, at(1975, 4, 1)), 27);
    EXPECT_EQ(biorhythmDayCount(birth, at(1975, 3, 4)), 1);
    // Before the birth date, a time of day after midnight makes the distance shorter.
    EXPECT_EQ(biorhythmDayCount(birth, at(1975, 3, 3, 12)), 1);
}

TEST(Biorhythm, Lines) {
    const DateTime birth = at(1975, 3, 5);
    EXPECT_EQ(
        biorhythmLine(at(1975, 4, 1), biorhythmValues(biorhythmDayCount(birth, at(1975, 4, 1)))),
        "01.04.1975 - Fyzička:   89%, Psychika:  -22%, Inteligence:  -91%");
    EXPECT_EQ(biorhythmLine(birth, biorhythmValues(0)),
              "05.03.1975 - Fyzička:    0%, Psychika:    0%, Inteligence:    0%");
    const BiorhythmValues next = biorhythmValues(1);
    EXPECT_EQ(next.physical, "  27");
    EXPECT_EQ(next.emotional, "  22");
    EXPECT_EQ(next.intellectual, "  19");
    EXPECT_EQ(biorhythmValues(23).physical, "   0");
    EXPECT_EQ(biorhythmValues(28).emotional, "   0");
}

TEST(Biorhythm, ListingLength) {
    const DateTime birth = at(1975, 3, 5);
    struct Case {
        DateTime from, to;
        std::size_t lines;
    };
    const Case cases[] = {
        {at(2026, 3, 5, 9), at(2026, 4, 5, 9), 32}, // 31 days apart: 32 lines
        {at(2026, 3, 5, 9), at(2026, 3, 5, 9), 1},
        {at(2026, 3, 5, 9), at(2026, 3, 5, 1), 1}, // less than a day back: still one
        {at(2026, 3, 5, 9), at(2026, 3, 4, 9), 0}, // a whole day back: header only
        {at(2026, 3, 5, 9), at(2026, 3, 6, 8), 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(biorhythmListing(birth, c.from, c.to).size(), c.lines);
    }
    const auto lines = biorhythmListing(birth, at(2026, 3, 5, 9), at(2026, 4, 4, 9));
    EXPECT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines.front().substr(0, 10), "05.03.2026");
    EXPECT_EQ(lines.back().substr(0, 10), "04.04.2026");
}

namespace {

int listedValue(const std::string& line, std::string_view name) {
    const std::size_t at = line.find(std::string(name) + ":");
    return std::stoi(line.substr(at + name.size() + 1));
}

} // namespace

TEST(Biorhythm, ListingShowsTheNumericValuesRounded) {
    const DateTime birth = at(1975, 3, 5);
    struct Case {
        DateTime from, to;
    };
    // Over the birth date with a time of day, long enough for every phase of all three
    // cycles, and a single day.
    const Case cases[] = {{at(1975, 1, 20, 12), at(1977, 6, 1, 12)},
                          {at(2026, 12, 8, 10), at(2026, 12, 8, 10)}};
    for (const Case& c : cases) {
        const auto lines = biorhythmListing(birth, c.from, c.to);
        ASSERT_EQ(static_cast<std::int64_t>(lines.size()), biorhythmLastDay(c.from, c.to) + 1);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const BiorhythmDay day = biorhythmDay(birth, c.from, static_cast<std::int64_t>(i));
            EXPECT_EQ(lines[i].substr(0, 10), day.day.paddedDate());
            for (BioCycle cycle : kBioCycles) {
                const auto name = kBioCycleNames[static_cast<std::size_t>(cycle)];
                EXPECT_EQ(listedValue(lines[i], name),
                          static_cast<int>(std::nearbyint(day.value(cycle))))
                    << lines[i] << " " << name;
            }
        }
    }
}

TEST(Biorhythm, CriticalDaysAreTheZeroCrossingsOfEachCycle) {
    const DateTime birth = at(1975, 3, 5);
    struct Case {
        DateTime from, to;
        std::vector<std::int64_t> physical, emotional, intellectual;
    };
    const Case cases[] = {
        // From the birth date: zero at 0 and P, the crossing at P/2 on the day it falls in.
        {birth, at(1975, 4, 20), {0, 11, 23, 34, 46}, {0, 14, 28, 42}, {0, 16, 33}},
        // 30 days before the birth date at noon: the counts run down to 0 on two days, and a
        // crossing belongs to the day before it in the shown order.
        {at(1975, 2, 3, 12),
         at(1975, 3, 25, 12),
         {6, 17, 29, 30, 41},
         {1, 15, 29, 30, 44},
         {12, 29, 30, 46}},
        // One day: the next day outside the range still decides.
        {at(1975, 3, 16, 9), at(1975, 3, 16, 9), {0}, {}, {}},
        {at(1975, 3, 17, 9), at(1975, 3, 17, 9), {}, {}, {}},
    };
    for (const Case& c : cases) {
        std::array<std::vector<std::int64_t>, 3> found;
        for (std::int64_t i = 0; i <= biorhythmLastDay(c.from, c.to); ++i) {
            const BiorhythmDay day = biorhythmDay(birth, c.from, i);
            for (std::size_t k = 0; k < 3; ++k) {
                if (day.critical[k]) {
                    found[k].push_back(i);
                }
            }
        }
        EXPECT_EQ(found[0], c.physical) << c.from.shortDate();
        EXPECT_EQ(found[1], c.emotional) << c.from.shortDate();
        EXPECT_EQ(found[2], c.intellectual) << c.from.shortDate();
    }
}
