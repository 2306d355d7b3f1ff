#pragma once
// What the biorhythm chart beside the listing shows, decided without a widget: where a day
// and a value lie in the plot, which days the curves pass through, the date labels under
// the axis, the day of today and the tooltip text. The widget measures its texts, calls
// these and paints.

#include "core/biorhythm.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

// Up to this many days the curves pass through every day; a longer range gets one point
// per pixel column.
inline constexpr std::int64_t kBioChartDailyDays = 400;
// Critical days are marked where the days stand at least this far apart; closer, the
// marks would merge into a band along the zero line.
inline constexpr double kBioCriticalMarkSpacing = 2.5;

// Values with a grid line, top to bottom.
inline constexpr std::array<int, 5> kBioChartGrid{100, 50, 0, -50, -100};

// The plot's rectangle in pixels.
struct PlotArea {
    double left = 0, top = 0, width = 0, height = 0;
};

// x of day `index` of the days 0 to `lastDay`; a single day stands in the middle.
double bioDayX(const PlotArea& area, std::int64_t index, std::int64_t lastDay);
// The day nearest to x; none outside the plot or for an empty range.
std::optional<std::int64_t> bioDayAtX(const PlotArea& area, double x, std::int64_t lastDay);
// y of a value from 100 (top) to -100 (bottom).
double bioValueY(const PlotArea& area, double value);

// The days the curves pass through, in order: every day, or for a range longer than
// kBioChartDailyDays the day nearest to each pixel column of `width`.
std::vector<std::int64_t> bioCurveDays(std::int64_t lastDay, double width);
bool bioMarksCriticalDays(std::int64_t lastDay, double width);

// The index of the day with `date`'s date, none outside the range.
std::optional<std::int64_t> bioDayOf(DateTime from, std::int64_t lastDay, DateTime date);

struct BioDateLabel {
    std::int64_t day; // the tick's day
    double textX;     // the text's centre, kept between 0 and the chart's width
    std::string text; // "8.12.", "1.1.2027", or "2030" for yearly labels
};

// The labels under the axis at the finest step (every day, every other day, Mondays, every
// other Monday, the 1st of every 1, 2, 3 or 6 months, then years) whose texts, as wide as
// `textWidth` measures them, keep a gap between each other inside the chart's width.
std::vector<BioDateLabel> bioDateLabels(const PlotArea& area, double chartWidth, DateTime from,
                                        std::int64_t lastDay,
                                        const std::function<double(std::string_view)>& textWidth);

// "úterý 8.12.2026", then a line per cycle: "Fyzička: 27%", with " (kritický den)" on a
// critical day.
std::string bioChartTip(const BiorhythmDay& day);

} // namespace tarvenik
