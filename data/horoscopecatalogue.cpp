#include "data/horoscopecatalogue.h"

#include "data/horoscopes.h"

namespace tarvenik {

Result<HoroscopeCatalogue> openCatalogueSystem(const std::filesystem::path& appFolder,
                                               std::string system) {
    auto signs = readSignList(appFolder, system);
    if (!signs) {
        return signs.error();
    }
    HoroscopeCatalogue opened;
    if (auto tabs = readTabs(appFolder, system)) {
        opened.tabs = std::move(tabs).value();
    } else if (!tabs.error().notFound()) {
        return tabs.error();
    }
    opened.system = std::move(system);
    opened.signs = std::move(signs).value();
    return opened;
}

HoroscopeCatalogue chooseCatalogueSign(HoroscopeCatalogue catalogue, std::size_t index) {
    if (index < catalogue.signs.size()) {
        catalogue.sign = index;
    }
    return catalogue;
}

HoroscopeCatalogue chooseCatalogueTab(HoroscopeCatalogue catalogue, std::size_t index) {
    if (index < catalogue.tabs.size()) {
        catalogue.tab = index;
    }
    return catalogue;
}

bool catalogueTabsEnabled(const HoroscopeCatalogue& catalogue) {
    return catalogue.sign.has_value();
}

std::optional<std::filesystem::path> catalogueTextPath(const std::filesystem::path& appFolder,
                                                       const HoroscopeCatalogue& catalogue) {
    if (!catalogue.sign || *catalogue.sign >= catalogue.signs.size()) {
        return std::nullopt;
    }
    const std::string* tab =
        catalogue.tab < catalogue.tabs.size() ? &catalogue.tabs[catalogue.tab] : nullptr;
    return horoscopeTextPath(appFolder, catalogue.system, catalogue.signs[*catalogue.sign], tab);
}

} // namespace tarvenik
