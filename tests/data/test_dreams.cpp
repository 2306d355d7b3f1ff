#include "data/dreams.h"

#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

DreamLine line(std::string title, std::string refinement, std::string meaning,
               std::string source = "Redakce") {
    return DreamLine{std::move(title), std::move(refinement), std::move(meaning),
                     std::move(source)};
}

} // namespace

TEST(DreamLines, FieldRules) {
    const struct {
        const char* text;
        DreamLine parsed;
    } cases[] = {
        {"Pes;štěkající;Hádka s sousedem.;Lid;",
         line("Pes", "štěkající", "Hádka s sousedem.", "Lid")},
        // ",," stands for ";" in the meaning only.
        {"Pes;a,,b;c,,d,,;e,,f;", line("Pes", "a,,b", "c;d;", "e,,f")},
        // Without the closing ";" the source is empty; after the fourth ";" nothing counts.
        {"Pes;x;y;Lid", line("Pes", "x", "y", "")},
        {"Pes;x;y;Lid;navíc;", line("Pes", "x", "y", "Lid")},
        // A field without its ";" is empty and leaves the rest for nobody.
        {"Pes;x", line("Pes", "", "", "")},
        {"jen text", line("", "", "", "")},
        {"", line("", "", "", "")},
        {";;;;", line("", "", "", "")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseDreamLine(c.text), c.parsed) << c.text;
    }
}

TEST(DreamLines, RefinementAndSourceAreCutTitleIsKeptWhole) {
    const std::string title(40, 'T');
    const std::string fifty = "Ž" + std::string(49, 'r');
    const DreamLine l = parseDreamLine(title + ";" + fifty + "xyz;m;" + fifty + "abc;");
    EXPECT_EQ(l.title, title);
    EXPECT_EQ(l.refinement, fifty);
    EXPECT_EQ(l.source, fifty);
    const DreamEntry entry{title, {}};
    EXPECT_EQ(entry.storedTitle(), std::string(30, 'T'));
}

TEST(DreamEntries, AdjacentEqualTitlesFormOneEntry) {
    const std::vector<DreamLine> lines = {
        line("", "a", "bez titulu"), // compared with the empty title: belongs to no entry
        line("Pes", "štěkající", "1"), line("Pes", "kousající", "2"),
        line("Kočka", "černá", "3"),   line("Pes", "spící", "4"), // not adjacent: a separate entry
        line("pes", "malý", "5"),                                 // compared byte for byte
        line("", "prázdný", "6"), // an empty title after others starts an entry
    };
    const auto entries = groupDreamEntries(lines);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].title, "Pes");
    EXPECT_EQ(entries[0].subEntries, (std::vector<DreamSubEntry>{{"štěkající", "1", "Redakce"},
                                                                 {"kousající", "2", "Redakce"}}));
    EXPECT_EQ(entries[1].title, "Kočka");
    EXPECT_EQ(entries[2].title, "Pes");
    EXPECT_EQ(entries[3].title, "pes");
    EXPECT_EQ(entries[4].title, "");
    EXPECT_EQ(entries[4].subEntries.size(), 1u);
}

TEST(DreamEntries, GrouperCarriesTheTitleAcrossFiles) {
    DreamGrouper grouper;
    EXPECT_EQ(grouper.add(line("Zub", "a", "1")), 0u);
    // The next letter's first line continues the last entry when the title is the same.
    EXPECT_EQ(grouper.add(line("Zub", "b", "2")), 0u);
    EXPECT_EQ(grouper.add(line("Anděl", "c", "3")), 1u);
    EXPECT_EQ(grouper.entries()[0].subEntries.size(), 2u);
}

TEST(DreamFiles, WriterRoundTripsThroughTheReader) {
    TempFolder app;
    const std::vector<DreamLine> lines = {
        line("Pes", "štěkající", "Hádka; pak smír, a klid.", "Lidový snář"),
        line("Pes", "", ";;začátek i konec;", ""),
        line(std::string(30, 'x'), std::string(50, 'y'), "m", std::string(50, 'z')),
    };
    const auto bytes = encodeDreamFile(lines);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, bytes->find('\n') + 1),
              "Pes;\x9A"
              "t\xEC"
              "kaj\xED"
              "c\xED;H\xE1"
              "dka,, pak sm\xEDr, a klid.;Lidov\xFD sn\xE1\xF8;\r\n");
    std::filesystem::create_directories(app / "Data/Sny");
    app.write("Data/Sny/SnyP.txt", *bytes);
    const auto back = readDreamFile(dreamFilePath(app.path(), 'P'));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, lines);
    const auto entries = loadDreamLetter(app.path(), 'P');
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), 2u);
}

TEST(DreamFiles, WriterRefusesWhatWouldNotReadBack) {
    const DreamLine bad[] = {
        line("", "a", "m"),
        line(std::string(31, 'x'), "a", "m"),
        line("Pes", std::string(51, 'y'), "m"),
        line("Pes", "a", "m", std::string(51, 'z')),
        line("Pes;", "a", "m"),
        line("Pes", "a;b", "m"),
        line("Pes", "a", "m", "z;"),
        line("Pes", "a", "dva,,čárky"),
        line("Pes", "a", "čárka,;středník"),
        line("Pes", "a", "středník;,čárka"),
        line("Pes", "a\r\nb", "m"),
        line("Pes", "a", "m\nn"),
    };
    for (const DreamLine& l : bad) {
        EXPECT_FALSE(formatDreamLine(l)) << l.title << '|' << l.refinement << '|' << l.meaning;
    }
    const auto file = encodeDreamFile({line("Pes", "a", "m"), line("", "b", "m")});
    ASSERT_FALSE(file);
    EXPECT_EQ(file.error().where, "line 2");
}

TEST(DreamFiles, MissingFileIsAnError) {
    TempFolder app;
    const auto entries = loadDreamLetter(app.path(), 'A');
    ASSERT_FALSE(entries);
    EXPECT_NE(entries.error().where.find("SnyA.txt"), std::string::npos);
}
