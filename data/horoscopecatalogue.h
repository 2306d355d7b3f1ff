#pragma once
// The horoscope catalogue: any text of the horoscope folder, chosen by system, sign and
// tab, without a report. Choosing a system lists its signs ("seznam.txt") and its tabs
// ("tabs.txt", the first one selected); choosing a sign, or another tab, names the one
// file to show. No sign-dependent cut applies here: the files are shown as they are.

#include "platform/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvenik {

struct HoroscopeCatalogue {
    std::string system;              // the system whose signs are listed; empty at first
    std::vector<std::string> signs;  // in file order
    std::vector<std::string> tabs;   // none when the system has no tab list
    std::optional<std::size_t> sign; // the chosen sign
    std::size_t tab = 0;             // the selected tab, when there are tabs

    bool operator==(const HoroscopeCatalogue&) const = default;
};

// The system `system` of the data folder: its signs and tabs, no sign chosen, the first tab
// selected. A sign list that is missing or cannot be read, or a tab list that is there but
// cannot be read, is the error; the caller then keeps the catalogue it had.
Result<HoroscopeCatalogue> openCatalogueSystem(const std::filesystem::path& appFolder,
                                               std::string system);

// A sign or tab index outside its list leaves the catalogue as it is.
HoroscopeCatalogue chooseCatalogueSign(HoroscopeCatalogue catalogue, std::size_t index);
HoroscopeCatalogue chooseCatalogueTab(HoroscopeCatalogue catalogue, std::size_t index);

// The tabs are usable once a sign is chosen.
bool catalogueTabsEnabled(const HoroscopeCatalogue& catalogue);

// The file of the chosen sign, under the selected tab when the system has tabs; none until
// a sign is chosen.
std::optional<std::filesystem::path> catalogueTextPath(const std::filesystem::path& appFolder,
                                                       const HoroscopeCatalogue& catalogue);

} // namespace tarvenik
