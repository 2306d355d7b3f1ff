#include "core/horoscopeset.h"

#include <gtest/gtest.h>

using namespace tarvenik;

namespace {

DateTime at(int y, int m, int d, int h = 0, int mi = 0) {
    return *DateTime::fromDate(y, m, d, h, mi);
}

BirthData born(std::uint16_t y, std::uint16_t m, std::uint16_t d, bool exact = false,
               std::uint16_t h = 0, std::uint16_t mi = 0) {
    BirthData b;
    b.year = y;
    b.month = m;
    b.day = d;
    b.hour = h;
    b.minute = mi;
    b.exactTime = exact;
    b.nameDay = at(2000, 6, 24);
    return b;
}

const DateTime kNow = at(2026, 12, 8, 10, 0);

} // namespace

TEST(HoroscopeSet, PersonWithoutTimeAndWithoutPartner) {
    const auto c = vypocitej_horoskopy(born(1975, 3, 5), std::nullopt, kNow);
    const PersonSigns& s = c.signs.user;
    EXPECT_EQ(s.sun, "Ryby");
    EXPECT_EQ(s.indian, "Mina");
    EXPECT_EQ(s.gypsy, "Kaple");
    EXPECT_EQ(s.chineseAnimal, "Králík");
    EXPECT_EQ(s.chineseSeason, "Jaro");
    EXPECT_EQ(s.celtic, "Vrba");
    EXPECT_EQ(s.egyptian, "Mut");
    EXPECT_EQ(s.cyclic, "Doba obnovy");
    EXPECT_EQ(s.nativeAmerican, "Vlk");
    EXPECT_FALSE(s.aztec.empty());
    EXPECT_EQ(s.lunar, "");
    EXPECT_EQ(s.ascendant, "");
    EXPECT_TRUE(c.aztecUsable);
    EXPECT_FALSE(c.ascendantUsable);
    EXPECT_FALSE(c.aztecUsable2);
    EXPECT_FALSE(c.ascendantUsable2);
    EXPECT_EQ(c.signs.partner, PersonSigns{});
    EXPECT_EQ(c.signs.partnerSunKey, "");
    EXPECT_EQ(c.messages, std::vector<std::string>{kMsgNoExactTime});
}

TEST(HoroscopeSet, MessagesAreShownOnceWithTheirExactText) {
    EXPECT_EQ(std::string(kMsgNoExactTime),
              "Pokud nezadáte přesný čas narození,\r        nelze vypočítat Ascendent!");
    EXPECT_EQ(std::string(kMsgAztecYear),
              "Aztécký horoskop funguje pouze u lidí,\r       narozených před rokem 2003!");
    struct Case {
        BirthData user;
        std::optional<BirthData> partner;
        std::vector<std::string> messages;
    };
    const std::string time = kMsgNoExactTime;
    const std::string aztec = kMsgAztecYear;
    const Case cases[] = {
        {born(1990, 1, 1, true), std::nullopt, {}},
        {born(1990, 1, 1, true), born(1990, 1, 1, false), {time}},
        {born(1990, 1, 1, false), born(1990, 1, 1, false), {time}},
        {born(2002, 1, 1, true), std::nullopt, {}},
        {born(2003, 1, 1, true), std::nullopt, {aztec}},
        {born(2005, 1, 1, true), born(2005, 1, 1, true), {aztec}},
        {born(1990, 1, 1, true), born(2005, 1, 1, true), {aztec}},
        {born(2005, 1, 1, false), born(2005, 1, 1, false), {time, aztec}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vypocitej_horoskopy(c.user, c.partner, kNow).messages, c.messages)
            << c.user.year << " " << c.user.exactTime;
    }
}

TEST(HoroscopeSet, ButtonsFollowEachPerson) {
    const auto c = vypocitej_horoskopy(born(1990, 6, 12, true, 20, 30), born(2003, 7, 1), kNow);
    EXPECT_TRUE(c.ascendantUsable);
    EXPECT_EQ(c.signs.user.ascendant, "Kozoroh");
    EXPECT_TRUE(c.aztecUsable);
    EXPECT_FALSE(c.ascendantUsable2);
    EXPECT_EQ(c.signs.partner.ascendant, "");
    EXPECT_FALSE(c.aztecUsable2);
    EXPECT_EQ(c.signs.partner.aztec, "");
    EXPECT_EQ(c.signs.partner.sun, "Rak");
}

TEST(HoroscopeSet, PartnerKeysJoinBothSigns) {
    // 10 April 2000: Beran, Drak; 10 August 1990: Lev, Kůň.
    const auto c = vypocitej_horoskopy(born(2000, 4, 10), born(1990, 8, 10), kNow);
    EXPECT_EQ(c.signs.partnerSunKey, "BeranLev");
    EXPECT_EQ(c.signs.partnerChineseKey, "DrakKůň");
    EXPECT_EQ(c.signs.partnerJapaneseKey, "");
}

TEST(SpanAnchors, BirthdayEarlierOrLaterToday) {
    const DateTime birth = at(1975, 12, 8, 14, 30);
    const SpanAnchors later = spanAnchors(birth, at(2000, 1, 1), kNow); // now 10:00
    EXPECT_EQ(later.nextBirthday, at(2026, 12, 8, 14, 30));
    EXPECT_EQ(later.previousBirthday, at(2025, 12, 8, 14, 30));
    const SpanAnchors earlier = spanAnchors(at(1975, 12, 8, 7, 5), at(2000, 1, 1), kNow);
    EXPECT_EQ(earlier.nextBirthday, at(2027, 12, 8, 7, 5));
    EXPECT_EQ(earlier.previousBirthday, at(2026, 12, 8, 7, 5));
    // Exactly now counts as passed.
    const SpanAnchors same = spanAnchors(kNow, at(2000, 1, 1), kNow);
    EXPECT_EQ(same.previousBirthday, kNow);
    EXPECT_EQ(same.birth, kNow);
}

TEST(SpanAnchors, NameDaysAtMidnight) {
    const SpanAnchors a = spanAnchors(at(1975, 3, 5), at(2000, 12, 24), kNow);
    EXPECT_EQ(a.nextNameDay, at(2026, 12, 24));
    EXPECT_EQ(a.previousNameDay, at(2025, 12, 24));
    const SpanAnchors today = spanAnchors(at(1975, 3, 5), at(2000, 12, 8), kNow);
    EXPECT_EQ(today.previousNameDay, at(2026, 12, 8));
    EXPECT_EQ(today.nextNameDay, at(2027, 12, 8));
}

TEST(SpanAnchors, TwentyNinthOfFebruaryFallsOnTheTwentyEighthInCommonYears) {
    const SpanAnchors a = spanAnchors(at(1980, 2, 29, 6, 0), at(2000, 2, 29), kNow);
    EXPECT_EQ(a.nextBirthday, at(2027, 2, 28, 6, 0));
    EXPECT_EQ(a.previousBirthday, at(2026, 2, 28, 6, 0));
    EXPECT_EQ(a.nextNameDay, at(2027, 2, 28));
    const SpanAnchors leap = spanAnchors(at(1980, 2, 29), at(2000, 2, 29), at(2028, 1, 1));
    EXPECT_EQ(leap.nextBirthday, at(2028, 2, 29));
    EXPECT_EQ(leap.previousBirthday, at(2027, 2, 28));
}
