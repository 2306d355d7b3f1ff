// The generator's checks of the content sources: what it accepts becomes the runtime
// form, and each fault is reported at its source line.
#include "tools/mkdata/markup.h"
#include "tools/mkdata/pettexts.h"
#include "tools/mkdata/sources.h"
#include "tools/mkdata/stale.h"

#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using namespace tarvenik::mkdata;

namespace {

const char* kAdam = "jméno: Adam\n"
                    "druh: mužské\n"
                    "podoba: Ada\n"
                    "domácí: Adámek, Áda\n"
                    "původ: hebrejský (biblické jméno)\n"
                    "význam: člověk\n"
                    "užívání: běžně užíváno\n"
                    "varianta: ---\n"
                    "jmeniny: 24.12.\n"
                    "kalendář: katolický kalendář\n"
                    "jiné podoby: Adamo\n"
                    "zdroj: Redakce Tarveniku\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// A well-formed pet source: each text its opening, filled up to its length with "á".
std::string petSource() {
    std::string source;
    for (std::size_t type = 0; type < 2; ++type) {
        source += "## " + std::string(kPetTypes[type]) + "\n";
        for (std::size_t sign = 0; sign < 12; ++sign) {
            const PetTextShape& shape = kPetTextShapes[type][sign];
            source += std::string(kPetSigns[sign].name) + ": " + std::string(shape.opening);
            for (std::size_t n = charCount(shape.opening); n < shape.length; ++n) {
                source += "á";
            }
            source += "\n";
        }
        source += "\n";
    }
    return source;
}

std::vector<std::size_t> linesOf(const Problems& problems) {
    std::vector<std::size_t> lines;
    for (const Problem& p : problems) {
        lines.push_back(p.line);
    }
    return lines;
}

} // namespace

TEST(MkdataText, ReportsCharactersOutsideTheCodePage) {
    Problems problems;
    checkEncodable("Dobrý den, Šárko\nčaj ☕ a 😀\nok\n\xC3(\n", problems);
    ASSERT_EQ(linesOf(problems), (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(problems[0].reason, "column 5: U+2615 is not a Windows-1250 character");
    EXPECT_EQ(problems[1].reason, "column 1: malformed UTF-8");

    problems.clear();
    checkEncodable("„Uvozovky“ – pomlčka, € a ?\n", problems);
    EXPECT_TRUE(problems.empty());
}

TEST(MkdataText, RuntimeTextIsWindows1250WithCrLf) {
    EXPECT_EQ(runtimeText("[Svátky]\n1.1.=Nový rok\n"), "[Sv\xE1tky]\r\n1.1.=Nov\xFD rok\r\n");
    EXPECT_EQ(runtimeText("bez konce"), "bez konce\r\n");
    EXPECT_EQ(runtimeText("a\n\nb\n"), "a\r\n\r\nb\r\n");
}

TEST(MkdataNames, RecordsBecomeFixedRecords) {
    Problems problems;
    const auto records = parseNamesSource(
        std::string(kAdam) + "\n\n" + replaced(kAdam, "Adam", "Alena"), 'A', problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].domesticForms, "Adámek, Áda");
    EXPECT_EQ(records[0].variantOf, "---");
    EXPECT_EQ(records[0].otherForms, "Adamo");
    EXPECT_EQ(records[1].name, "Alena");
}

TEST(MkdataNames, FaultsAreReportedAtTheirLines) {
    const std::string second = "\n" + std::string(kAdam); // record starts at line 14
    const struct {
        std::string source;
        char letter;
        std::size_t line;
    } cases[] = {
        {replaced(kAdam, "zdroj: Redakce Tarveniku\n", ""), 'A', 1},            // 11 lines
        {kAdam + std::string("navíc: x\n"), 'A', 1},                            // 13 lines
        {kAdam + replaced(second, "druh: mužské", "pohlaví: mužské"), 'A', 15}, // wrong key
        {replaced(kAdam, "jméno: Adam", "jméno: Adam Benedikt Kristián Bohumil"), 'A', 1},
        {replaced(kAdam, "jmeniny: 24.12.", "jmeniny: 24. 12."), 'A', 9},
        {replaced(kAdam, "význam: člověk", "význam:"), 'A', 6},
        {kAdam, 'B', 1},                                         // wrong letter
        {replaced(kAdam, "jméno: Adam", "jméno: Ámos"), 'A', 1}, // no such file
    };
    for (const auto& c : cases) {
        Problems problems;
        (void)parseNamesSource(c.source, c.letter, problems);
        EXPECT_EQ(linesOf(problems), std::vector<std::size_t>{c.line}) << c.source;
    }
}

TEST(MkdataNames, CaronLettersAreFiledUnderThePlainLetter) {
    Problems problems;
    (void)parseNamesSource(replaced(kAdam, "jméno: Adam", "jméno: Čestmír"), 'C', problems);
    EXPECT_TRUE(problems.empty());
}

TEST(MkdataDreams, RuntimeLinesAreCheckedAndKept) {
    Problems problems;
    const auto lines = parseDreamsSource("Pes;štěkající;Hádka,, pak smír.;Redakce;\n"
                                         "Pes;kousající;Zrada.;Redakce;\n"
                                         "Zub;;Zdraví.;;\n",
                                         problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].meaning, "Hádka; pak smír.");
    EXPECT_EQ(lines[2].refinement, "");
}

