#include "report/biochart.h"

#include "core/calendarwords.h"

#include <algorithm>
#include <cmath>

namespace tarvenik {

double bioDayX(const PlotArea& area, std::int64_t index, std::int64_t lastDay) {
    if (lastDay <= 0) {
        return area.left + area.width / 2;
    }
    return area.left + area.width * static_cast<double>(index) / static_cast<double>(lastDay);
}

std::optional<std::int64_t> bioDayAtX(const PlotArea& area, double x, std::int64_t lastDay) {
    if (lastDay < 0 || x < area.left || x > area.left + area.width || area.width <= 0) {
        return std::nullopt;
    }
    return std::llround((x - area.left) / area.width * static_cast<double>(lastDay));
}

double bioValueY(const PlotArea& area, double value) {
    return area.top + (100.0 - value) / 200.0 * area.height;
}

bool bioMarksCriticalDays(std::int64_t lastDay, double width) {
    return lastDay == 0 ||
           (lastDay > 0 && width / static_cast<double>(lastDay) >= kBioCriticalMarkSpacing);
}

std::vector<std::int64_t> bioCurveDays(std::int64_t lastDay, double width) {
    std::vector<std::int64_t> days;
    if (lastDay < 0) {
        return days;
    }
    if (lastDay < kBioChartDailyDays) {
        for (std::int64_t i = 0; i <= lastDay; ++i) {
            days.push_back(i);
        }
        return days;
    }
    const auto columns = std::max<std::int64_t>(2, static_cast<std::int64_t>(width));
    for (std::int64_t c = 0; c < columns; ++c) {
        const std::int64_t day =
            std::llround(static_cast<double>(c) * static_cast<double>(lastDay) /
                         static_cast<double>(columns - 1));
        if (days.empty() || days.back() != day) {
            days.push_back(day);
        }
    }
    return days;
}

std::optional<std::int64_t> bioDayOf(DateTime from, std::int64_t lastDay, DateTime date) {
    const std::int64_t index = date.dayNumber() - from.dayNumber();
    if (index < 0 || index > lastDay) {
        return std::nullopt;
    }
    return index;
}

namespace {

enum class Unit { Day, Week, Month, Year };
struct Step {
    Unit unit;
    int count;
    int approxDays;
};
constexpr Step kSteps[] = {
    {Unit::Day, 1, 1},         {Unit::Day, 2, 2},       {Unit::Week, 1, 7},
    {Unit::Week, 2, 14},       {Unit::Month, 1, 30},    {Unit::Month, 2, 61},
    {Unit::Month, 3, 91},      {Unit::Month, 6, 182},   {Unit::Year, 1, 365},
    {Unit::Year, 2, 730},      {Unit::Year, 5, 1826},   {Unit::Year, 10, 3652},
    {Unit::Year, 20, 7305},    {Unit::Year, 50, 18262}, {Unit::Year, 100, 36524},
    {Unit::Year, 1000, 365242}};

std::string labelText(const Step& step, DateTime day) {
    if (step.unit == Unit::Year) {
        return std::to_string(day.year());
    }
    // The year where it turns, so that a long range reads without the pickers.
    return day.month() == 1 && day.day() == 1 ? day.format("d.M.yyyy") : day.format("d.M.");
}

// The tick days of one step, in order.
std::vector<std::int64_t> tickDays(const Step& step, DateTime from, std::int64_t lastDay) {
    std::vector<std::int64_t> days;
    const auto indexOf = [&](int y, int m) -> std::optional<std::int64_t> {
        const auto first = DateTime::fromDate(y, m, 1);
        return first ? std::optional(first->dayNumber() - from.dayNumber()) : std::nullopt;
    };
    switch (step.unit) {
    case Unit::Day:
    case Unit::Week: {
        const std::int64_t start = step.unit == Unit::Day ? 0 : (8 - from.dayOfWeek()) % 7;
        const std::int64_t stride = step.unit == Unit::Day ? step.count : 7 * step.count;
        for (std::int64_t i = start; i <= lastDay; i += stride) {
            days.push_back(i);
        }
        break;
    }
    case Unit::Month:
        for (int y = from.year(), m = from.month();; ++m) {
            if (m > 12) {
                m = 1;
                ++y;
            }
            const auto i = indexOf(y, m);
            if (!i || *i > lastDay) {
                break;
            }
            if (*i >= 0 && (m - 1) % step.count == 0) {
                days.push_back(*i);
            }
        }
        break;
    case Unit::Year:
        for (int y = (from.year() + step.count - 1) / step.count * step.count;; y += step.count) {
            const auto i = indexOf(y, 1);
            if (!i || *i > lastDay) {
                break;
            }
            if (*i >= 0) {
                days.push_back(*i);
            }
        }
        break;
    }
    return days;
}

} // namespace

std::vector<BioDateLabel> bioDateLabels(const PlotArea& area, double chartWidth, DateTime from,
                                        std::int64_t lastDay,
                                        const std::function<double(std::string_view)>& textWidth) {
    constexpr double kGap = 8;
    if (lastDay < 0) {
        return {};
    }
    const double perDay = lastDay > 0 ? area.width / static_cast<double>(lastDay) : area.width;
    const double narrowest = textWidth("1.1.");
    std::vector<BioDateLabel> labels;
    for (const Step& step : kSteps) {
        // Steps whose ticks stand closer than the shortest text are not even tried.
        if (step.approxDays * perDay < narrowest + kGap) {
            continue;
        }
        labels.clear();
        double end = -1e300; // right edge of the last text
        bool fits = true;
        for (std::int64_t day : tickDays(step, from, lastDay)) {
            std::string text = labelText(step, from.addDays(day));
            const double w = textWidth(text);
            const double x =
                std::clamp(bioDayX(area, day, lastDay), w / 2, std::max(w / 2, chartWidth - w / 2));
            if (x - w / 2 < end + kGap) {
                fits = false;
                break;
            }
            end = x + w / 2;
            labels.push_back({day, x, std::move(text)});
        }
        if (fits) {
            return labels;
        }
    }
    return {};
}

std::string bioChartTip(const BiorhythmDay& day) {
    std::string tip(kWeekdayNames[static_cast<std::size_t>(day.day.dayOfWeek() - 1)]);
    tip += " " + day.day.shortDate();
    for (BioCycle cycle : kBioCycles) {
        const auto c = static_cast<std::size_t>(cycle);
        tip += "\n";
        tip += kBioCycleNames[c];
        tip += ": " + std::to_string(static_cast<int>(std::nearbyint(day.value(cycle)))) + "%";
        if (day.critical[c]) {
            tip += " (kritický den)";
        }
    }
    return tip;
}

} // namespace tarvenik
