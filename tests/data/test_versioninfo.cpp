#include "data/versioninfo.h"

#include <gtest/gtest.h>

using namespace tarvenik;

TEST(VersionInfo, ParsesTheReleaseAgainstOurs) {
    constexpr auto upToDate = VersionStatus::UpToDate;
    constexpr auto newer = VersionStatus::Newer;
    constexpr auto invalid = VersionStatus::Invalid;
    const struct {
        std::string_view bytes;
        VersionInfo info;
    } cases[] = {
        {"23\r\nTarvenik 0.2.3\r\nhttp://a.cz/\r\n", {upToDate, "", ""}},
        {"22", {upToDate, "", ""}},
        {"-1", {upToDate, "", ""}},
        {"24\r\nTarvenik 0.2.4\r\nhttps://a.cz/get\r\n",
         {newer, "Tarvenik 0.2.4", "https://a.cz/get"}},
        {"24\nLF\nhttp://a.cz/", {newer, "LF", "http://a.cz/"}},
        {"24\rCR\rHTTP://a.cz/", {newer, "CR", "HTTP://a.cz/"}},
        {" 100 \r\n  name kept as is \r\n http://a.cz/ ",
         {newer, "  name kept as is ", "http://a.cz/"}},
        {"24\r\n\r\nhttp://a.cz/", {newer, "", "http://a.cz/"}},
        // The name is Windows-1250: "Nová verze – únor"
        {"24\r\nNov\xE1 verze \x96 \xFAnor\r\nhttp://a.cz/",
         {newer, "Nová verze – únor", "http://a.cz/"}},
        // Not a whole number in line 1: an error page, an empty answer, a slip.
        {"", {invalid, "", ""}},
        {"\r\n24", {invalid, "", ""}},
        {"<!DOCTYPE html>\n<html><body>404</body></html>", {invalid, "", ""}},
        {"24abc\r\nx\r\nhttp://a.cz/", {invalid, "", ""}},
        {"2.4\r\nx\r\nhttp://a.cz/", {invalid, "", ""}},
        {"99999999999999999999999\r\nx\r\nhttp://a.cz/", {invalid, "", ""}},
        // A newer release must say where to get it, and only a web address is opened.
        {"24\r\nTarvenik 0.2.4", {invalid, "", ""}},
        {"24\r\nTarvenik 0.2.4\r\nhttp://", {invalid, "", ""}},
        {"24\r\nx\r\nfile:///home/user/.bashrc", {invalid, "", ""}},
        {"24\r\nx\r\n/usr/bin/xterm", {invalid, "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseVersionInfo(c.bytes), c.info) << c.bytes;
    }
}

TEST(VersionInfo, LinesOfEachOutcome) {
    EXPECT_EQ(versionInfoLines({VersionStatus::UpToDate, "", ""}),
              std::vector<std::string>{"Používáte nejnovější verzi programu!"});
    EXPECT_EQ(
        versionInfoLines({VersionStatus::Newer, "Tarvenik 0.2.4", "http://a.cz/"}),
        (std::vector<std::string>{"Je dostupná nová verze programu!", "---",
                                  "Vaše verze: 0.2.3 (10.1.2008)", "Nová verze: Tarvenik 0.2.4"}));
    EXPECT_EQ(versionInfoLines({}),
              std::vector<std::string>{"Server vrátil neplatné informace o verzi."});
}
