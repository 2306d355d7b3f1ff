#include "data/dreams.h"

#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <map>

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

namespace {

// A dream folder with all 26 letter files, empty but for the given ones (UTF-8 lines).
void writeDreamFolder(const TempFolder& app, const std::map<char, std::string>& letters) {
    std::filesystem::create_directories(app / "Data/Sny");
    for (const char letter : kDreamLetters) {
        const auto given = letters.find(letter);
        std::string text = given == letters.end() ? "" : given->second;
        for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
            text.replace(at, 1, "\r\n");
        }
        app.write("Data/Sny/Sny" + std::string(1, letter) + ".txt", encode1250(text));
    }
}

std::vector<std::string> titlesOf(const std::vector<DreamEntry>& entries) {
    std::vector<std::string> titles;
    for (const DreamEntry& e : entries) {
        titles.push_back(e.title);
    }
    return titles;
}

DreamSearch searchFor(std::string text, std::vector<DreamField> fields, bool exact = false,
                      bool caseSensitive = false) {
    return DreamSearch{std::move(text), exact, caseSensitive, std::move(fields)};
}

} // namespace

TEST(DreamBrowsing, LettersCountAndEmptyTitlesAtTheTop) {
    TempFolder app;
    const std::string longTitle = "Velmi dlouhý název snu, který se nevejde";
    writeDreamFolder(app, {{'P', ";bez názvu;a;;\n;také bez;b;;\n"
                                 "Pes;štěkající;c;;\nPes;spící;d;;\n" +
                                     longTitle + ";x;e;;\n"}});
    const auto entries = loadDreamLetter(app.path(), 'P');
    ASSERT_TRUE(entries);
    // The two untitled lines at the top belong to no entry; the long title is listed whole.
    EXPECT_EQ(titlesOf(*entries), (std::vector<std::string>{"Pes", longTitle}));
    EXPECT_EQ((*entries)[0].subEntries.size(), 2u);
    EXPECT_EQ(dreamCountText(entries->size()), "Nalezeno 2 záznamů.");
    EXPECT_EQ(dreamLetterItem(kDreamLetters[0]), "  A  ");
    EXPECT_EQ(kDreamLetters.size(), 26u);
}

TEST(DreamSearching, FieldRules) {
    const DreamLine pes = line("Pes", "a,,b", "Hádka;smír", "Lidový snář");
    const DreamLine snek = line("Šnek", "ulita", "Pomalu, ale jistě.", "");
    const DreamLine longOne = line(std::string(30, 'x') + "KONEC", "", "m", "");
    const std::vector<DreamField> all = {DreamField::Title, DreamField::Refinement,
                                         DreamField::Meaning, DreamField::Source};
    const struct {
        const DreamLine& line;
        DreamSearch search;
        bool matches;
    } cases[] = {
        // Case-blind folds only a to z.
        {pes, searchFor("pes", {DreamField::Title}), true},
        {pes, searchFor("pes", {DreamField::Title}, true), true},
        {pes, searchFor("pes", {DreamField::Title}, false, true), false},
        {snek, searchFor("šnek", {DreamField::Title}), false},
        {snek, searchFor("ŠNEK", {DreamField::Title}), true},
        {snek, searchFor("ULITA", all), true},
        // Exact wants the whole field.
        {pes, searchFor("Pe", {DreamField::Title}), true},
        {pes, searchFor("Pe", {DreamField::Title}, true), false},
        // The meaning holds ";" where the file had ",,"; the refinement keeps ",,".
        {pes, searchFor("Hádka;smír", {DreamField::Meaning}, true, true), true},
        {pes, searchFor("Hádka,,smír", {DreamField::Meaning}), false},
        {pes, searchFor("a,,b", {DreamField::Refinement}, true), true},
        // Only ticked fields count.
        {pes, searchFor("lidový", {DreamField::Title, DreamField::Meaning}), false},
        {pes, searchFor("lidový", {DreamField::Source}), true},
        // The title is compared as stored: its first 30 characters.
        {longOne, searchFor("KONEC", {DreamField::Title}), false},
        {longOne, searchFor(std::string(30, 'x'), {DreamField::Title}, true), true},
        {longOne, searchFor("KONEC", all), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dreamLineMatches(c.line, c.search), c.matches)
            << c.line.title << " / " << c.search.text << " exact " << c.search.exact << " case "
            << c.search.caseSensitive;
    }
}

TEST(DreamSearching, NothingToSearch) {
    EXPECT_EQ(dreamSearchRefusal(searchFor("", {DreamField::Title})), "Není co hledat!");
    EXPECT_EQ(dreamSearchRefusal(searchFor("pes", {})), "Není co hledat!");
    EXPECT_EQ(dreamSearchRefusal(searchFor(" ", {DreamField::Source})), std::nullopt);
}

