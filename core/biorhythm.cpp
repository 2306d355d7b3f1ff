#include "core/biorhythm.h"

namespace tarvenik {

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
    const std::int64_t n = (to.ms() - from.ms()) / DateTime::msPerDay; // toward zero
    std::vector<std::string> lines;
    for (std::int64_t i = 0; i <= n; ++i) {
        const DateTime day = from.addDays(i);
        lines.push_back(biorhythmLine(day, biorhythmValues(biorhythmDayCount(birthDate, day))));
    }
    return lines;
}

} // namespace tarvenik
