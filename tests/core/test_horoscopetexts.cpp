#include "core/horoscopetexts.h"
#include "core/numerology.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvenik;

namespace {

RichDoc docOf(const std::vector<std::string>& lines) {
    RichDoc doc;
    for (const std::string& line : lines) {
        appendLine(doc, line);
    }
    return doc;
}

std::vector<std::string> linesOf(const RichDoc& doc) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < paragraphCount(doc); ++i) {
        lines.push_back(paragraphText(doc, i));
    }
    return lines;
}

// A heading block of two paragraphs, then `sections` sections of two paragraphs each.
RichDoc sectionedText(int sections) {
    std::vector<std::string> lines = {"Nadpis", "Úvod"};
    for (int k = 1; k <= sections; ++k) {
        lines.push_back("=== " + std::to_string(k) + " ===");
        lines.push_back("Skupina " + std::to_string(k) + " se nachází v oddílu " +
                        std::to_string(k) + ".");
        lines.push_back("Dále o skupině " + std::to_string(k) + ".");
    }
    return docOf(lines);
}

} // namespace

TEST(ImperialCut, KeepsTheGroupSectionAndRewritesItsFirstParagraph) {
    // 15 April 1990: season Jaro, animal Kůň, group 1.
    RichDoc doc = sectionedText(7);
    imperialCut(doc, "Jaro", "Kůň");
    EXPECT_EQ(linesOf(doc),
              (std::vector<std::string>{"Nadpis", "Úvod",
                                        "Znamení Kůň se v tomto období nachází v oddílu 1.",
                                        "Dále o skupině 1."}));
    const Paragraph& p = doc.paragraphs[2];
    ASSERT_EQ(p.runs.size(), 3u);
    EXPECT_EQ(p.runs[0].text, "Znamení ");
    EXPECT_FALSE(p.runs[0].style.bold);
    EXPECT_EQ(p.runs[1].text, "Kůň");
    EXPECT_TRUE(p.runs[1].style.bold);
    EXPECT_FALSE(p.runs[2].style.bold);
}

TEST(ImperialCut, PartnerAndLastSection) {
    RichDoc doc = sectionedText(7);
    imperialCut(doc, "Zima", "Opice"); // group 7: everything after the seventh marker
    EXPECT_EQ(linesOf(doc),
              (std::vector<std::string>{"Nadpis", "Úvod",
                                        "Znamení Opice se v tomto období nachází v oddílu 7.",
                                        "Dále o skupině 7."}));
    RichDoc podzim = sectionedText(7);
    imperialCut(podzim, "Podzim", "Drak"); // group 6
    EXPECT_EQ(paragraphText(podzim, 2), "Znamení Drak se v tomto období nachází v oddílu 6.");
    EXPECT_EQ(paragraphCount(podzim), 4u);
}

TEST(ImperialCut, OddTextsStayUsable) {
    RichDoc few = sectionedText(6);
    const RichDoc before = few;
    imperialCut(few, "Jaro", "Kůň");
    EXPECT_EQ(few, before); // too few markers: the whole text stays

    RichDoc unknown = sectionedText(7);
    const RichDoc whole = unknown;
    imperialCut(unknown, "Jaro", "Kocour");
    EXPECT_EQ(unknown, whole);

    RichDoc noWord =
        docOf({"N", "=== 1 ===", "Bez slova.",
               "=== 2 ===", "=== 3 ===", "=== 4 ===", "=== 5 ===", "=== 6 ===", "=== 7 ==="});
    imperialCut(noWord, "Jaro", "Kůň");
    EXPECT_EQ(linesOf(noWord),
              (std::vector<std::string>{"N", "Znamení Kůň se v tomto období Bez slova."}));

    RichDoc empty = docOf({"N", "=== 1 ===", "=== 2 ===", "a",
                           "=== 3 ===", "=== 4 ===", "=== 5 ===", "=== 6 ===", "=== 7 ==="});
    imperialCut(empty, "Jaro", "Kůň"); // group 1 has no paragraphs
    EXPECT_EQ(linesOf(empty), std::vector<std::string>{"N"});
}

TEST(LunarCut, KeepsTheBirthMonth) {
    RichDoc doc = sectionedText(12);
    lunarInfluenceCut(doc, 3, true);
    EXPECT_EQ(linesOf(doc),
              (std::vector<std::string>{"Vliv měsíce narození - březen", "",
                                        "Skupina 3 se nachází v oddílu 3.", "Dále o skupině 3."}));
    RichDoc december = sectionedText(12);
    lunarInfluenceCut(december, 12, true);
    EXPECT_EQ(paragraphText(december, 0), "Vliv měsíce narození - prosinec");
    EXPECT_EQ(paragraphText(december, 2), "Skupina 12 se nachází v oddílu 12.");
    EXPECT_EQ(paragraphCount(december), 4u);
}

TEST(LunarCut, OtherAnimalsAndShortTextsKeepTheirSections) {
    RichDoc other = sectionedText(12);
    lunarInfluenceCut(other, 5, false);
    EXPECT_EQ(paragraphCount(other), 2u + 12 * 3);
    EXPECT_EQ(paragraphText(other, 0), "Vliv měsíce narození - květen");
    EXPECT_EQ(paragraphText(other, 1), "");

    RichDoc few = sectionedText(11);
    lunarInfluenceCut(few, 5, true);
    EXPECT_EQ(paragraphCount(few), 2u + 11 * 3);
}

TEST(NumberedParagraphs, KeepsHeaderAndTheValue) {
    RichDoc doc = docOf({"Osud", "", "úvod", "1. Jednička vede.", "2. Dvojka spojuje.",
                         "11. Mistrovské číslo.", "1.5 nic", "1. Ještě jednička."});
    keepNumberedParagraph(doc, 3, 1);
    EXPECT_EQ(linesOf(doc),
              (std::vector<std::string>{"Osud", "", "úvod", "Jednička vede.", "Ještě jednička."}));
    RichDoc master = docOf({"h", "1. a", "11. Mistr", "22. b"});
    keepNumberedParagraph(master, 1, 11);
    EXPECT_EQ(linesOf(master), (std::vector<std::string>{"h", "Mistr"}));
    RichDoc shortDoc = docOf({"h"});
    keepNumberedParagraph(shortDoc, 4, 1);
    EXPECT_EQ(linesOf(shortDoc), std::vector<std::string>{"h"});
}

TEST(NumberedParagraphs, TheRestKeepsItsStyle) {
    RichDoc doc;
    Paragraph p;
    CharStyle bold;
    bold.bold = true;
    p.runs = {tarvenik::Run{"7. ", bold}, tarvenik::Run{"Sedm", bold},
              tarvenik::Run{" je číslo.", {}}};
    doc.paragraphs.push_back(p);
    keepNumberedParagraph(doc, 0, 7);
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    ASSERT_EQ(doc.paragraphs[0].runs.size(), 2u);
    EXPECT_EQ(doc.paragraphs[0].runs[0].text, "Sedm");
    EXPECT_TRUE(doc.paragraphs[0].runs[0].style.bold);
}
