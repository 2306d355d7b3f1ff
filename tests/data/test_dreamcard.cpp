#include "data/dreamcard.h"

#include "platform/text.h"

#include <gtest/gtest.h>

using namespace tarvenik;

namespace {

struct Look {
    std::string text;
    int halfPoints;
    bool bold = false;
    bool silver = false;
    Alignment align = Alignment::Left;
};

void expectCard(const RichDoc& card, const std::vector<Look>& looks) {
    ASSERT_EQ(card.paragraphs.size(), looks.size());
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const Paragraph& p = card.paragraphs[i];
        const Look& look = looks[i];
        EXPECT_EQ(paragraphText(card, i), look.text) << "line " << i + 1;
        EXPECT_EQ(p.align, look.align) << "line " << i + 1;
        EXPECT_LE(p.runs.size(), 1u) << "line " << i + 1;
        const CharStyle& style = p.runs.empty() ? p.endStyle : p.runs[0].style;
        EXPECT_EQ(style.halfPoints, look.halfPoints) << "line " << i + 1;
        EXPECT_EQ(style.bold, look.bold) << "line " << i + 1;
        EXPECT_EQ(style.color, look.silver ? std::optional<Color>(kSilver) : std::nullopt)
            << "line " << i + 1;
    }
}

const std::string kRule(105, '_');

} // namespace

TEST(DreamCard, SubEntriesWithTwoEmptyLinesBetweenAndNoneAfter) {
    // Read as the file holds them: ",," is ";" in the meaning only, and the second line
    // lacks the ";" that closes its source.
    const auto entries = groupDreamEntries(
        parseDreamFile("Pes;\x9At\xEC"
                       "kaj\xED"
                       "c\xED;H\xE1"
                       "dka,,sm\xEDr;Lidov\xFD sn\xE1\xF8;\r\nPes;a,,b;Klid;bez konce\r\n"));
    ASSERT_EQ(entries.size(), 1u);
    expectCard(dreamCard(entries[0]), {
                                          {"", 8},
                                          {"Pes", 34, false, false, Alignment::Center},
                                          {kRule, 10, false, false, Alignment::Center},
                                          {"", 20},
                                          {"  štěkající: ", 20, true},
                                          {"   -- Hádka;smír", 20},
                                          {"    Lidový snář", 16, false, true},
                                          {"", 20},
                                          {"", 20},
                                          {"  a,,b: ", 20, true},
                                          {"   -- Klid", 20},
                                          {"    ", 16, false, true},
                                      });
}

TEST(DreamCard, LongTitleIsCutToItsStoredThirtyCharacters) {
    const DreamEntry entry{"Sen o velmi dlouhé cestě vlakem do Ostravy", {{"", "m", "z"}}};
    const RichDoc card = dreamCard(entry);
    EXPECT_EQ(paragraphText(card, 1), "Sen o velmi dlouhé cestě vlake");
    EXPECT_EQ(charCount(paragraphText(card, 1)), kDreamTitleChars);
    EXPECT_EQ(paragraphText(card, 1), entry.storedTitle()); // also the default file name
    EXPECT_EQ(paragraphCount(card), 7u);
}
