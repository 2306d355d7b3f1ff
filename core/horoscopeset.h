#pragma once
// One computation of every sign of the person (the user) and the partner, with the birth
// moments and time-span anchors, which of the ascendant and Aztec buttons are usable and
// the messages to show. The report window gathers the birth data, calls this once while
// it opens and applies the result.

#include "platform/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvenik {

struct BirthData {
    std::uint16_t day = 1, month = 1, year = 1980;
    std::uint16_t hour = 0, minute = 0; // midnight when the record holds no time
    bool exactTime = false;
    std::int16_t sex = -1;
    DateTime nameDay; // day and month of the name day in the year 2000, at midnight
};

struct PersonSigns {
    std::string sun, indian, gypsy, lunar, ascendant, chineseAnimal, chineseSeason, celtic,
        egyptian, cyclic, nativeAmerican, aztec;
    bool operator==(const PersonSigns&) const = default;
};

struct HoroscopeSet {
    PersonSigns user, partner;
    std::string partnerSunKey;      // user's sun sign followed by the partner's: "BeranLev"
    std::string partnerChineseKey;  // the two animals: "DrakKůň"
    std::string partnerJapaneseKey; // never computed: always empty
};

struct SpanAnchors {
    DateTime birth, nextBirthday, previousBirthday, nextNameDay, previousNameDay;
};

struct HoroscopeComputation {
    HoroscopeSet signs;
    SpanAnchors user, partner;
    // Usable state of BtnAztecky, BtnAscendent and, with a partner, their twins.
    bool aztecUsable = false, ascendantUsable = false;
    bool aztecUsable2 = false, ascendantUsable2 = false;
    std::vector<std::string> messages; // each shown once, in order
};

inline constexpr const char* kMsgNoExactTime =
    "Pokud nezadáte přesný čas narození,\r        nelze vypočítat Ascendent!";
inline constexpr const char* kMsgAztecYear =
    "Aztécký horoskop funguje pouze u lidí,\r       narozených před rokem 2003!";

// Next and previous occurrence of a yearly moment around now.
SpanAnchors spanAnchors(DateTime birth, DateTime nameDay, DateTime now);

HoroscopeComputation vypocitej_horoskopy(const BirthData& user,
                                         const std::optional<BirthData>& partner, DateTime now);

} // namespace tarvenik
