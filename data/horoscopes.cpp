#include "data/horoscopes.h"

#include "data/textlines.h"

#include <system_error>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

fs::path utf8Path(std::string_view name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

} // namespace

std::optional<SignSource> signSourceOf(std::string_view system) {
    for (const HoroscopeSystem& s : kHoroscopeSystems) {
        if (system == s.folder) {
            return s.sign;
        }
    }
    return std::nullopt;
}

fs::path horoscopeFolder(const fs::path& appFolder, std::string_view system) {
    return appFolder / "Data" / "Horoskopy" / utf8Path(system);
}

Result<std::vector<std::string>> readTabs(const fs::path& appFolder, std::string_view system) {
    return readTextLines(horoscopeFolder(appFolder, system) / "tabs.txt");
}

Result<std::vector<std::string>> readSignList(const fs::path& appFolder, std::string_view system) {
    return readTextLines(horoscopeFolder(appFolder, system) / "seznam.txt");
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
        const std::u8string name = it->path().filename().u8string();
        std::string utf8(name.begin(), name.end());
        if (utf8 != kInfoSystem) {
            systems.push_back(std::move(utf8));
        }
    }
    return systems;
}

} // namespace tarvenik
