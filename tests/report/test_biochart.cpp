#include "report/biochart.h"

#include <gtest/gtest.h>

using namespace tarvenik;

namespace {

DateTime at(int y, int m, int d, int h = 0) {
    return *DateTime::fromDate(y, m, d, h);
}

// Six pixels a character, as a small font measures digits and dots.
double sixPerChar(std::string_view text) {
    return 6.0 * static_cast<double>(text.size());
}

std::vector<std::string> textsOf(const std::vector<BioDateLabel>& labels) {
    std::vector<std::string> texts;
    for (const auto& l : labels) {
        texts.push_back(l.text);
    }
    return texts;
}

const PlotArea kArea{30, 10, 300, 200};

} // namespace

TEST(BioChart, DaysAndValuesInThePlot) {
    EXPECT_DOUBLE_EQ(bioDayX(kArea, 0, 30), 30);
    EXPECT_DOUBLE_EQ(bioDayX(kArea, 15, 30), 180);
    EXPECT_DOUBLE_EQ(bioDayX(kArea, 30, 30), 330);
    EXPECT_DOUBLE_EQ(bioDayX(kArea, 0, 0), 180); // one day stands in the middle
    EXPECT_DOUBLE_EQ(bioValueY(kArea, 100), 10);
    EXPECT_DOUBLE_EQ(bioValueY(kArea, 0), 110);
    EXPECT_DOUBLE_EQ(bioValueY(kArea, -100), 210);

    struct Case {
        double x;
        std::int64_t lastDay;
        std::optional<std::int64_t> day;
    };
    const Case cases[] = {
        {30, 30, 0},    {184, 30, 15}, {186, 30, 16}, {330, 30, 30},
        {29.5, 30, {}}, {331, 30, {}}, {100, -1, {}}, {200, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bioDayAtX(kArea, c.x, c.lastDay), c.day) << c.x << " " << c.lastDay;
    }
}

TEST(BioChart, EveryDayUpToTheLimitThenOnePointPerColumn) {
    EXPECT_TRUE(bioCurveDays(-1, 300).empty());
    EXPECT_EQ(bioCurveDays(0, 300), std::vector<std::int64_t>{0});
    EXPECT_EQ(bioCurveDays(30, 300).size(), 31u);
    EXPECT_EQ(bioCurveDays(kBioChartDailyDays - 1, 300).size(), 400u);
    // Critical days are marked while the days stand apart: a month, not a year, on 300 px.
    EXPECT_TRUE(bioMarksCriticalDays(0, 300));
    EXPECT_TRUE(bioMarksCriticalDays(30, 300));
    EXPECT_TRUE(bioMarksCriticalDays(120, 300));
    EXPECT_FALSE(bioMarksCriticalDays(121, 300));
    EXPECT_FALSE(bioMarksCriticalDays(365, 300));
    EXPECT_FALSE(bioMarksCriticalDays(-1, 300));
    for (std::int64_t lastDay : {kBioChartDailyDays, std::int64_t{730}, std::int64_t{36500}}) {
        const auto days = bioCurveDays(lastDay, 300);
        EXPECT_LE(days.size(), 300u);
        EXPECT_GE(days.size(), 250u);
        EXPECT_EQ(days.front(), 0);
        EXPECT_EQ(days.back(), lastDay);
        EXPECT_TRUE(std::is_sorted(days.begin(), days.end()));
        EXPECT_EQ(std::adjacent_find(days.begin(), days.end()), days.end());
    }
}

TEST(BioChart, TodayIsTheDayWithTodaysDate) {
    const DateTime from = at(2026, 12, 8, 10);
    EXPECT_EQ(bioDayOf(from, 30, at(2026, 12, 8, 23)), 0);
    EXPECT_EQ(bioDayOf(from, 30, at(2026, 12, 8, 1)), 0); // before the start's time of day
    EXPECT_EQ(bioDayOf(from, 30, at(2027, 1, 7)), 30);
    EXPECT_EQ(bioDayOf(from, 30, at(2027, 1, 8)), std::nullopt);
    EXPECT_EQ(bioDayOf(from, 30, at(2026, 12, 7, 23)), std::nullopt);
    EXPECT_EQ(bioDayOf(from, -1, at(2026, 12, 8)), std::nullopt);
}

