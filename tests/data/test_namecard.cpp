#include "data/namecard.h"

#include <gtest/gtest.h>

using namespace tarvenik;

TEST(NameCard, LabelsInOrderWithTheirBlanks) {
    const NameRecord r = substituteNameRecord("Ája");
    const auto lines = nameCardLines(r);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "  Druh jména:   ---");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "  Mužská/ženská podoba:   ---");
    EXPECT_EQ(lines[14], "  Jmeniny:   ---");
    EXPECT_EQ(lines[18], "  Jiné podoby jména:   ---");
    EXPECT_EQ(lines[19], "");
    EXPECT_EQ(lines[20], "  Zdroj: ---");
}