TEST(MkdataDreams, FaultsAreReportedAtTheirLines) {
    const std::string ok = "Pes;štěkající;Hádka.;Redakce;\n";
    const struct {
        std::string source;
        std::size_t line;
    } cases[] = {
        {ok + "Pes;štěkající;Hádka.;Redakce\n", 2},     // no closing ';'
        {ok + "Pes;štěkající;Hádka.\n", 2},             // fields missing
        {ok + "Pes;a;b;c;d;\n", 2},                     // a fifth field
        {ok + "\n", 2},                                 // an empty line
        {ok + ";a;b;c;\n", 2},                          // no title
        {std::string(31, 'T') + ";a;b;c;\n", 1},        // title over 30
        {"Pes;" + std::string(51, 'r') + ";b;c;\n", 1}, // refinement over 50
        {"Pes;a;b;" + std::string(51, 's') + ";\n", 1}, // source over 50
        {"Pes;a;tři,,,čárky;c;\n", 1},                  // commas that would not read back
        {ok + "Kočka;a;b;c;\n" + ok, 3},                // Pes apart from its lines
    };
    for (const auto& c : cases) {
        Problems problems;
        (void)parseDreamsSource(c.source, problems);
        EXPECT_EQ(linesOf(problems), std::vector<std::size_t>{c.line}) << c.source;
    }
}

TEST(MkdataMarkup, LinesBecomeStyledParagraphs) {
    Problems problems;
    const RichDoc doc = parseMarkup("# Beran\n\n## Povaha\nJe **odvážný** a přímý.\n", problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(doc.paragraphs.size(), 4u);

    const Paragraph& title = doc.paragraphs[0];
    EXPECT_EQ(title.align, Alignment::Center);
    ASSERT_EQ(title.runs.size(), 1u);
    EXPECT_EQ(title.runs[0].text, "Beran");
    EXPECT_TRUE(title.runs[0].style.bold);
    EXPECT_EQ(title.runs[0].style.halfPoints, 28);

    EXPECT_TRUE(doc.paragraphs[1].runs.empty());
    EXPECT_EQ(doc.paragraphs[1].endStyle.halfPoints, 20);

    const Paragraph& sub = doc.paragraphs[2];
    EXPECT_EQ(sub.align, Alignment::Left);
    EXPECT_TRUE(sub.runs.at(0).style.bold);
    EXPECT_EQ(sub.runs[0].style.halfPoints, 20);

    const Paragraph& body = doc.paragraphs[3];
    ASSERT_EQ(body.runs.size(), 3u);
    EXPECT_EQ(body.runs[0].text, "Je ");
    EXPECT_FALSE(body.runs[0].style.bold);
    EXPECT_EQ(body.runs[1].text, "odvážný");
    EXPECT_TRUE(body.runs[1].style.bold);
    EXPECT_EQ(body.runs[2].text, " a přímý.");
    EXPECT_EQ(body.runs[2].style.halfPoints, 20);
}

TEST(MkdataMarkup, UnclosedBoldIsAFault) {
    Problems problems;
    (void)parseMarkup("dobře **tučně**\nšpatně **tučně\n", problems);
    EXPECT_EQ(linesOf(problems), std::vector<std::size_t>{2});
}

TEST(MkdataMarkup, WrittenRtfReadsBackToTheSameDocument) {
    Problems problems;
    const RichDoc doc = parseMarkup("# Štír – vášeň\n\n## Láska\n„Žár“ **a** €\n", problems);
    const auto back = readRtf(writeRtf(doc));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, doc);
}

