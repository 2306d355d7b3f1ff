#include "platform/rich.h"

#include "richprint.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace tarvenik;

namespace {

CharStyle bold(CharStyle s = {}) {
    s.bold = true;
    return s;
}

RichDoc lines(std::initializer_list<std::string_view> texts) {
    RichDoc doc;
    for (std::string_view t : texts) {
        appendLine(doc, t);
    }
    return doc;
}

// Each run as "text" or "*text*" for bold, joined by '|'.
std::string boldMarks(const Paragraph& p) {
    std::string out;
    for (const Run& r : p.runs) {
        if (!out.empty()) {
            out += '|';
        }
        out += r.style.bold ? "*" + r.text + "*" : r.text;
    }
    return out;
}

TEST(RichDoc, AppendLineSplitsOnLineBreaksAndDropsControls) {
    RichDoc doc;
    CharStyle big;
    big.halfPoints = 26;
    appendLine(doc, "Biorytmy", bold(big), Alignment::Center);
    appendLine(doc, "a\r\nb\x01\tc\n");
    ASSERT_EQ(paragraphCount(doc), 4u);
    EXPECT_EQ(plainText(doc), "Biorytmy\na\nb\tc\n");
    EXPECT_EQ(doc.paragraphs[0].align, Alignment::Center);
    EXPECT_EQ(doc.paragraphs[0].runs[0].style, bold(big));
    EXPECT_EQ(doc.paragraphs[0].endStyle, bold(big));
    EXPECT_TRUE(doc.paragraphs[3].runs.empty()); // the empty line after the last '\n'
    EXPECT_EQ(doc.paragraphs[3].endStyle, CharStyle{});
}

TEST(RichDoc, DeleteAndReplaceByIndex) {
    RichDoc doc = lines({"nula", "jedna", "dva"});
    EXPECT_FALSE(deleteParagraph(doc, 3));
    EXPECT_TRUE(deleteParagraph(doc, 1));
    EXPECT_EQ(plainText(doc), "nula\ndva");

    setBold(doc, {0, 0, 2}, true);
    setAlignment(doc, 0, Alignment::Right);
    EXPECT_TRUE(replaceParagraph(doc, 0, "Vliv měsíce\n narození"));
    EXPECT_EQ(paragraphText(doc, 0), "Vliv měsíce narození");
    EXPECT_EQ(doc.paragraphs[0].runs.size(), 1u);
    EXPECT_TRUE(doc.paragraphs[0].runs[0].style.bold); // the first character's style
    EXPECT_EQ(doc.paragraphs[0].align, Alignment::Right);

    EXPECT_TRUE(replaceParagraph(doc, 1, ""));
    EXPECT_TRUE(doc.paragraphs[1].runs.empty());
    EXPECT_EQ(paragraphCount(doc), 2u);
    EXPECT_FALSE(replaceParagraph(doc, 2, "x"));
    EXPECT_EQ(paragraphText(doc, 9), "");
}

TEST(RichDoc, AppendTextContinuesTheLastLine) {
    RichDoc doc;
    appendText(doc, "  Let: ", bold());
    appendText(doc, "pád\n"); // the break is dropped: this writes within the line
    appendLine(doc, "další");
    appendText(doc, "!", bold());
    ASSERT_EQ(paragraphCount(doc), 2u);
    EXPECT_EQ(boldMarks(doc.paragraphs[0]), "*  Let: *|pád");
    EXPECT_EQ(boldMarks(doc.paragraphs[1]), "další|*!*");
    EXPECT_TRUE(doc.paragraphs[1].endStyle.bold);
}

TEST(RichDoc, EraseTextKeepsTheStylesOfTheRest) {
    RichDoc doc = lines({"12. Dvanáctka je číslo"});
    setBold(doc, {0, 4, 9}, true);
    EXPECT_TRUE(eraseText(doc, 0, 0, 4)); // the numbered paragraphs' "12. "
    EXPECT_EQ(boldMarks(doc.paragraphs[0]), "*Dvanáctka*| je číslo");
    EXPECT_TRUE(eraseText(doc, 0, 9, 1000));
    EXPECT_EQ(boldMarks(doc.paragraphs[0]), "*Dvanáctka*");
    EXPECT_TRUE(eraseText(doc, 0, 50, 3));
    EXPECT_FALSE(eraseText(doc, 1, 0, 1));
    EXPECT_TRUE(eraseText(doc, 0, 0, SIZE_MAX));
    EXPECT_TRUE(doc.paragraphs[0].runs.empty());
}

TEST(RichDoc, RangesCountCharactersNotBytes) {
    RichDoc doc = lines({"Znamení Kůň se v tomto období nachází"});
    setBold(doc, {0, 8, 3}, true);
    EXPECT_EQ(boldMarks(doc.paragraphs[0]), "Znamení |*Kůň*| se v tomto období nachází");
    setBold(doc, {0, 8, 3}, false);
    EXPECT_EQ(doc.paragraphs[0].runs.size(), 1u); // merged back
}

TEST(RichDoc, RangesRunOnAcrossParagraphsAndStopAtTheEnd) {
    RichDoc doc = lines({"abc", "", "def"});
    // c, the break, the empty line's break, d
    setBold(doc, {0, 2, 4}, true);
    EXPECT_EQ(boldMarks(doc.paragraphs[0]), "ab|*c*");
    EXPECT_TRUE(doc.paragraphs[0].endStyle.bold);
    EXPECT_TRUE(doc.paragraphs[1].endStyle.bold);
    EXPECT_EQ(boldMarks(doc.paragraphs[2]), "*d*|ef");

    // A start beyond the first paragraph lies in a later one; a long range is cut.
    RichDoc other = lines({"ab", "cd"});
    setSize(other, {0, 4, 100}, 16);
    EXPECT_EQ(other.paragraphs[0].runs[0].style.halfPoints, 20);
    EXPECT_EQ(other.paragraphs[1].runs.size(), 2u);
    EXPECT_EQ(other.paragraphs[1].runs[1].text, "d");
    EXPECT_EQ(other.paragraphs[1].runs[1].style.halfPoints, 16);

    setColor(other, {5, 0, 3}, kSilver); // no such paragraph: nothing happens
    setColor(other, {0, 0, 1}, kSilver);
    EXPECT_EQ(other.paragraphs[0].runs[0].style.color, kSilver);
    EXPECT_FALSE(other.paragraphs[0].runs[1].style.color.has_value());
}

TEST(RichDoc, BoldLabelsUpToTheFirstColon) {
    const struct {
        const char* line;
        const char* marked;
    } cases[] = {
        {" Jméno: Eva", "* Jméno:*| Eva"},
        {"Čas: 10:30", "*Čas:*| 10:30"},
        {"bez dvojtečky", "bez dvojtečky"},
        {"", ""},
        {":", "*:*"},
        {"Let:", "*Let:*"},
    };
    for (const auto& c : cases) {
        RichDoc doc = lines({c.line});
        boldLabels(doc);
        EXPECT_EQ(boldMarks(doc.paragraphs[0]), c.marked) << c.line;
    }

    // Mixed runs before the colon: the label becomes one bold run.
    RichDoc doc;
    appendLine(doc, "Da");
    doc.paragraphs[0].runs.push_back(tarvenik::Run{"tum: 1.2.1980", bold()});
    doc.paragraphs[0].runs[1].style.bold = false;
    doc.paragraphs[0].runs[1].style.italic = true;
    boldLabels(doc);
    ASSERT_EQ(doc.paragraphs[0].runs.size(), 3u);
    EXPECT_EQ(doc.paragraphs[0].runs[0].text, "Da");
    EXPECT_EQ(doc.paragraphs[0].runs[1].text, "tum:");
    EXPECT_TRUE(doc.paragraphs[0].runs[1].style.bold && doc.paragraphs[0].runs[1].style.italic);
    EXPECT_EQ(doc.paragraphs[0].runs[2].text, " 1.2.1980");
}

TEST(RichDoc, EmptinessAndClearing) {
    RichDoc doc;
    EXPECT_TRUE(isEmpty(doc));
    appendLine(doc, "");
    EXPECT_TRUE(isEmpty(doc));
    appendLine(doc, "");
    EXPECT_FALSE(isEmpty(doc)); // a line break is text the view holds
    EXPECT_EQ(plainText(doc), "\n");
    vycistirichedit(doc);
    EXPECT_TRUE(isEmpty(doc));
    EXPECT_EQ(paragraphCount(doc), 0u);
}

TEST(RichDoc, NormaliseMergesEqualNeighboursAndDropsEmptyRuns) {
    Paragraph p;
    p.runs = {{"a", {}}, {"", bold()}, {"b", {}}, {"c", bold()}, {"d", bold()}};
    normalise(p);
    ASSERT_EQ(p.runs.size(), 2u);
    EXPECT_EQ(p.runs[0], (tarvenik::Run{"ab", {}}));
    EXPECT_EQ(p.runs[1], (tarvenik::Run{"cd", bold()}));
}

} // namespace
