#include "report/reportdocs.h"

#include "report/numerologyview.h"
#include "tests/report/reportfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using namespace tarvenik::test;

namespace {

const std::filesystem::path kNumerology = std::filesystem::path("Data") / "Numerologie";

// A heading of `header` paragraphs, then one paragraph per value 1 to 9, 11 and 22.
std::vector<std::string> numberedText(const std::string& title, std::size_t header) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < header; ++i) {
        lines.push_back(title + " nadpis " + std::to_string(i + 1));
    }
    for (int v : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
        lines.push_back(std::to_string(v) + ". " + title + " " + std::to_string(v));
    }
    return lines;
}

} // namespace

TEST(ReportDocs, EveryViewStartsWithTheSameTitle) {
    const RichDoc card = nameCardDoc(substituteNameRecord("Ája"));
    const RichDoc bio =
        biorhythmDoc(person("Jan", "Novák", 1975, 3, 5, 0), *DateTime::fromDate(2026, 12, 8),
                     *DateTime::fromDate(2026, 12, 8));
    const RichDoc span = spanDoc({"Jan Novák", "", "Datum narození: 5.3.1975"});
    for (const RichDoc* doc : {&card, &bio, &span}) {
        const Paragraph& title = doc->paragraphs.at(0);
        EXPECT_EQ(title.align, Alignment::Center);
        ASSERT_EQ(title.runs.size(), 1u);
        EXPECT_TRUE(title.runs[0].style.bold);
        EXPECT_EQ(title.runs[0].style.halfPoints, 26);
    }
}

TEST(ReportDocs, NameCardOfTheSubstitute) {
    const RichDoc doc = nameCardDoc(substituteNameRecord("Ája"));
    const auto lines = linesOf(doc);
    EXPECT_EQ(lines[0], "Ája");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "  Druh jména:   ---");
    EXPECT_EQ(lines.back(), "  Zdroj: ---");
    EXPECT_EQ(doc.paragraphs[2].runs.at(0).text, "  Druh jména:");
    EXPECT_TRUE(doc.paragraphs[2].runs[0].style.bold);
}

TEST(ReportDocs, BiorhythmListingBetweenTheHeaderLines) {
    const Person jan = person("Jan", "Novák", 1975, 3, 5, 0);
    const DateTime from = *DateTime::fromDate(2026, 12, 8, 10, 0);
    auto lines = linesOf(biorhythmDoc(jan, from, *DateTime::fromDate(2027, 1, 8, 10, 0)));
    ASSERT_EQ(lines.size(), 7u + 32u); // the header and 8.12.2026 to 8.1.2027
    EXPECT_EQ(lines[1], " " + std::string(43, '~'));
    EXPECT_EQ(lines[2], " Jméno: Jan");
    EXPECT_EQ(lines[4], " Datum narození: 5.3.1975");
    EXPECT_EQ(lines[7], "08.12.2026 - Fyzička:    0%, Psychika:   97%, Inteligence:  -54%");
    // Only the three labels are bold, not the listing's colons.
    const RichDoc doc = biorhythmDoc(jan, from, from);
    EXPECT_TRUE(doc.paragraphs[3].runs.at(0).style.bold);
    EXPECT_FALSE(doc.paragraphs[7].runs.at(0).style.bold);

    lines = linesOf(biorhythmDoc(jan, from, *DateTime::fromDate(2026, 12, 7, 10, 0)));
    EXPECT_EQ(lines.size(), 7u); // an end before the start lists no day
    EXPECT_EQ(lines[0], "Biorytmy");
}

TEST(ReportDocs, SpanDocBoldsEveryLabel) {
    const RichDoc doc = spanDoc({"Jan Novák", "", "Datum narození: 5.3.1975", "bez dvojtečky"});
    EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"Jan Novák", "", "Datum narození: 5.3.1975",
                                                      "bez dvojtečky"}));
    EXPECT_EQ(doc.paragraphs[2].runs.at(0).text, "Datum narození:");
    EXPECT_TRUE(doc.paragraphs[2].runs[0].style.bold);
    EXPECT_FALSE(doc.paragraphs[3].runs.at(0).style.bold);
    EXPECT_TRUE(spanDoc({}).paragraphs.empty());
}

