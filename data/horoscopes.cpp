#include "data/horoscopes.h"

#include "data/textlines.h"
#include "platform/collate.h"

#include <algorithm>
#include <system_error>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

fs::path utf8Path(std::string_view name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

} // namespace

const char* horoscopeFolderName(HoroscopeSystem system) {
    switch (system) {
    case HoroscopeSystem::Sun:
        return "Sluneční";
    case HoroscopeSystem::TrueSun:
        return "Pravdivý";
    case HoroscopeSystem::Ascendant:
        return "Ascendent";
    case HoroscopeSystem::Lunar:
        return "Měsíční";
    case HoroscopeSystem::Chinese:
        return "Čínský";
    case HoroscopeSystem::ImperialChinese:
        return "Čínský císařský";
    case HoroscopeSystem::Celtic:
        return "Keltský";
    case HoroscopeSystem::Egyptian:
        return "Egyptský";
    case HoroscopeSystem::Cyclic:
        return "Cyklický";
    case HoroscopeSystem::NativeAmerican:
        return "Indiánský";
    case HoroscopeSystem::Aztec:
        return "Aztécký";
    case HoroscopeSystem::Indian:
        return "Indický";
    case HoroscopeSystem::Gypsy:
        return "Cikánský";
    case HoroscopeSystem::PartnerSun:
        return "Partnerský sluneční";
    case HoroscopeSystem::PartnerChinese:
        return "Partnerský čínský";
    case HoroscopeSystem::PartnerJapanese:
        return "Partnerský japonský";
    case HoroscopeSystem::Info:
        return kInfoSystem;
    }
    return "";
}

fs::path horoscopeFolder(const fs::path& appFolder, std::string_view system) {
    return appFolder / "Data" / "Horoskopy" / utf8Path(system);
}

Result<std::vector<std::string>> readTabs(const fs::path& appFolder, std::string_view system) {
    return readTextLines(horoscopeFolder(appFolder, system) / "tabs.txt", kMaxHoroscopeListBytes);
}

Result<std::vector<std::string>> readSignList(const fs::path& appFolder, std::string_view system) {
    return readTextLines(horoscopeFolder(appFolder, system) / "seznam.txt", kMaxHoroscopeListBytes);
}

fs::path horoscopeTextPath(const fs::path& appFolder, std::string_view system,
                           std::string_view sign, const std::string* tab) {
    std::string name = tab ? *tab + " - " : std::string();
    name += sign;
    name += ".rtf";
    return horoscopeFolder(appFolder, system) / utf8Path(name);
}

std::vector<std::string> listHoroscopeSystems(const fs::path& appFolder) {
    std::vector<std::string> systems;
    std::error_code ec;
    for (fs::directory_iterator it(appFolder / "Data" / "Horoskopy", ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code notFolder;
        if (!it->is_directory(notFolder)) {
            continue; // a stray file is no system: it has no sign list to offer
        }
        const std::u8string name = it->path().filename().u8string();
        std::string utf8(name.begin(), name.end());
        if (utf8 != kInfoSystem) {
            systems.push_back(std::move(utf8));
        }
    }
    std::sort(systems.begin(), systems.end(), czechLess);
    return systems;
}

} // namespace tarvenik
