// Editorial checks of the shipped horoscope texts: no sentence frame that several texts
// share with only the names swapped, and one title layout per system.
//
// Words are the maximal runs of letters and digits of one paragraph, lower-cased; word
// sequences (n-grams) never cross a paragraph. Every form of a sign or planet name counts
// as the same word "@", so "ve znamení Berana" and "ve znamení Lva" are one frame; an
// n-gram of names only says nothing and is left out.
#include "data/horoscopes.h"
#include "platform/rtfreader.h"
#include "platform/text.h"
#include "tests/content/faults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string_view>

using namespace tarvenik;
using tarvenik::test::Faults;
namespace fs = std::filesystem;

namespace {

const fs::path kHoroscopes = fs::path(TARVENIK_APP_DIR) / "Data" / "Horoskopy";

// A word starting with one of these stems, or equal to one of the words below, is a sign
// or planet name: the zodiac, the planets and lights, the Chinese animals.
constexpr std::array<std::string_view, 39> kNameStems{
    "beran",  "blížen", "býk",    "býc",     "býč",    "kozoroh", "vodnář", "štír",
    "střel",  "pann",   "váh",    "ryb",     "lev",    "lv",      "slun",   "měsíc",
    "merkur", "venu",   "mars",   "jupiter", "saturn", "uran",    "neptun", "pluto",
    "myš",    "bůvol",  "buvol",  "tygr",    "králí",  "drak",    "kůň",    "koň",
    "kon",    "opic",   "kohout", "vepř",    "koz",    "ovc",     "ovec"};
// The short names whose stems would catch ordinary words (rakev, hadr, pestrý).
constexpr std::array<std::string_view, 48> kNameWords{
    "rak",    "raka", "rakovi", "rakem",  "raku",   "raci",   "raků",   "rakům",
    "racích", "raky", "rakova", "rakovu", "rakovo", "rakovy", "rakův",  "račí",
    "had",    "hada", "hadovi", "hadem",  "hadu",   "hadi",   "hadů",   "hadům",
    "hadech", "hady", "hadí",   "hadova", "hadovu", "hadovo", "hadovy", "hadův",
    "pes",    "psa",  "psovi",  "psem",   "psu",    "psi",    "psů",    "psům",
    "psech",  "psy",  "psí",    "psova",  "psovu",  "psovo",  "psovy",  "psův"};

// Letters and digits as far as the content goes: it holds only what Windows-1250 has, and
// there they are ASCII letters and digits, µ, the caron and everything from À to ž but
// × and ÷.
bool isWordChar(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           c == 0xB5 || c == 0x2C7 || (c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7);
}

bool isName(const std::string& word) {
    return std::find(kNameWords.begin(), kNameWords.end(), word) != kNameWords.end() ||
           std::any_of(kNameStems.begin(), kNameStems.end(),
                       [&](std::string_view stem) { return word.starts_with(stem); });
}

std::vector<std::string> wordsOf(std::string_view paragraph) {
    std::vector<std::string> words;
    std::string word;
    const auto endWord = [&] {
        if (!word.empty()) {
            words.push_back(isName(word) ? "@" : word);
            word.clear();
        }
    };
    for (std::size_t pos = 0; pos < paragraph.size();) {
        const char32_t c = nextCodePoint(paragraph, pos);
        if (isWordChar(c)) {
            appendUtf8(word, lowerOf(c));
        } else {
            endWord();
        }
    }
    endWord();
    return words;
}

struct Text {
    std::string label; // "Keltský/Buk"
    RichDoc doc;
};

std::vector<Text> textsOf(const fs::path& folder, Faults& faults) {
    std::vector<Text> texts;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (item.path().extension() == ".rtf") {
            auto doc = readRtfFile(item.path());
            if (!doc) {
                faults.add(doc.error().text());
                continue;
            }
            texts.push_back(
                {folder.filename().string() + "/" + item.path().stem().string(), std::move(*doc)});
        }
    }
    std::sort(texts.begin(), texts.end(),
              [](const Text& a, const Text& b) { return a.label < b.label; });
    return texts;
}

