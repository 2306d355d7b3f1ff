#include "data/savedtext.h"

#include <gtest/gtest.h>

using namespace tarvenik;

TEST(SavedText, TheChosenNameDecidesTheFormat) {
    using enum SavedTextFormat;
    const struct {
        const char* chosen;
        SavedText expected;
    } cases[] = {
        {"/home/eva/Beran", {"/home/eva/Beran.rtf", Rtf}},
        {"/home/eva/Beran.rtf", {"/home/eva/Beran.rtf", Rtf}},
        {"/home/eva/Beran.pdf", {"/home/eva/Beran.pdf", Pdf}},
        {"/home/eva/Beran.PDF", {"/home/eva/Beran.PDF", Pdf}},
        {"/home/eva/Beran.txt", {"/home/eva/Beran.txt", Rtf}},
        {"/home/eva/pdf", {"/home/eva/pdf.rtf", Rtf}},
        {"/home/eva.pdf/Beran", {"/home/eva.pdf/Beran.rtf", Rtf}},
        {"/home/eva/Ryby.pdf.rtf", {"/home/eva/Ryby.pdf.rtf", Rtf}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(savedTextOf(c.chosen), c.expected) << c.chosen;
    }
}

TEST(SavedText, APdfIsWholeOnlyWithItsEndMarker) {
    const std::string whole = "%PDF-1.4\n1 0 obj\n<<>>\nendobj\n%%EOF";
    EXPECT_TRUE(isCompletePdf(whole));
    EXPECT_TRUE(isCompletePdf(whole + "\r\n"));
    EXPECT_TRUE(isCompletePdf(whole + "\n \n"));
    for (std::size_t cut : {0, 5, 16, 30, 33}) {
        EXPECT_FALSE(isCompletePdf(whole.substr(0, cut))) << cut;
    }
    EXPECT_FALSE(isCompletePdf("<html>%%EOF"));
    EXPECT_FALSE(isCompletePdf(whole + "\nxref"));
}
