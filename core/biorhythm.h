#pragma once
// Biorhythms: the physical (23 days), emotional (28) and intellectual (33) cycles as whole
// percentages, looked up in fixed tables by the number of days since birth.

#include "platform/DateTime.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

// 100·sin(2πk/P) rounded, right-aligned in four characters.
// clang-format off
inline constexpr std::array<std::string_view, 23> kPhysicalTable{
    "   0", "  27", "  52", "  73", "  89", "  98", " 100", "  94", "  82", "  63", "  40",
    "  14", " -14", " -40", " -63", " -82", " -94", "-100", " -98", " -89", " -73", " -52",
    " -27"};
inline constexpr std::array<std::string_view, 28> kEmotionalTable{
    "   0", "  22", "  43", "  62", "  78", "  90", "  97", " 100", "  97", "  90", "  78",
    "  62", "  43", "  22", "   0", " -22", " -43", " -62", " -78", " -90", " -97", "-100",
    " -97", " -90", " -78", " -62", " -43", " -22"};
inline constexpr std::array<std::string_view, 33> kIntellectualTable{
    "   0", "  19", "  37", "  54", "  69", "  81", "  91", "  97", " 100", "  99", "  95",
    "  87", "  76", "  62", "  46", "  28", "  10", " -10", " -28", " -46", " -62", " -76",
    " -87", " -95", " -99", "-100", " -97", " -91", " -81", " -69", " -54", " -37", " -19"};
// clang-format on

struct BiorhythmValues {
    std::string_view physical, emotional, intellectual;
};

// Whole days between the day (with its time of day) and the birth date at midnight, in
// either direction.
std::int64_t biorhythmDayCount(DateTime birthDate, DateTime day);
BiorhythmValues biorhythmValues(std::int64_t dayCount);

// The three cycles as numbers, for drawing them.
enum class BioCycle { Physical, Emotional, Intellectual };
inline constexpr std::array<BioCycle, 3> kBioCycles{BioCycle::Physical, BioCycle::Emotional,
                                                    BioCycle::Intellectual};
inline constexpr std::array<std::string_view, 3> kBioCycleNames{"Fyzička", "Psychika",
                                                                "Inteligence"};
int biorhythmPeriod(BioCycle cycle);

// 100·sin(2πd/P) unrounded; the tables above hold it rounded.
double biorhythmValue(BioCycle cycle, std::int64_t dayCount);

// The index of the last day of the range `from` to `to`, counted from 0; negative when the
// end lies a whole day or more before the start.
std::int64_t biorhythmLastDay(DateTime from, DateTime to);

struct BiorhythmDay {
    DateTime day; // the start plus whole days, with the start's time of day
    std::int64_t dayCount = 0;
    std::array<double, 3> values{}; // by BioCycle
    // A critical day: the cycle is at zero on it, or has crossed zero by the next day.
    std::array<bool, 3> critical{};

    double value(BioCycle c) const { return values[static_cast<std::size_t>(c)]; }
    bool isCritical(BioCycle c) const { return critical[static_cast<std::size_t>(c)]; }
};

// Day `index` of a range starting at `from`: the same day the listing writes on its line
// `index`, its values unrounded.
BiorhythmDay biorhythmDay(DateTime birthDate, DateTime from, std::int64_t index);

// "05.03.1975 - Fyzička:    0%, Psychika:    0%, Inteligence:    0%"
std::string biorhythmLine(DateTime day, const BiorhythmValues& values);

// One line per day from `from` to `to` (both with the start's time of day); none when the
// end lies a whole day or more before the start.
std::vector<std::string> biorhythmListing(DateTime birthDate, DateTime from, DateTime to);

} // namespace tarvenik
