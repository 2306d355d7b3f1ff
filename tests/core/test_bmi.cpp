#include "core/bmi.h"

#include <gtest/gtest.h>

using namespace tarvenik;

TEST(BodyMassIndex, CategoriesAndIdealRange) {
    const struct {
        Sex sex;
        int height, weight;
        double bmi;
        const char* category;
        bool normal;
        int from, to;
    } cases[] = {
        {Sex::Man, 180, 75, 23.15, "normální", true, 58, 81},
        {Sex::Woman, 160, 80, 31.25, "obézní", false, 44, 61},
        {Sex::Man, 200, 60, 15, "hubený", false, 72, 100},
        {Sex::Man, 100, 18, 18, "štíhlý", true, 18, 25},    // a limit belongs to the band above
        {Sex::Man, 100, 25, 25, "robustní", false, 18, 25}, // and leaves the normal band
        {Sex::Man, 100, 23, 23, "normální", true, 18, 25},
        {Sex::Woman, 100, 17, 17, "štíhlá", true, 17, 24},
        {Sex::Woman, 100, 16, 16, "hubená", false, 17, 24},
        {Sex::Woman, 100, 22, 22, "normální", true, 17, 24},
        {Sex::Woman, 100, 24, 24, "robustní", false, 17, 24},
        {Sex::Man, 100, 30, 30, "obézní", false, 18, 25},
        {Sex::Woman, 100, 35, 35, "hyperobézní", false, 17, 24},
        // 937.5 hundredths and 312.5 hundredths: the half goes to the even neighbour.
        {Sex::Woman, 160, 24, 9.38, "hubená", false, 44, 61},
        {Sex::Man, 160, 8, 3.12, "hubený", false, 46, 64},
        {Sex::Man, 150, 40, 17.78, "hubený", false, 40, 56}, // 40.5 -> 40, 56.25 -> 56
        {Sex::Man, 999, 999, 10.01, "hubený", false, 1796, 2495},
    };
    for (const auto& c : cases) {
        const BodyMassIndex r = bodyMassIndex(c.sex, c.height, c.weight);
        const std::string what = std::to_string(c.height) + "/" + std::to_string(c.weight);
        EXPECT_DOUBLE_EQ(r.bmi, c.bmi) << what;
        EXPECT_EQ(r.category, c.category) << what;
        EXPECT_EQ(r.normal, c.normal) << what;
        EXPECT_EQ(r.idealFrom, c.from) << what;
        EXPECT_EQ(r.idealTo, c.to) << what;
    }
}

TEST(BodyMassIndex, TabOutcome) {
    using Focus = BmiOutcome::Focus;
    const char* const kInput = "Váha a výška musí být číselná hodnota vyšší než nula!";
    const struct {
        std::optional<Sex> sex;
        const char *height, *weight, *text;
        Focus focus;
    } cases[] = {
        {Sex::Man, "180", "75",
         "Dle zadaných hodnot máte BMI = 23,15.\rJste tedy normální.\r\rMáte normální váhu.",
         Focus::Keep},
        {Sex::Woman, "160", "80",
         "Dle zadaných hodnot máte BMI = 31,25.\rJste tedy obézní.\r\r"
         "Vaše váha by měla být: 44 - 61kg.",
         Focus::Keep},
        {Sex::Man, "200", "60",
         "Dle zadaných hodnot máte BMI = 15.\rJste tedy hubený.\r\rVaše váha by měla být: 72 - "
         "100kg.",
         Focus::Keep},
        {std::nullopt, "180", "75", "Musíte zvolit pohlaví", Focus::Sex},
        {std::nullopt, "", "", "Musíte zvolit pohlaví", Focus::Sex},
        {Sex::Man, "0", "75", kInput, Focus::Keep},
        {Sex::Man, "180", "-5", kInput, Focus::Keep},
        {Sex::Man, "180", "abc", kInput, Focus::Keep},
        {Sex::Man, "1x0", "75", kInput, Focus::Keep},
        {Sex::Man, "", "75", kInput, Focus::Height},
        {Sex::Man, "", "", kInput, Focus::Height},
        {Sex::Woman, "160", "", kInput, Focus::Weight},
    };
    for (const auto& c : cases) {
        const BmiOutcome r = bmiOutcome(c.sex, c.height, c.weight);
        EXPECT_EQ(r.text, c.text) << c.height << "/" << c.weight;
        EXPECT_EQ(r.focus, c.focus) << c.height << "/" << c.weight;
    }
}
