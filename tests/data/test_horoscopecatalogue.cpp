#include "data/horoscopecatalogue.h"

#include "data/horoscopes.h"
#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

namespace fs = std::filesystem;

void writeUtf8(const fs::path& path, const std::string& utf8) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << encode1250(utf8);
}

fs::path u8(const std::string& s) {
    return fs::path(std::u8string(s.begin(), s.end()));
}

// A data folder with a system with tabs, one without, and one whose files are named by
// the tab alone (its sign list is one empty line).
struct Catalogue : TempFolder {
    Catalogue() {
        writeUtf8(system("Sluneční") / "tabs.txt", "Povaha\r\nMuž\r\nŽena\r\n");
        writeUtf8(system("Sluneční") / "seznam.txt", "Beran\r\nBýk\r\n");
        writeUtf8(system("Keltský") / "seznam.txt", "Jabloň\r\nJedle\r\n");
        writeUtf8(system("Měsíční") / "tabs.txt", "Nov\r\nÚplněk\r\n");
        writeUtf8(system("Měsíční") / "seznam.txt", "\r\n");
        fs::create_directories(system("Prázdný"));
    }
    fs::path system(const std::string& name) const { return horoscopeFolder(path(), name); }
};

} // namespace

TEST(HoroscopeCatalogue, OpeningASystem) {
    Catalogue dir;
    struct Case {
        std::string system;
        std::vector<std::string> signs;
        std::vector<std::string> tabs;
    };
    const Case cases[] = {
        {"Sluneční", {"Beran", "Býk"}, {"Povaha", "Muž", "Žena"}},
        {"Keltský", {"Jabloň", "Jedle"}, {}},
        {"Měsíční", {""}, {"Nov", "Úplněk"}},
    };
    for (const Case& c : cases) {
        const auto opened = openCatalogueSystem(dir.path(), c.system);
        ASSERT_TRUE(opened) << c.system;
        EXPECT_EQ(opened->system, c.system);
        EXPECT_EQ(opened->signs, c.signs);
        EXPECT_EQ(opened->tabs, c.tabs);
        EXPECT_FALSE(opened->sign); // no sign chosen yet ...
        EXPECT_EQ(opened->tab, 0u); // ... and the first tab selected
        EXPECT_FALSE(catalogueTabsEnabled(*opened));
        EXPECT_FALSE(catalogueTextPath(dir.path(), *opened));
    }
}

TEST(HoroscopeCatalogue, ListsThatCannotBeRead) {
    Catalogue dir;
    // No sign list: the error names the missing file.
    const auto noList = openCatalogueSystem(dir.path(), "Prázdný");
    ASSERT_FALSE(noList);
    EXPECT_TRUE(noList.error().notFound());
    EXPECT_NE(noList.error().where.find("seznam.txt"), std::string::npos);
    EXPECT_FALSE(openCatalogueSystem(dir.path(), "Nikde"));

    // A tab list that is there but cannot be read is an error too, not "no tabs": the texts
    // would be looked for under the wrong names.
    fs::create_directories(dir.system("Keltský") / "tabs.txt");
    const auto badTabs = openCatalogueSystem(dir.path(), "Keltský");
    ASSERT_FALSE(badTabs);
    EXPECT_FALSE(badTabs.error().notFound());
}

TEST(HoroscopeCatalogue, WhichFileASignAndTabRead) {
    Catalogue dir;
    struct Case {
        std::string system;
        std::size_t sign;
        std::optional<std::size_t> tab; // switched to after choosing the sign
        std::string file;
    };
    const Case cases[] = {
        {"Sluneční", 1, {}, "Povaha - Býk.rtf"}, // the first tab until another is chosen
        {"Sluneční", 0, 2, "Žena - Beran.rtf"},
        {"Sluneční", 0, 7, "Povaha - Beran.rtf"}, // no such tab: the selection stays
        {"Keltský", 5, {}, ""},                   // no such sign: none chosen
        {"Keltský", 1, {}, "Jedle.rtf"},
        {"Měsíční", 0, 1, "Úplněk - .rtf"},
    };
    for (const Case& c : cases) {
        auto catalogue = chooseCatalogueSign(*openCatalogueSystem(dir.path(), c.system), c.sign);
        if (c.tab) {
            catalogue = chooseCatalogueTab(std::move(catalogue), *c.tab);
        }
        const auto path = catalogueTextPath(dir.path(), catalogue);
        EXPECT_EQ(catalogueTabsEnabled(catalogue), !c.file.empty());
        if (c.file.empty()) {
            EXPECT_FALSE(path);
            continue;
        }
        ASSERT_TRUE(path) << c.file;
        EXPECT_EQ(*path, dir.system(c.system) / u8(c.file));
    }
}
