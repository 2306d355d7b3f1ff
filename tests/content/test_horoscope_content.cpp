// Checks of the shipped horoscope, numerology and biorhythm texts: every sign any
// calculator can return has its text for every tab, the texts have the sections the
// report cuts them by, and none is shorter than its minimum or a copy of another.
#include "core/core.h"
#include "data/horoscopes.h"
#include "platform/rtfreader.h"
#include "tests/content/faults.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace tarvenik;
using tarvenik::test::Faults;
namespace fs = std::filesystem;

namespace {

const fs::path kApp = TARVENIK_APP_DIR;

using SignOfDate = std::string (*)(std::uint16_t, std::uint16_t, std::uint16_t);

// Every sign a calculator returns over every day of the given years.
std::set<std::string> signsOver(SignOfDate calculator, int fromYear, int toYear) {
    std::set<std::string> signs;
    for (int y = fromYear; y <= toYear; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= daysInMonth(y, m); ++d) {
                signs.insert(calculator(static_cast<std::uint16_t>(y),
                                        static_cast<std::uint16_t>(m),
                                        static_cast<std::uint16_t>(d)));
            }
        }
    }
    return signs;
}

std::set<std::string> ascendants() {
    std::set<std::string> signs;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= daysInMonth(2000, m); ++d) {
            for (int h = 0; h < 24; ++h) {
                for (int mi : {0, 30}) {
                    signs.insert(ascendantSign(m, d, h, mi));
                }
            }
        }
    }
    return signs;
}

std::set<std::string> animals() {
    std::set<std::string> signs;
    for (int y = 2000; y < 2012; ++y) {
        signs.insert(chineseAnimal(y));
    }
    return signs;
}

std::set<std::string> pairsOf(const std::set<std::string>& signs) {
    std::set<std::string> keys;
    for (const auto& a : signs) {
        for (const auto& b : signs) {
            keys.insert(a + b);
        }
    }
    return keys;
}

struct System {
    const char* folder;
    std::set<std::string> signs;
    std::size_t minWords;
};

// Every system the report shows, under the folder name the report asks for.
std::vector<System> systems() {
    const auto sun = signsOver(sunSign, 2000, 2000);
    const auto of = [](HoroscopeSystem s) { return horoscopeFolderName(s); };
    using H = HoroscopeSystem;
    return {
        {of(H::Sun), sun, 150},
        {of(H::TrueSun), sun, 120},
        {of(H::Ascendant), ascendants(), 120},
        {of(H::Lunar), {""}, 120},
        {of(H::Chinese), animals(), 120},
        {of(H::ImperialChinese), signsOver(chineseSeason, 2000, 2000), 120},
        {of(H::Celtic), signsOver(celticTree, 2000, 2001), 120},
        {of(H::Egyptian), signsOver(egyptianGod, 2000, 2000), 120},
        {of(H::Cyclic), signsOver(cyclicPeriod, 2000, 2000), 120},
        {of(H::NativeAmerican), signsOver(nativeAnimal, 2000, 2000), 120},
        {of(H::Aztec), signsOver(aztecSign, 1910, 2002), 120},
        {of(H::Indian), signsOver(indianSign, 2000, 2000), 120},
        {of(H::Gypsy), signsOver(gypsySign, 2000, 2000), 120},
        {of(H::PartnerSun), pairsOf(sun), 100},
        {of(H::PartnerChinese), pairsOf(animals()), 100},
        {of(H::PartnerJapanese), {""}, 100},
    };
}

std::size_t wordCount(const std::string& text) {
    std::size_t words = 0;
    bool inWord = false;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\t';
        words += (!blank && !inWord) ? 1 : 0;
        inWord = !blank;
    }
    return words;
}

std::vector<std::string> tabsOf(const char* system) {
    const auto tabs = readTabs(kApp, system);
    if (!tabs && !tabs.error().notFound()) {
        ADD_FAILURE() << tabs.error().text();
    }
    return tabs ? *tabs : std::vector<std::string>{};
}

std::size_t markers(const RichDoc& doc) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < paragraphCount(doc); ++i) {
        n += isSectionMarker(paragraphText(doc, i)) ? 1 : 0;
    }
    return n;
}

std::size_t firstMarker(const RichDoc& doc) {
    for (std::size_t i = 0; i < paragraphCount(doc); ++i) {
        if (isSectionMarker(paragraphText(doc, i))) {
            return i;
        }
    }
    return paragraphCount(doc);
}

fs::path numerologyFile(const char* name) {
    return kApp / "Data" / "Numerologie" /
           fs::path(std::u8string(reinterpret_cast<const char8_t*>(name)));
}

} // namespace

TEST(ContentHoroscopes, EverySignHasItsTextForEveryTabAndEnoughWords) {
    Faults faults;
    std::map<std::string, std::string> seen; // text -> file, to find copies
    std::size_t files = 0;
    for (const System& s : systems()) {
        EXPECT_FALSE(s.signs.empty()) << s.folder;
        const std::vector<std::string> tabs = tabsOf(s.folder);
        const auto list = readSignList(kApp, s.folder);
        if (!list) {
            faults.add(std::string(s.folder) + ": " + list.error().text());
        }
        for (const std::string& sign : s.signs) {
            if (list && std::find(list->begin(), list->end(), sign) == list->end()) {
                faults.add(std::string(s.folder) + "/seznam.txt lacks " + sign);
            }
            const std::vector<const std::string*> tabPtrs = [&] {
                std::vector<const std::string*> p;
                for (const auto& t : tabs) {
                    p.push_back(&t);
                }
                if (p.empty()) {
                    p.push_back(nullptr);
                }
                return p;
            }();
            for (const std::string* tab : tabPtrs) {
                const fs::path path = horoscopeTextPath(kApp, s.folder, sign, tab);
                const auto doc = readRtfFile(path);
                if (!doc) {
                    faults.add(doc.error().text());
                    continue;
                }
                ++files;
                const std::string text = plainText(*doc);
                if (wordCount(text) < s.minWords) {
                    faults.add(path.string() + ": " + std::to_string(wordCount(text)) + " words");
                }
                if (const auto [it, fresh] = seen.emplace(text, path.string()); !fresh) {
                    faults.add(path.string() + " repeats " + it->second);
                }
            }
        }
    }
    EXPECT_GT(files, 500u);
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentHoroscopes, SunSignTabsPutMenThirdAndWomenFourth) {
    const auto tabs = tabsOf("Sluneční");
    ASSERT_GE(tabs.size(), 4u);
    EXPECT_EQ(tabs[2], "Muž");
    EXPECT_EQ(tabs[3], "Žena");
    const auto chinese = tabsOf("Čínský");
    EXPECT_NE(std::find(chinese.begin(), chinese.end(), "Vliv měsíce"), chinese.end());
}