TEST(BioChart, DateLabelsFromAWeekToAYear) {
    struct Case {
        DateTime from, to;
        double width;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {at(2026, 12, 8, 10),
         at(2026, 12, 14, 10),
         300,
         {"8.12.", "9.12.", "10.12.", "11.12.", "12.12.", "13.12.", "14.12."}},
        // A month: Mondays (8.12.2026 is a Tuesday).
        {at(2026, 12, 8, 10), at(2027, 1, 8, 10), 300, {"14.12.", "21.12.", "28.12.", "4.1."}},
        // Too narrow for every day.
        {at(2026, 12, 8, 10),
         at(2026, 12, 20, 10),
         300,
         {"8.12.", "10.12.", "12.12.", "14.12.", "16.12.", "18.12.", "20.12."}},
        // A year: every other month, the new year with its number.
        {at(2026, 12, 8, 10),
         at(2027, 12, 8, 10),
         300,
         {"1.1.2027", "1.3.", "1.5.", "1.7.", "1.9.", "1.11."}},
        {at(2026, 12, 8, 10),
         at(2027, 12, 8, 10),
         700,
         {"1.1.2027", "1.2.", "1.3.", "1.4.", "1.5.", "1.6.", "1.7.", "1.8.", "1.9.", "1.10.",
          "1.11.", "1.12."}},
        {at(2026, 12, 8, 10), at(2046, 12, 8, 10), 300, {"2030", "2035", "2040", "2045"}},
        {at(2026, 12, 8, 10), at(2026, 12, 8, 10), 300, {"8.12."}},
        {at(2026, 12, 8, 10), at(2026, 12, 7, 10), 300, {}},
    };
    for (const Case& c : cases) {
        const PlotArea area{30, 10, c.width, 200};
        EXPECT_EQ(textsOf(bioDateLabels(area, c.width + 60, c.from, biorhythmLastDay(c.from, c.to),
                                        sixPerChar)),
                  c.texts)
            << c.to.shortDate() << " " << c.width;
    }
}

TEST(BioChart, DateLabelsNeverOverlapNorLeaveThePlot) {
    const DateTime from = at(2026, 12, 8, 10);
    for (double width : {60.0, 150.0, 300.0, 520.0, 900.0}) {
        const PlotArea area{40, 0, width, 100};
        for (std::int64_t lastDay : {0, 1, 6, 13, 30, 45, 90, 180, 365, 400, 730, 3650, 36500}) {
            const double chartWidth = width + 60;
            const auto labels = bioDateLabels(area, chartWidth, from, lastDay, sixPerChar);
            double end = -1e9;
            for (const auto& l : labels) {
                const double w = sixPerChar(l.text);
                EXPECT_GE(l.textX - w / 2, std::max(end, 0.0))
                    << width << " " << lastDay << " " << l.text;
                EXPECT_LE(l.textX + w / 2, chartWidth);
                EXPECT_GE(l.day, 0);
                EXPECT_LE(l.day, lastDay);
                end = l.textX + w / 2;
            }
            EXPECT_FALSE(width >= 150 && labels.size() < 2 && lastDay >= 6)
                << width << " " << lastDay;
        }
    }
}

TEST(BioChart, TooltipNamesTheDayAndRoundsTheValues) {
    const DateTime birth = at(1975, 3, 5);
    EXPECT_EQ(bioChartTip(biorhythmDay(birth, at(1975, 3, 16, 9), 0)),
              "neděle 16.3.1975\nFyzička: 14% (kritický den)\nPsychika: 62%\nInteligence: 87%");
    EXPECT_EQ(bioChartTip(biorhythmDay(birth, birth, 0)),
              "středa 5.3.1975\nFyzička: 0% (kritický den)\nPsychika: 0% (kritický den)\n"
              "Inteligence: 0% (kritický den)");
    EXPECT_EQ(bioChartTip(biorhythmDay(birth, birth, 27)),
              "úterý 1.4.1975\nFyzička: 89%\nPsychika: -22%\nInteligence: -91%");
}
