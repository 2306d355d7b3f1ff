#include "core/petsigns.h"

#include "platform/text.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarvenik;

TEST(PetSigns, EveryTextHasItsOpeningAndLength) {
    // Written out here again, so that a slip in the program's table shows too.
    const struct {
        const char* opening;
        std::size_t length;
    } expected[2][12] = {
        {{"Beran má pevnou vůli", 316},
         {"Býk žije jen, aby jedl", 224},
         {"Blíženci rádi klábosí!", 225},
         {"Raci jsou spíše plaší", 261},
         {"Lvi si myslí, že jsou králi", 237},
         {"Mazlíčci v tomto znamení", 322},
         {"Váhy milují téměř kohokoliv", 255},
         {"Štír vás bude milovat", 262},
         {"Střelec je přirozeně lovec", 256},
         {"Kozoroh má rád", 228},
         {"Vodnáři jsou poněkud neobvyklí", 260},
         {"Ryby rozumějí vašim citům", 243}},
        {{"Kočky v beranu našlapují", 261},
         {"Kočky narozené ve znamení býka", 306},
         {"Kočky v tomto znamení jsou velmi", 320},
         {"Kočky v raku se mohou", 314},
         {"Kočky narozené ve znamení lva", 379},
         {"Kočky v panně jsou velmi čistotné", 314},
         {"Kočky Váhy jsou plny šarmu", 263},
         {"Kočky štíři v tichosti", 256},
         {"Kočky narozené pod znamením střelce", 316},
         {"Kočky v kozorohu jsou klidné", 259},
         {"Kočky vodnáři jsou velmi zvědavé", 272},
         {"Kočky narozené ve znamení ryb", 318}},
    };
    std::set<std::string_view> distinct;
    for (int type = 0; type < 2; ++type) {
        for (int sign = 0; sign < 12; ++sign) {
            const auto& e = expected[type][sign];
            const std::string_view text = petSignTexts(type, sign);
            EXPECT_TRUE(text.starts_with(e.opening)) << type << "/" << sign;
            EXPECT_EQ(charCount(text), e.length) << type << "/" << sign;
            EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos); // one paragraph
            EXPECT_EQ(encode1250(text).find('?'), std::string::npos);      // fits the code page
            distinct.insert(text);
        }
    }
    EXPECT_EQ(distinct.size(), 24u);
}

TEST(PetSigns, OutOfRangeGivesNothing) {
    EXPECT_TRUE(petSignTexts(2, 0).empty());
    EXPECT_TRUE(petSignTexts(-1, 0).empty());
    EXPECT_TRUE(petSignTexts(0, 12).empty());
    EXPECT_TRUE(petSignItem(-1).empty());
}

TEST(PetSigns, ListItems) {
    EXPECT_EQ(petSignItem(0), "Beran     ( 21.března - 20.dubna )");
    EXPECT_EQ(petSignItem(7), "Štír          ( 24.října - 22.listopadu )");
    EXPECT_EQ(petSignItem(9), "Kozoroh  ( 22.prosince - 20.ledna )");
    EXPECT_EQ(petSignItem(11), "Ryby       ( 20.února - 20.března )");
}