TEST(ContentHoroscopes, ImperialTextsHaveSevenSectionsThatCanBeCut) {
    Faults faults;
    for (const char* season : {"Jaro", "Léto", "Podzim", "Zima"}) {
        const auto doc = readRtfFile(horoscopeTextPath(kApp, "Čínský císařský", season, nullptr));
        ASSERT_TRUE(doc) << doc.error().text();
        EXPECT_EQ(markers(*doc), 7u) << season;
        for (std::size_t i = 0; i + 1 < paragraphCount(*doc); ++i) {
            if (isSectionMarker(paragraphText(*doc, i)) &&
                paragraphText(*doc, i + 1).find("nachází") == std::string::npos) {
                faults.add(std::string(season) + ": section after paragraph " + std::to_string(i) +
                           " lacks \"nachází\"");
            }
        }
        // Every animal's cut leaves its rewritten paragraph.
        for (const std::string& animal : animals()) {
            RichDoc cut = *doc;
            imperialCut(cut, season, animal);
            if (paragraphCount(cut) >= paragraphCount(*doc) ||
                paragraphText(cut, firstMarker(*doc)).rfind("Znamení " + animal, 0) != 0) {
                faults.add(std::string(season) + "/" + animal + ": the cut found no section");
            }
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentHoroscopes, LunarInfluenceTextsHaveTwelveMonths) {
    Faults faults;
    for (const std::string& animal : animals()) {
        const std::string tab = "Vliv měsíce";
        const auto doc = readRtfFile(horoscopeTextPath(kApp, "Čínský", animal, &tab));
        ASSERT_TRUE(doc) << doc.error().text();
        if (markers(*doc) != 12 || firstMarker(*doc) < 2) {
            faults.add(animal + ": " + std::to_string(markers(*doc)) + " markers after " +
                       std::to_string(firstMarker(*doc)) + " heading paragraphs");
        }
        RichDoc march = *doc;
        lunarInfluenceCut(march, 3, true);
        if (paragraphText(march, 0) != "Vliv měsíce narození - březen" ||
            paragraphCount(march) >= paragraphCount(*doc)) {
            faults.add(animal + ": the March cut failed");
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentNumerology, EveryValueHasItsParagraph) {
    struct File {
        const char* name;
        std::size_t header;
        std::vector<int> values;
    };
    const std::vector<int> masters = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
    std::vector<int> days;
    for (int d = 1; d <= 31; ++d) {
        days.push_back(d);
    }
    const File files[] = {
        {"Osud.rtf", 5, masters},
        {"Výzva - návyky.rtf", 6, masters},
        {"Osobní rok.rtf", 4, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"Vrchol 1.rtf", 5, masters},
        {"Vrchol 2.rtf", 5, masters},
        {"Vrchol 3.rtf", 5, masters},
        {"Vrchol 4.rtf", 5, masters},
        {"Překonání potíží.rtf", 4, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"Den narození.rtf", 0, days},
        {"Životní dráha.rtf", 4, masters},
    };
    Faults faults;
    for (const File& f : files) {
        const auto doc = readRtfFile(numerologyFile(f.name));
        ASSERT_TRUE(doc) << doc.error().text();
        for (int v : f.values) {
            RichDoc kept = *doc;
            keepNumberedParagraph(kept, f.header, v);
            if (paragraphCount(kept) != f.header + 1 || paragraphText(kept, f.header).size() < 40) {
                faults.add(std::string(f.name) + ": value " + std::to_string(v) + " keeps " +
                           std::to_string(paragraphCount(kept)) + " paragraphs");
            }
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentTexts, InformationAndBiorhythmTextsExist) {
    Faults faults;
    for (const char* caption :
         {"Sluneční", "Sluneční partnerský", "Ascendent", "Měsíční", "Čínský", "Čínský partnerský",
          "Čínský císařský", "Keltský", "Egyptský", "Cyklický", "Indiánský", "Aztécký", "Indický",
          "Cikánský", "Japonský partnerský"}) {
        const auto doc = readRtfFile(horoscopeTextPath(kApp, kInfoSystem, caption, nullptr));
        if (!doc || wordCount(plainText(*doc)) < 150) {
            faults.add(std::string("Informace/") + caption);
        }
    }
    const auto bio = readRtfFile(kApp / "Data" / "biorytmy.rtf");
    if (!bio || wordCount(plainText(*bio)) < 150) {
        faults.add("biorytmy.rtf");
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentTexts, HelpTextsExist) {
    for (const char* name : {"literatura.txt", "historie.txt", "licence.txt"}) {
        EXPECT_TRUE(fs::is_regular_file(kApp / name)) << name;
        EXPECT_GT(fs::file_size(kApp / name), 200u) << name;
    }
}
