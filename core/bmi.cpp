#include "core/bmi.h"

#include "platform/text.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace tarvenik {

namespace {

struct SexLimits {
    std::array<int, 6> lower; // hundredths of BMI where each band starts
    std::array<std::string_view, 6> words;
    int normalFrom, normalTo; // whole BMI; the normal band includes from and excludes to
};

constexpr SexLimits kMan{{0, 1800, 2300, 2500, 3000, 3500},
                         {"hubený", "štíhlý", "normální", "robustní", "obézní", "hyperobézní"},
                         18,
                         25};
constexpr SexLimits kWoman{{0, 1700, 2200, 2400, 3000, 3500},
                           {"hubená", "štíhlá", "normální", "robustní", "obézní", "hyperobézní"},
                           17,
                           24};

// numerator / denominator to the nearest whole number, a half to the even neighbour;
// both positive.
std::int64_t divideHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t q = numerator / denominator;
    const std::int64_t twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && q % 2 == 1)) {
        ++q;
    }
    return q;
}

// A whole number, blanks around it allowed.
std::optional<int> wholeNumber(std::string_view text) {
    text = trimBlanks(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

// Integer arithmetic throughout, so that a BMI or an ideal weight that lies exactly on a
// half or on a limit is rounded and compared as written, not as a binary fraction.
BodyMassIndex bodyMassIndex(Sex sex, int heightCm, int weightKg) {
    if (heightCm <= 0 || weightKg <= 0) {
        return {};
    }
    const SexLimits& limits = sex == Sex::Man ? kMan : kWoman;
    const std::int64_t squareCm = std::int64_t{heightCm} * heightCm;
    const std::int64_t hundredths = divideHalfEven(std::int64_t{weightKg} * 1'000'000, squareCm);

    BodyMassIndex r;
    r.bmi = static_cast<double>(hundredths) / 100;
    for (std::size_t i = limits.lower.size(); i-- > 0;) {
        if (hundredths >= limits.lower[i]) {
            r.category = limits.words[i];
            break;
        }
    }
    r.normal = hundredths >= limits.normalFrom * 100 && hundredths < limits.normalTo * 100;
    r.idealFrom = static_cast<int>(divideHalfEven(limits.normalFrom * squareCm, 10'000));
    r.idealTo = static_cast<int>(divideHalfEven(limits.normalTo * squareCm, 10'000));
    return r;
}

std::string bmiText(const BodyMassIndex& r) {
    std::string text = "Dle zadaných hodnot máte BMI = " + czechNumber(r.bmi) + ".\rJste tedy " +
                       r.category + ".\r\r";
    if (r.normal) {
        return text + "Máte normální váhu.";
    }
    return text + "Vaše váha by měla být: " + std::to_string(r.idealFrom) + " - " +
           std::to_string(r.idealTo) + "kg.";
}

BmiOutcome bmiOutcome(std::optional<Sex> sex, std::string_view heightText,
                      std::string_view weightText) {
    if (!sex) {
        return {"Musíte zvolit pohlaví", BmiOutcome::Focus::Sex};
    }
    const auto height = wholeNumber(heightText);
    const auto weight = wholeNumber(weightText);
    if (!height || !weight || *height <= 0 || *weight <= 0) {
        BmiOutcome bad{"Váha a výška musí být číselná hodnota vyšší než nula!",
                       BmiOutcome::Focus::Keep};
        if (heightText.empty()) {
            bad.focus = BmiOutcome::Focus::Height;
        } else if (weightText.empty()) {
            bad.focus = BmiOutcome::Focus::Weight;
        }
        return bad;
    }
    return {bmiText(bodyMassIndex(*sex, *height, *weight)), BmiOutcome::Focus::Keep};
}

} // namespace tarvenik
