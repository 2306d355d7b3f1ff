#include "core/biorhythm.h"

#include <cmath>
#include <numbers>

namespace tarvenik {

namespace {

// -1, 0 or 1: the sign of 100·sin(2πd/P) decided on whole numbers, where the sine's
// rounding error would make half a period a tiny positive value.
int cycleSign(int period, std::int64_t d) {
    const std::int64_t r = d % period;
    if (r == 0 || 2 * r == period) {
        return 0;
    }
    return 2 * r < period ? 1 : -1;
}

} // namespace

std::int64_t biorhythmDayCount(DateTime birthDate, DateTime day) {
    const std::int64_t diff = day.ms() - birthDate.datePart().ms();
    return (diff < 0 ? -diff : diff) / DateTime::msPerDay;
}

BiorhythmValues biorhythmValues(std::int64_t d) {
    const auto at = [d](const auto& table) {
        return table[static_cast<std::size_t>(d) % table.size()];
    };
    return {at(kPhysicalTable), at(kEmotionalTable), at(kIntellectualTable)};
}

int biorhythmPeriod(BioCycle cycle) {
    static constexpr std::array<int, 3> periods{23, 28, 33};
    return periods[static_cast<std::size_t>(cycle)];
}

double biorhythmValue(BioCycle cycle, std::int64_t d) {
    const int period = biorhythmPeriod(cycle);
    if (cycleSign(period, d) == 0) {
        return 0.0;
    }
    return 100.0 * std::sin(2.0 * std::numbers::pi * static_cast<double>(d % period) / period);
}

std::int64_t biorhythmLastDay(DateTime from, DateTime to) {
    return (to.ms() - from.ms()) / DateTime::msPerDay; // toward zero
}

BiorhythmDay biorhythmDay(DateTime birthDate, DateTime from, std::int64_t index) {
    BiorhythmDay out;
    out.day = from.addDays(index);
    out.dayCount = biorhythmDayCount(birthDate, out.day);
    // Before the birth date the counts run downwards, so the next day decides the crossing
    // in the order the days are shown.
    const std::int64_t next = biorhythmDayCount(birthDate, from.addDays(index + 1));
    for (std::size_t c = 0; c < kBioCycles.size(); ++c) {
        const int period = biorhythmPeriod(kBioCycles[c]);
        const int sign = cycleSign(period, out.dayCount);
        out.values[c] = biorhythmValue(kBioCycles[c], out.dayCount);
        out.critical[c] = sign == 0 || sign * cycleSign(period, next) < 0;
    }
    return out;
}

std::string biorhythmLine(DateTime day, const BiorhythmValues& v) {
    std::string line = day.paddedDate();
    line += " - Fyzička: ";
    line += v.physical;
    line += "%, Psychika: ";
    line += v.emotional;
    line += "%, Inteligence: ";
    line += v.intellectual;
    line += "%";
    return line;
}

std::vector<std::string> biorhythmListing(DateTime birthDate, DateTime from, DateTime to) {
    const std::int64_t n = biorhythmLastDay(from, to);
    std::vector<std::string> lines;
    for (std::int64_t i = 0; i <= n; ++i) {
        const DateTime day = from.addDays(i);
        lines.push_back(biorhythmLine(day, biorhythmValues(biorhythmDayCount(birthDate, day))));
    }
    return lines;
}

} // namespace tarvenik