TEST(MkdataStale, RemovesWhatNoSourceProducesOnlyInItsOwnFolders) {
    tarvenik::test::TempFolder app;
    namespace fs = std::filesystem;
    for (const char* folder : {"Data/Horoskopy/Sluneční", "Data/Horoskopy/Zrušený/Prázdný"}) {
        fs::create_directories(app / folder);
    }
    for (const char* file :
         {"tarvenik", "Udaje.ini", "Tarvenik.ini", "literatura.txt", "Svatky.ini", "Data/abu.txt",
          "Data/stary.rtf", "Data/Horoskopy/Sluneční/Beran.rtf", "Data/Horoskopy/Sluneční/Lev.rtf",
          "Data/Horoskopy/Zrušený/tabs.txt"}) {
        app.write(file, "x");
    }
    const std::set<fs::path> produced = {"Svatky.ini", "Data/abu.txt",
                                         "Data/Horoskopy/Sluneční/Beran.rtf"};
    const auto removed = removeStaleOutputs(app.path(), produced);
    ASSERT_TRUE(removed) << removed.error().text();
    const std::set<fs::path> gone(removed->begin(), removed->end());
    EXPECT_EQ(gone,
              (std::set<fs::path>{"Data/stary.rtf", "Data/Horoskopy/Sluneční/Lev.rtf",
                                  "Data/Horoskopy/Zrušený/tabs.txt",
                                  "Data/Horoskopy/Zrušený/Prázdný", "Data/Horoskopy/Zrušený"}));
    // The application folder itself is not the generator's alone: its other files stay.
    for (const char* kept : {"tarvenik", "Udaje.ini", "Tarvenik.ini", "literatura.txt",
                             "Svatky.ini", "Data/abu.txt", "Data/Horoskopy/Sluneční/Beran.rtf"}) {
        EXPECT_TRUE(fs::exists(app / kept)) << kept;
    }
    EXPECT_FALSE(fs::exists(app / "Data/Horoskopy/Zrušený"));
    // A second run finds nothing more to remove.
    EXPECT_TRUE(removeStaleOutputs(app.path(), produced)->empty());
}

TEST(MkdataPets, WellFormedSourceGivesEveryText) {
    Problems problems;
    const PetTexts texts = parsePetTexts(petSource(), problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_TRUE(texts[1][4].starts_with("Kočky narozené ve znamení lva"));
    EXPECT_EQ(charCount(texts[1][4]), 379u);
}

TEST(MkdataPets, WrongOpeningLengthOrOrderStopsTheBuild) {
    const std::string good = petSource(); // headings at lines 1 and 15
    std::string withoutRyby = good;
    const std::size_t ryby = good.find("Ryby: Ryby");
    withoutRyby.erase(ryby, good.find('\n', ryby) + 1 - ryby);
    const struct {
        const char* what;
        std::string source;
        std::vector<std::size_t> lines;
    } cases[] = {
        {"opening", replaced(good, "Býk žije jen, aby jedl", "Býk žije jen aby jedl,"), {3}},
        {"one character short", replaced(good, "Kozoroh má rádá", "Kozoroh má rád"), {11}},
        {"one character long", good.substr(0, good.size() - 2) + "á\n", {27}},
        {"signs swapped", replaced(good, "Beran: Kočky", "Býk: Kočky"), {16}},
        {"heading", replaced(good, "## Kočičí horoskop", "## Kočky"), {15}},
        {"second section missing", good.substr(0, good.find("## Kočičí")), {0}},
        {"a sign missing", withoutRyby, {14}},
    };
    for (const auto& c : cases) {
        Problems problems;
        (void)parsePetTexts(c.source, problems);
        EXPECT_EQ(linesOf(problems), c.lines) << c.what;
    }
}

TEST(MkdataPets, GeneratedSourceQuotesEveryText) {
    PetTexts texts;
    texts[0][0] = "Řekl \"haf\" a\\nic";
    const std::string code = petTextsSource(texts);
    EXPECT_NE(code.find("\"Řekl \\\"haf\\\" a\\\\nic\","), std::string::npos) << code;
    EXPECT_NE(code.find("kPetTexts"), std::string::npos);
}
