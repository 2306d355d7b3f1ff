#include "data/oracle.h"

#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;
using Lines = std::vector<std::string>;

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