// The horoscope folders: the sign systems, or the partner systems.
std::vector<fs::path> folders(bool partner) {
    std::vector<fs::path> found;
    for (const auto& item : fs::directory_iterator(kHoroscopes)) {
        const std::string name = item.path().filename().string();
        if (item.is_directory() && name != kInfoSystem &&
            name.starts_with("Partnersk") == partner) {
            found.push_back(item.path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Each n-gram of the texts with the texts that hold it.
using GramPlaces = std::map<std::string, std::set<std::string>>;

void addGrams(GramPlaces& places, const Text& text, std::size_t n) {
    for (std::size_t p = 0; p < paragraphCount(text.doc); ++p) {
        const std::vector<std::string> words = wordsOf(paragraphText(text.doc, p));
        for (std::size_t i = 0; i + n <= words.size(); ++i) {
            const auto first = words.begin() + static_cast<std::ptrdiff_t>(i);
            if (std::all_of(first, first + static_cast<std::ptrdiff_t>(n),
                            [](const std::string& w) { return w == "@"; })) {
                continue;
            }
            std::string gram = *first;
            for (auto w = first + 1; w != first + static_cast<std::ptrdiff_t>(n); ++w) {
                gram += " " + *w;
            }
            places[gram].insert(text.label);
        }
    }
}

std::string joined(const std::set<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : ", ") + item;
    }
    return out;
}

// How a title writes its dates, from the first date part to the last:
// "Geb (9. června – 12. července)" gives "9. M – 9. M"; a title without a date gives "".
std::string dateShape(const std::string& title) {
    static const std::string months =
        "(ledna|února|března|dubna|května|června|července|srpna|září|října|listopadu|prosince)";
    static const std::regex date("(\\d+\\.\\s*)+" + months + "?");
    std::size_t from = std::string::npos;
    std::size_t to = 0;
    for (std::sregex_iterator m(title.begin(), title.end(), date), end; m != end; ++m) {
        from = std::min(from, static_cast<std::size_t>(m->position()));
        to = static_cast<std::size_t>(m->position() + m->length());
    }
    if (from == std::string::npos) {
        return "";
    }
    const std::string digits =
        std::regex_replace(title.substr(from, to - from), std::regex("\\d+"), "9");
    return std::regex_replace(digits, std::regex(months), "M");
}

// The tab of a text "Povaha - Lev" of a system with tabs. The single texts of a tab
// ("Nov - ") and the texts of a system without tabs go together under "".
std::string tabOf(const std::string& name, const std::vector<std::string>& tabs) {
    for (const std::string& tab : tabs) {
        if (name.starts_with(tab + " - ") && name.size() > tab.size() + 3) {
            return tab;
        }
    }
    return "";
}

// One fault when the texts fall into more than one group.
void expectOneGroup(Faults& faults, const std::string& what,
                    const std::map<std::string, std::set<std::string>>& groups) {
    if (groups.size() > 1) {
        std::string fault = what + ":";
        for (const auto& [key, labels] : groups) {
            fault += " [" + key + "] " + joined(labels) + ";";
        }
        faults.add(fault);
    }
}

} // namespace

TEST(ContentTemplates, WordsAreLowerCaseWithEveryNameFormMasked) {
    const std::vector<std::string> expected = {"ve", "znamení", "@",     "@", "a",
                                               "@",  "hadr",    "rakev", "ř", "2024"};
    EXPECT_EQ(wordsOf("Ve ZNAMENÍ Lva, Rakovi a Psům – hadr/rakev_Ř 2024."), expected);
    EXPECT_EQ(dateShape("Geb (9. června – 12. července)"), "9. M – 9. M");
    EXPECT_EQ(dateShape("Jeřáb 1.–10. dubna a 4.–13. října"), "9.–9. M a 9.–9. M");
    EXPECT_EQ(dateShape("0 a 0 – dva kapitáni"), "");
}

TEST(ContentTemplates, NoFiveWordsStandInMoreThanFourPartnerTexts) {
    Faults faults;
    std::size_t count = 0;
    for (const fs::path& folder : folders(true)) {
        GramPlaces places;
        for (const Text& text : textsOf(folder, faults)) {
            addGrams(places, text, 5);
            ++count;
        }
        for (const auto& [gram, labels] : places) {
            if (labels.size() > 4) {
                faults.add(std::to_string(labels.size()) + " texts: \"" + gram + "\" in " +
                           joined(labels));
            }
        }
    }
    EXPECT_GT(count, 250u);
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentTemplates, SignSystemsShareNoSixWords) {
    Faults faults;
    GramPlaces places;
    for (const fs::path& folder : folders(false)) {
        for (const Text& text : textsOf(folder, faults)) {
            addGrams(places, text, 6);
        }
    }
    EXPECT_GT(places.size(), 10000u);
    for (const auto& [gram, labels] : places) {
        std::set<std::string> systems;
        for (const std::string& label : labels) {
            systems.insert(label.substr(0, label.find('/')));
        }
        if (systems.size() > 1) {
            faults.add("\"" + gram + "\" in " + joined(labels));
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentTitles, EachSystemLaysOutItsTitlesOneWay) {
    Faults faults;
    for (const bool partner : {false, true}) {
        for (const fs::path& folder : folders(partner)) {
            const std::string system = folder.filename().string();
            const auto read = readTabs(fs::path(TARVENIK_APP_DIR), system);
            if (!read && !read.error().notFound()) {
                faults.add(read.error().text());
            }
            const auto tabs = read ? *read : std::vector<std::string>{};
            std::map<std::string, std::set<std::string>> gap;    // empty paragraph after the title?
            std::map<std::string, std::set<std::string>> shapes; // of the dated titles
            std::map<std::string, std::map<std::string, std::set<std::string>>> datedByTab;
            for (const Text& text : textsOf(folder, faults)) {
                const std::string name = text.label.substr(system.size() + 1);
                const bool empty =
                    paragraphCount(text.doc) > 1 && trimBlanks(paragraphText(text.doc, 1)).empty();
                gap[empty ? "empty paragraph after the title" : "text after the title"].insert(
                    name);
                const std::string shape = dateShape(paragraphText(text.doc, 0));
                if (!shape.empty()) {
                    shapes[shape].insert(name);
                }
                datedByTab[tabOf(name, tabs)][shape.empty() ? "no date" : "date"].insert(name);
            }
            expectOneGroup(faults, system, gap);
            expectOneGroup(faults, system + ", dates in titles", shapes);
            for (const auto& [tab, dated] : datedByTab) {
                expectOneGroup(faults, system + (tab.empty() ? "" : ", " + tab) + ", titles",
                               dated);
            }
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}
