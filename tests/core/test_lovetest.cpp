#include "core/lovetest.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarvenik;

TEST(LoveTest, ScoresAndPercentages) {
    const std::string longLow(60, 'b');
    const struct {
        const char* first;
        std::string second;
        int score;
        double percent;
        const char* text;
    } cases[] = {
        {"Petr Novák", "Jana Nová", 12, 50.5, "Výsledek: 50,5%"},
        {"x", "y", 3, 9, "Výsledek: 9%"},
        {"ó ü", "ů", 6, 28, "Výsledek: 28%"}, // lower case counts like capitals; ů is 0
        {"ÓÖÉĚË", "ÝÚÜ", 21, 96, "Výsledek: 96%"},
        {"yyyyyyyy", "y", 27, 99, "Výsledek: 99%"}, // 110 - 4.5, capped at 99
        {"b", "b", 0, 4, "Výsledek: 4%"},
        {"b", longLow, 0, 0, "Výsledek: 0%"}, // long names with a small score stop at 0
        {"ooooooooooooooooo", "x", 51, 0, "Výsledek: 0%"}, // above 50, whatever the length
        {"yyyyyyyyyyyyyyyy", "uu", 54, 0, "Výsledek: 0%"},
        {"Lev 2", "Eva!", 10, 45.5, "Výsledek: 45,5%"}, // digits and punctuation count 0
    };
    for (const auto& c : cases) {
        const LoveTest r = loveTestPercent(c.first, c.second);
        EXPECT_EQ(r.score, c.score) << c.first;
        EXPECT_DOUBLE_EQ(r.percent, c.percent) << c.first;
        EXPECT_EQ(loveTestText(r), c.text) << c.first;
    }
}

TEST(LoveTest, LetterScores) {
    const struct {
        char32_t letter;
        int score;
    } cases[] = {{U'l', 2}, {U'L', 2}, {U'o', 3}, {U'ó', 3}, {U'ö', 3}, {U'v', 2}, {U'e', 2},
                 {U'ě', 2}, {U'é', 2}, {U'ë', 2}, {U'y', 3}, {U'ý', 3}, {U'u', 3}, {U'ú', 3},
                 {U'ü', 3}, {U'ů', 0}, {U'a', 0}, {U'5', 0}, {U' ', 0}, {U'ő', 0}, {U'ű', 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(letterScore(c.letter), c.score) << static_cast<unsigned>(c.letter);
    }
}
