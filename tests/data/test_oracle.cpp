#include "data/oracle.h"

#include "data/textlines.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;
using Lines = std::vector<std::string>;

TEST(TextLines, EveryLineEndEndsALineAndTheLastAddsNone) {
    const struct {
        const char* bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\n", {"a", "b", "c"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\r", {"a", ""}}, // LF then a lone CR: two line ends
        {"a\r\r\n", {"a", ""}},
        {"\n\n", {"", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitTextLines(c.bytes), c.lines) << c.bytes;
    }
}

TEST(WordFile, ReadsWindows1250Lines) {
    TempFolder app;
    std::filesystem::create_directories(app / "Data");
    app.write("Data/abu.txt", "kr\xE1sa\r\n\r\n\x9A\xED\xF8"
                              "e\r\nkone\xE8");
    const auto words = readWordFile(wordFilePath(app.path()));
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, (Lines{"krása", "", "šíře", "koneč"}));
}

TEST(WordFile, MissingFileIsAnErrorNamingIt) {
    TempFolder app;
    const auto words = readWordFile(wordFilePath(app.path()));
    ASSERT_FALSE(words);
    EXPECT_NE(words.error().where.find("abu.txt"), std::string::npos);
}