TEST(DreamSearching, WholeEntriesOverAllLetters) {
    TempFolder app;
    writeDreamFolder(app, {
                              {'A', "Anděl;strážný;Ochrana;;\nAuto;řídit;Cesta, pes;;\n"
                                    "Auto;havarovat;Pozor;;\n"},
                              // "Auto" goes on at the top of B: one entry in a search.
                              {'B', "Auto;koupit;Změna;;\nBouře;;Hádka,,smír;;\n"},
                              {'P', "Pes;štěkající;Hádka s sousedem;;\nPes;spící;Klid;;\n"},
                          });
    const struct {
        DreamSearch search;
        std::vector<std::string> titles;
    } cases[] = {
        {searchFor("pes", {DreamField::Title}), {"Pes"}},
        {searchFor("pes", {DreamField::Meaning}), {"Auto"}},
        {searchFor("koupit", {DreamField::Refinement}), {"Auto"}},
        {searchFor("Hádka;smír", {DreamField::Meaning}, true, true), {"Bouře"}},
        {searchFor("a", {DreamField::Title}), {"Anděl", "Auto"}},
        {searchFor("nic takového", {DreamField::Title}), {}},
    };
    for (const auto& c : cases) {
        const auto found = Hledej(app.path(), c.search);
        ASSERT_TRUE(found) << found.error().text();
        EXPECT_EQ(titlesOf(*found), c.titles) << c.search.text;
    }
    // A found entry brings all its lines, from both files, whichever of them matched.
    const auto autos = Hledej(app.path(), searchFor("koupit", {DreamField::Refinement}));
    ASSERT_TRUE(autos);
    ASSERT_EQ(autos->size(), 1u);
    EXPECT_EQ((*autos)[0].subEntries, (std::vector<DreamSubEntry>{{"řídit", "Cesta, pes", ""},
                                                                  {"havarovat", "Pozor", ""},
                                                                  {"koupit", "Změna", ""}}));
    // Browsing B alone sees the continued title as an entry of its own.
    EXPECT_EQ(titlesOf(*loadDreamLetter(app.path(), 'B')),
              (std::vector<std::string>{"Auto", "Bouře"}));
}

TEST(DreamSearching, ListsEveryEntryFound) {
    TempFolder app;
    std::string many;
    for (int i = 0; i < 2500; ++i) {
        many += "Sen " + std::to_string(i) + ";;význam;;\n";
    }
    writeDreamFolder(app, {{'S', many}});
    const auto found = Hledej(app.path(), searchFor("sen", {DreamField::Title}));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->size(), 2500u);
    EXPECT_EQ(found->back().title, "Sen 2499");
}

TEST(DreamSearching, AnUnreadableLetterEndsTheSearchWithItsError) {
    TempFolder app;
    writeDreamFolder(app, {{'A', "Anděl;;a;;\n"}});
    std::filesystem::remove(app / "Data/Sny/SnyK.txt");
    const auto missing = Hledej(app.path(), searchFor("a", {DreamField::Title}));
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().notFound());
    EXPECT_NE(missing.error().where.find("SnyK.txt"), std::string::npos);

    std::filesystem::create_directory(app / "Data/Sny/SnyK.txt"); // a folder cannot be read
    const auto unreadable = Hledej(app.path(), searchFor("a", {DreamField::Title}));
    ASSERT_FALSE(unreadable);
    EXPECT_FALSE(unreadable.error().notFound());
}

TEST(DreamSearching, AgreesWithReadingEveryLetterLineByLine) {
    // Awkward lines of every kind, over letters that continue each other's titles.
    const std::string awkward = ";bez názvu;pes;;\r\n"
                                "Pes;a,,b;c,,d;Lid\r\n"
                                "Pes;" +
                                std::string(60, 'r') + ";pes;" + std::string(60, 's') +
                                ";\r\n"
                                "Sen o velmi dlouhé cestě vlakem PES;x;y;z;\r"
                                "Sen o velmi dlouhé cestě vlakem PES;;,,,,,,;;\n"
                                "Šnek;ulita;PES;zdroj;navíc;\r\n";
    TempFolder app;
    writeDreamFolder(app, {{'A', awkward}, {'B', awkward}, {'C', "Šnek;;pes;;\n" + awkward}});
    std::vector<DreamLine> all;
    for (const char letter : kDreamLetters) {
        const auto lines = readDreamFile(dreamFilePath(app.path(), letter));
        ASSERT_TRUE(lines);
        all.insert(all.end(), lines->begin(), lines->end());
    }
    const std::vector<DreamField> each[] = {{DreamField::Title},
                                            {DreamField::Refinement},
                                            {DreamField::Meaning},
                                            {DreamField::Source},
                                            {DreamField::Title, DreamField::Meaning}};
    for (const std::string text : {"pes", "PES", "a,,b", "c;d", ";;;", "rrr", "sss", "Šnek", ""}) {
        for (const auto& fields : each) {
            for (const int flags : {0, 1, 2, 3}) {
                const DreamSearch search{text, (flags & 1) != 0, (flags & 2) != 0, fields};
                std::vector<DreamEntry> expected;
                DreamGrouper grouper;
                std::vector<bool> matched;
                for (const DreamLine& l : all) {
                    if (const auto entry = grouper.add(l)) {
                        matched.resize(*entry + 1);
                        matched[*entry] = matched[*entry] || dreamLineMatches(l, search);
                    }
                }
                for (std::size_t i = 0; i < matched.size(); ++i) {
                    if (matched[i]) {
                        expected.push_back(grouper.entries()[i]);
                    }
                }
                const auto found = Hledej(app.path(), search);
                ASSERT_TRUE(found);
                EXPECT_EQ(*found, expected)
                    << text << " fields " << fields.size() << " flags " << flags;
            }
        }
    }
}
