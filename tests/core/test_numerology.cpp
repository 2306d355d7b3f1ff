#include "core/numerology.h"

#include <gtest/gtest.h>

using namespace tarvenik;

TEST(Numerology, JanNovak) {
    const NumerologyNumbers n = numerologyNumbers(5, 3, 1975, "Jan", "Novák", 2026);
    EXPECT_EQ(n.lifePath, 3);
    EXPECT_EQ(n.dayOfBirth, 5);
    EXPECT_EQ(n.destiny, 7);
    EXPECT_EQ(n.luckyNumber, 5);
    EXPECT_EQ(n.challengeHabits, 8);
    EXPECT_EQ(n.personalYear, 9);
    EXPECT_EQ(n.peaks, (std::array<int, 4>{8, 9, 8, 7}));
    EXPECT_EQ(n.challenges, (std::array<int, 4>{2, 1, 1, 1}));
    EXPECT_EQ(ageRangeLabels(n.lifePath),
              (std::array<std::string, 4>{"1.   0 - 33 let", "2.   34- 42 let", "3.   43- 51 let",
                                          "4.   52- ... let"}));
}

TEST(Numerology, MasterNumbersStop) {
    const NumerologyNumbers n = numerologyNumbers(2, 9, 1980, "Eva", "Malá", 2026);
    EXPECT_EQ(n.lifePath, 11); // 2+9+1+9+8+0 = 29 -> 11, not 2
    EXPECT_EQ(n.luckyNumber, 4);
    EXPECT_EQ(ageRangeLabels(n.lifePath)[0], "1.   0 - 34 let");
    struct Case {
        const char* digits;
        int value;
    };
    for (const Case c : {Case{"29", 11}, Case{"2299", 22}, Case{"4", 4}, Case{"1993", 22},
                         Case{"0000", 0}, Case{"99999", 9}, Case{"38", 11}, Case{"123456789", 9}}) {
        EXPECT_EQ(reduceMaster(c.digits), c.value) << c.digits;
    }
    EXPECT_EQ(reduceDigits(1975), 4);
    EXPECT_EQ(reduceDigits(0), 0);
    EXPECT_EQ(reduceDigits(99), 9);
}

TEST(Numerology, LetterValuesAfterLowerCasing) {
    struct Case {
        char32_t c;
        int value;
    };
    const Case cases[] = {{U'a', 1}, {U'Á', 1}, {U'ä', 1}, {U'K', 2}, {U'ů', 3}, {U'Ú', 3},
                          {U'm', 4}, {U'Ě', 5}, {U'w', 5}, {U'Ö', 6}, {U'ý', 7}, {U'q', 8},
                          {U'Í', 9}, {U'r', 9}, {U'č', 0}, {U'Ř', 0}, {U'š', 0}, {U'ž', 0},
                          {U' ', 0}, {U'-', 0}, {U'7', 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(letterValue(c.c), c.value) << static_cast<std::uint32_t>(c.c);
    }
    EXPECT_EQ(nameValue("Čž"), 0);
    EXPECT_EQ(nameValue("JAN"), 7);
    EXPECT_EQ(numerologyNumbers(1, 1, 2000, "Jan", "Čž", 2026).destiny, 7);
}

TEST(Numerology, PersonalYearFollowsTheOutlookOnly) {
    const NumerologyNumbers a = numerologyNumbers(5, 3, 1975, "Jan", "Novák", 2026);
    NumerologyNumbers b = numerologyNumbers(5, 3, 1975, "Jan", "Novák", 2027);
    EXPECT_EQ(b.personalYear, 1);
    EXPECT_EQ(personalYear(5, 3, 2027), 1);
    b.personalYear = a.personalYear;
    EXPECT_EQ(a, b);
}

TEST(Numerology, ChallengeAndHabitsCountsAtMostSixtyCharacters) {
    const std::string thirty(30, 'x');
    EXPECT_EQ(numerologyNumbers(1, 1, 2000, "Šárka", "Nová", 2026).challengeHabits, 9);
    EXPECT_EQ(numerologyNumbers(1, 1, 2000, thirty + "y", thirty + "z", 2026).challengeHabits, 6);
}
