#pragma once
// The body-mass index tab: BMI from height and weight, a category word whose limits differ
// for men and women, and the range of normal weight for the height.

#include <optional>
#include <string>
#include <string_view>

namespace tarvenik {

enum class Sex { Man, Woman };

struct BodyMassIndex {
    double bmi = 0;       // rounded to two decimals
    std::string category; // "hubený" ... "hyperobézní"
    bool normal = false;  // within the normal-weight band of the sex
    int idealFrom = 0;    // kg
    int idealTo = 0;      // kg
};

// heightCm and weightKg above 0 (otherwise an empty result).
BodyMassIndex bodyMassIndex(Sex sex, int heightCm, int weightKg);

// "Dle zadaných hodnot máte BMI = 23,15.\rJste tedy normální.\r\rMáte normální váhu."
std::string bmiText(const BodyMassIndex& result);

// What the tab shows for its three inputs as they stand, and where the focus goes.
struct BmiOutcome {
    enum class Focus { Keep, Sex, Height, Weight };
    std::string text;
    Focus focus = Focus::Keep;
};
BmiOutcome bmiOutcome(std::optional<Sex> sex, std::string_view heightText,
                      std::string_view weightText);

} // namespace tarvenik
