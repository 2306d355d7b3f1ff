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

// "05.03.1975 - Fyzička:    0%, Psychika:    0%, Inteligence:    0%"
std::string biorhythmLine(DateTime day, const BiorhythmValues& values);

// One line per day from `from` to `to` (both with the start's time of day); none when the
// end lies a whole day or more before the start.
std::vector<std::string> biorhythmListing(DateTime birthDate, DateTime from, DateTime to);

} // namespace tarvenik
