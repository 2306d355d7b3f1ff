#pragma once
// Pet horoscopes: a character sketch of a pet by its zodiac sign, in two kinds (any pet,
// cats). The texts are part of the program: written in content/program/pets.txt, checked
// against kPetTextShapes and compiled in by the build (mkdata --pets).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvenik {

inline constexpr std::array<std::string_view, 2> kPetTypes{"Zvířecí (obecně) horoskop",
                                                           "Kočičí horoskop"};

struct PetSign {
    std::string_view name;
    int blanks; // between the name and the date range in the list
    std::string_view dates;
};

inline constexpr std::array<PetSign, 12> kPetSigns{{
    {"Beran", 5, "21.března - 20.dubna"},
    {"Býk", 9, "21.dubna - 21.května"},
    {"Blíženci", 4, "22.května - 21.června"},
    {"Rak", 9, "22.června - 22.července"},
    {"Lev", 9, "23.července - 23.srpna"},
    {"Panna", 5, "24.srpna - 23.září"},
    {"Váhy", 7, "24.září - 23.října"},
    {"Štír", 10, "24.října - 22.listopadu"},
    {"Střelec", 4, "23.listopadu - 21.prosince"},
    {"Kozoroh", 2, "22.prosince - 20.ledna"},
    {"Vodnář", 4, "21.ledna - 19.února"},
    {"Ryby", 7, "20.února - 20.března"},
}};

// How each text opens and how many characters it has, by type and sign.
struct PetTextShape {
    std::string_view opening;
    std::size_t length;
};

inline constexpr std::array<std::array<PetTextShape, 12>, 2> kPetTextShapes{{
    {{
        {"Beran má pevnou vůli", 316},
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
        {"Ryby rozumějí vašim citům", 243},
    }},
    {{
        {"Kočky v beranu našlapují", 261},
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
        {"Kočky narozené ve znamení ryb", 318},
    }},
}};

// The compiled texts, by type and sign (generated from the content source).
extern const std::array<std::array<std::string_view, 12>, 2> kPetTexts;

// The text of a sign (0-11) for a type (0 any pet, 1 cats); empty outside those ranges.
std::string_view petSignTexts(int type, int sign);

// "Beran     ( 21.března - 20.dubna )"
std::string petSignItem(int sign);

} // namespace tarvenik