TEST(NumerologyView, EachNumberReadsItsFileAndKeepsItsParagraph) {
    ReportFolder app;
    struct File {
        const char* name;
        std::size_t header;
    };
    const File files[] = {{"Osud.rtf", 5},          {"Výzva - návyky.rtf", 6},
                          {"Osobní rok.rtf", 4},    {"Vrchol 1.rtf", 5},
                          {"Vrchol 2.rtf", 5},      {"Vrchol 3.rtf", 5},
                          {"Vrchol 4.rtf", 5},      {"Překonání potíží.rtf", 4},
                          {"Životní dráha.rtf", 4}, {"Den narození.rtf", 0}};
    for (const File& f : files) {
        const std::string title = std::string(f.name).substr(0, std::string(f.name).size() - 4);
        app.rtf(kNumerology / u8(f.name), numberedText(title, f.header));
    }
    NumerologyNumbers n;
    n.lifePath = 3;
    n.dayOfBirth = 5;
    n.destiny = 7;
    n.luckyNumber = 8;
    n.challengeHabits = 11;
    n.personalYear = 9;
    n.peaks = {1, 2, 3, 22};
    n.challenges = {4, 5, 6, 2};
    struct Case {
        NumerologyNumber number;
        const char* title;
        std::size_t header;
        int value;
    } cases[] = {
        {NumerologyNumber::Destiny, "Osud", 5, 7},
        {NumerologyNumber::ChallengeHabits, "Výzva - návyky", 6, 11},
        {NumerologyNumber::PersonalYear, "Osobní rok", 4, 9},
        {NumerologyNumber::Peak1, "Vrchol 1", 5, 1},
        {NumerologyNumber::Peak4, "Vrchol 4", 5, 22},
        {NumerologyNumber::Challenge1, "Překonání potíží", 4, 4},
        {NumerologyNumber::Challenge4, "Překonání potíží", 4, 2},
    };
    for (const Case& c : cases) {
        const auto doc = numerologyText(app.path(), c.number, n);
        ASSERT_TRUE(doc) << c.title;
        auto expected = numberedText(c.title, c.header);
        expected.resize(c.header);
        expected.push_back(std::string(c.title) + " " + std::to_string(c.value));
        EXPECT_EQ(linesOf(*doc), expected);
    }
    const auto lifePath = numerologyText(app.path(), NumerologyNumber::LifePath, n);
    ASSERT_TRUE(lifePath);
    const auto lines = linesOf(*lifePath);
    ASSERT_EQ(lines.size(), 4u + 1u + 5u);
    EXPECT_EQ(lines[4], "Životní dráha 3");
    EXPECT_EQ(lines[6], "Vaše šťastné číslo je 8");
    EXPECT_EQ(lines[9], "Den narození 5");
}

TEST(NumerologyView, TheFirstFileThatCannotBeReadIsNamed) {
    ReportFolder app;
    NumerologyNumbers n;
    n.lifePath = 3;
    const auto destiny = numerologyText(app.path(), NumerologyNumber::Destiny, n);
    ASSERT_FALSE(destiny);
    EXPECT_TRUE(destiny.error().notFound());
    EXPECT_NE(destiny.error().where.find("Osud.rtf"), std::string::npos);
    app.rtf(kNumerology / u8("Životní dráha.rtf"), numberedText("Životní dráha", 4));
    const auto lifePath = numerologyText(app.path(), NumerologyNumber::LifePath, n);
    ASSERT_FALSE(lifePath); // the day of birth is read first and is missing
    EXPECT_NE(lifePath.error().where.find("Den narození.rtf"), std::string::npos);
    app.spoil(kNumerology / u8("Den narození.rtf"));
    EXPECT_FALSE(numerologyText(app.path(), NumerologyNumber::LifePath, n).error().notFound());
}

TEST(ReportDocs, BiorhythmInfoIsTheDataFoldersText) {
    ReportFolder app;
    EXPECT_TRUE(biorhythmInfoText(app.path()).error().notFound());
    app.rtf(std::filesystem::path("Data") / "biorytmy.rtf", {"O biorytmech"});
    EXPECT_EQ(plainText(*biorhythmInfoText(app.path())), "O biorytmech");
}
