#include "data/personchoice.h"

#include <gtest/gtest.h>

using namespace tarvenik;

namespace {

const std::vector<std::string> kNames = {"Malá Eva 1.1.1980 00:00", "Novák Jan 5.3.1975 00:00"};

RememberedSelection remembered(bool partner, std::string user, std::string partnerName) {
    return RememberedSelection{partner, std::move(user), std::move(partnerName)};
}

} // namespace

TEST(PersonChoice, RememberedEntriesAreSelected) {
    const auto c =
        restoreChoice(kNames, true, false, remembered(true, kNames[1], kNames[0]), -1, -1);
    EXPECT_EQ(c, (PersonListChoice{true, 1, 0, true, true}));
}

TEST(PersonChoice, RememberedTextsThatMatchNothing) {
    // Empty: no choice. Deleted person: the current choice stays (none after a refresh).
    EXPECT_EQ(restoreChoice(kNames, true, true, remembered(false, "", ""), 1, 0),
              (PersonListChoice{false, -1, -1, false, true}));
    EXPECT_EQ(restoreChoice(kNames, true, true,
                            remembered(true, "Smazaný X 1.1.1990 00:00", "malá eva 1.1.1980 00:00"),
                            -1, 1),
              (PersonListChoice{true, -1, 1, true, true}));
}

TEST(PersonChoice, WithoutRememberingTheDefaultPartnerOptionApplies) {
    EXPECT_EQ(restoreChoice(kNames, false, true, remembered(false, kNames[0], ""), -1, -1),
              (PersonListChoice{true, -1, -1, true, true}));
    EXPECT_EQ(restoreChoice({}, false, false, {}, -1, -1),
              (PersonListChoice{false, -1, -1, false, false}));
}

TEST(PersonChoice, AnUntickedPartnerOptionKeepsNoPartner) {
    // After a cancelled add, edit or delete the lists still hold the user's picks; the
    // partner option is restored first and, left unticked, takes the partner away.
    struct Case {
        bool pamatovat, loadedPartner;
        RememberedSelection remembered;
        int partner;
    };
    const Case cases[] = {
        {true, true, remembered(false, kNames[1], ""), -1},
        {true, true, remembered(false, kNames[1], "Smazaný X 1.1.1990 00:00"), -1},
        {false, false, remembered(true, "", kNames[0]), -1},
        {true, false, remembered(true, kNames[1], "Smazaný X 1.1.1990 00:00"), 1}, // ticked
        {false, true, {}, 1},
        {true, true, remembered(false, "", kNames[0]), 0}, // remembered entries still apply
    };
    for (const Case& c : cases) {
        const auto choice = restoreChoice(kNames, c.pamatovat, c.loadedPartner, c.remembered, 0, 1);
        EXPECT_EQ(choice.partner, c.partner)
            << c.pamatovat << c.loadedPartner << " " << c.remembered.Partner;
        EXPECT_EQ(choice.partnerListEnabled, choice.partnerTicked);
    }
}

TEST(PersonChoice, ConfirmationRules) {
    EXPECT_TRUE(selectionComplete(false, true, false));
    EXPECT_TRUE(selectionComplete(true, true, true));
    EXPECT_FALSE(selectionComplete(true, true, false));
    EXPECT_FALSE(selectionComplete(false, false, true));
    EXPECT_TRUE(personEntryComplete("Jan", "Novák", 0));
    EXPECT_TRUE(personEntryComplete(" ", "  ", 1)); // blanks count as text
    EXPECT_FALSE(personEntryComplete("", "Novák", 0));
    EXPECT_FALSE(personEntryComplete("Jan", "", 1));
    EXPECT_FALSE(personEntryComplete("Jan", "Novák", -1));
}

TEST(PersonChoice, WhatStandsInTheWayOfStoringAPerson) {
    const auto entry = [](const char* first, const char* last, int sex = 1) {
        Person p;
        p.firstName = first;
        p.surname = last;
        p.birthDate = *DateTime::fromDate(1980, 1, 1);
        p.sex = sex;
        return p;
    };
    using P = PersonEntryProblem;
    const struct {
        Person entered;
        std::string edited;
        PersonEntryCheck check;
    } cases[] = {
        {entry("Iva", "Malá"), "", {}},
        {entry("Eva", "Malá", -1), "", {P::Incomplete, {}, ""}},
        {entry("Eva😀", "Malá 中 😀"), "", {P::Unstorable, {"😀", "中"}, ""}},
        {entry("Eva", "Malá"), "", {P::Exists, {}, kNames[0]}},
        {entry("EVA", "malá"), "", {P::Exists, {}, kNames[0]}}, // sections ignore case
        {entry("Eva", "Malá"), kNames[0], {}},                  // editing keeps its own name
        {entry("Eva", "Malá"), "malá eva 1.1.1980 00:00", {}},
        {entry("Eva", "Malá"), kNames[1], {P::Exists, {}, kNames[0]}}, // but takes no other
        {entry("Eva\n", "Malá"), "", {}}, // stored as "Eva " with a blank: another name
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkPersonEntry(c.entered, kNames, c.edited), c.check)
            << c.entered.firstName << " " << c.entered.surname << " / " << c.edited;
    }
}
