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
