#include "core/oracledraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace tarvenik;
using Lines = std::vector<std::string>;

TEST(OracleDraw, CountAndLines) {
    std::mt19937 random(7);
    const Lines words{"cesta", "voda", "", "klíč"};
    for (int i = 0; i < 50; ++i) {
        const Lines drawn = drawOracleLines(3, 3, words, random);
        ASSERT_EQ(drawn.size(), 3u);
        for (const std::string& line : drawn) {
            EXPECT_NE(std::find(words.begin(), words.end(), line), words.end());
        }
    }
    EXPECT_EQ(drawOracleLines(4, 4, {"jediná"}, random), Lines(4, "jediná"));
    EXPECT_TRUE(drawOracleLines(5, 4, words, random).empty()); // bounds reversed
    EXPECT_TRUE(drawOracleLines(2, 10, {}, random).empty());   // nothing to draw from
}

TEST(OracleDraw, EveryCountAndEveryLineCanCome) {
    std::mt19937 random(2026);
    const Lines words{"a", "b", "c", "d", "e"};
    std::vector<int> counts(11, 0);
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        const Lines drawn = drawOracleLines(2, 10, words, random);
        ASSERT_GE(drawn.size(), 2u);
        ASSERT_LE(drawn.size(), 10u);
        ++counts[drawn.size()];
        seen.insert(drawn.begin(), drawn.end());
    }
    for (int n = 2; n <= 10; ++n) {
        // About 222 each; far from it means the count is not uniform.
        EXPECT_GT(counts[static_cast<std::size_t>(n)], 150) << n;
        EXPECT_LT(counts[static_cast<std::size_t>(n)], 300) << n;
    }
    EXPECT_EQ(seen.size(), words.size());
    // Two presses in a row are independent draws, not one repeated.
    EXPECT_NE(drawOracleLines(10, 10, words, random), drawOracleLines(10, 10, words, random));
}
