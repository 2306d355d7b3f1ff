#include "platform/collate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace tarvenik;

TEST(CzechOrder, PairsInOrder) {
    // Each pair: the first sorts strictly before the second.
    const std::pair<std::string, std::string> cases[] = {
        {"cz", "ča"},                  // č is a letter after c
        {"rz", "řa"},                  // ř after r
        {"sz", "ša"},                  // š after s
        {"zz", "žába"},                // ž after z
        {"hz", "chata"},               // ch after h ...
        {"chata", "ibis"},             // ... and before i
        {"Cihla", "Chrudim"},          // C-i is no ch
        {"áa", "ab"},                  // an accent only breaks ties ...
        {"a", "á"},                    // ... and then the bare letter goes first
        {"é", "ě"},                    // é before ě
        {"tuk", "ťuk"},                // ť is t with an accent
        {"u", "ů"},                    // as ů is u
        {"abc", "Abc"},                // case last: lower first
        {"Čínský", "Čínský císařský"}, // a prefix first
        {"a b", "ab"},                 // a blank before any letter
        {"9", "a"},                    // digits before letters
        {"z", "ω"},                    // other alphabets after ž
        {"Indiánský", "Indický"},      // á is a at first
    };
    for (const auto& [before, after] : cases) {
        EXPECT_LT(czechCompare(before, after), 0) << before << " < " << after;
        EXPECT_GT(czechCompare(after, before), 0) << after << " > " << before;
        EXPECT_TRUE(czechLess(before, after));
        EXPECT_FALSE(czechLess(after, before));
    }
    EXPECT_EQ(czechCompare("Čínský", "Čínský"), 0);
    EXPECT_EQ(czechCompare("", ""), 0);
    EXPECT_LT(czechCompare("", "a"), 0);
}

TEST(CzechOrder, HoroscopeSystemsSort) {
    std::vector<std::string> systems = {
        "Sluneční",          "Čínský císařský",
        "Partnerský čínský", "Indický",
        "Aztécký",           "Měsíční",
        "Cyklický",          "Čínský",
        "Pravdivý",          "Partnerský japonský",
        "Indiánský",         "Keltský",
        "Ascendent",         "Egyptský",
        "Cikánský",          "Partnerský sluneční",
    };
    std::sort(systems.begin(), systems.end(), czechLess);
    EXPECT_EQ(systems, (std::vector<std::string>{"Ascendent", "Aztécký", "Cikánský", "Cyklický",
                                                 "Čínský", "Čínský císařský", "Egyptský",
                                                 "Indiánský", "Indický", "Keltský", "Měsíční",
                                                 "Partnerský čínský", "Partnerský japonský",
                                                 "Partnerský sluneční", "Pravdivý", "Sluneční"}));
}

TEST(CzechOrder, MalformedTextStillOrders) {
    // Bytes that are no UTF-8 compare without a crash and consistently.
    const std::string bad = "a\xff\xfe";
    EXPECT_EQ(czechCompare(bad, bad), 0);
    EXPECT_EQ(czechCompare(bad, "a") > 0, czechCompare("a", bad) < 0);
}
