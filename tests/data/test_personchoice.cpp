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
