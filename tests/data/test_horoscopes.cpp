#include "data/horoscopes.h"

#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

void writeUtf8(const std::filesystem::path& path, const std::string& utf8) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << encode1250(utf8);
}

std::filesystem::path u8(const char* s) {
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(s)));
}

} // namespace

TEST(HoroscopeFolders, FileNamesWithAndWithoutTabs) {
    const std::filesystem::path app = "/app";
    const std::string tab = "Vliv měsíce";
    EXPECT_EQ(horoscopeTextPath(app, "Sluneční", "Beran", nullptr),
              app / "Data" / "Horoskopy" / u8("Sluneční") / "Beran.rtf");
    EXPECT_EQ(horoscopeTextPath(app, "Čínský", "Kůň", &tab),
              app / "Data" / "Horoskopy" / u8("Čínský") / u8("Vliv měsíce - Kůň.rtf"));
    // Systems without a sign value name their files by the tab alone.
    const std::string phase = "Úplněk";
    EXPECT_EQ(horoscopeTextPath(app, "Měsíční", "", &phase).filename(), u8("Úplněk - .rtf"));
    EXPECT_EQ(horoscopeTextPath(app, "Měsíční", "", nullptr).filename(), ".rtf");
    EXPECT_EQ(horoscopeTextPath(app, "Informace", "Cikánský", nullptr).filename(),
              u8("Cikánský.rtf"));
}

TEST(HoroscopeFolders, TabsAndSignLists) {
    TempFolder dir;
    const auto sun = horoscopeFolder(dir.path(), "Sluneční");
    writeUtf8(sun / "tabs.txt", "Povaha\r\nLáska a vztahy\r\nMuž\r\nŽena\r\n");
    writeUtf8(sun / "seznam.txt", "Beran\nBýk");
    const auto tabs = readTabs(dir.path(), "Sluneční");
    ASSERT_TRUE(tabs);
    EXPECT_EQ(*tabs, (std::vector<std::string>{"Povaha", "Láska a vztahy", "Muž", "Žena"}));
    EXPECT_EQ(*readSignList(dir.path(), "Sluneční"), (std::vector<std::string>{"Beran", "Býk"}));

    const auto none = readTabs(dir.path(), "Keltský");
    ASSERT_FALSE(none);
    EXPECT_TRUE(none.error().notFound());
    EXPECT_FALSE(readSignList(dir.path(), "Keltský"));
}

TEST(HoroscopeFolders, SystemFolderNames) {
    const std::pair<HoroscopeSystem, std::string> cases[] = {
        {HoroscopeSystem::Sun, "Sluneční"},
        {HoroscopeSystem::TrueSun, "Pravdivý"},
        {HoroscopeSystem::ImperialChinese, "Čínský císařský"},
        {HoroscopeSystem::NativeAmerican, "Indiánský"},
        {HoroscopeSystem::Gypsy, "Cikánský"}, // no trailing blank, unlike its button
        {HoroscopeSystem::PartnerJapanese, "Partnerský japonský"},
        {HoroscopeSystem::Info, "Informace"},
    };
    for (const auto& [system, folder] : cases) {
        EXPECT_EQ(horoscopeFolderName(system), folder);
    }
}

TEST(HoroscopeFolders, ListedSystems) {
    TempFolder dir;
    for (const char* s : {"Sluneční", "Čínský", "Keltský", "Informace", "Cyklický"}) {
        std::filesystem::create_directories(horoscopeFolder(dir.path(), s));
    }
    writeUtf8(horoscopeFolder(dir.path(), "poznámky.txt"), "no system"); // a stray file
    // Czech order (č after c), without Informace and without the file.
    EXPECT_EQ(listHoroscopeSystems(dir.path()),
              (std::vector<std::string>{"Cyklický", "Čínský", "Keltský", "Sluneční"}));
    EXPECT_TRUE(listHoroscopeSystems(dir / "nothing").empty());
    std::filesystem::create_directories(dir / "empty" / "Data" / "Horoskopy");
    EXPECT_TRUE(listHoroscopeSystems(dir / "empty").empty());
}
