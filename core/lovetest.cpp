#include "core/lovetest.h"

#include "platform/text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarvenik {

namespace {

constexpr std::array<std::pair<char32_t, int>, 14> kLetterScores{{
    {U'L', 2},
    {U'O', 3},
    {U'Ó', 3},
    {U'Ö', 3},
    {U'V', 2},
    {U'E', 2},
    {U'Ě', 2},
    {U'É', 2},
    {U'Ë', 2},
    {U'Y', 3},
    {U'Ý', 3},
    {U'U', 3},
    {U'Ú', 3},
    {U'Ü', 3},
}};

// Base value by score: 0-1 -> 5, 2-3 -> 10, 4-5 -> 20, ... 20-21 -> 100, 22-50 -> 110.
int baseOf(int score) {
    if (score <= 1) {
        return 5;
    }
    return std::min(score / 2, 11) * 10;
}

int scoreOf(std::string_view text) {
    int score = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        score += letterScore(nextCodePoint(text, pos));
    }
    return score;
}

} // namespace

int letterScore(char32_t c) {
    const char32_t upper = upperOf(c);
    for (const auto& [letter, score] : kLetterScores) {
        if (letter == upper) {
            return score;
        }
    }
    return 0;
}

LoveTest loveTestPercent(std::string_view first, std::string_view second) {
    LoveTest result;
    result.score = scoreOf(first) + scoreOf(second);
    if (result.score > 50) {
        return result;
    }
    const double halfLength = static_cast<double>(charCount(first) + charCount(second)) / 2;
    result.percent = std::clamp(baseOf(result.score) - halfLength, 0.0, 99.0);
    return result;
}

std::string loveTestText(const LoveTest& result) {
    return "Výsledek: " + czechNumber(result.percent) + "%";
}

} // namespace tarvenik
