#pragma once
// The horoscope text folder: Data/Horoskopy/<system>/ with an optional tab list
// "tabs.txt", the sign list "seznam.txt" and one RTF text per sign (or per tab and sign).
// The folder names are the systems; Informace holds the texts of the information buttons.

#include "platform/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

inline constexpr const char* kInfoSystem = "Informace";
// A tab or sign list holds a few dozen short lines; each line becomes a tab or a list entry.
inline constexpr std::size_t kMaxHoroscopeListBytes = 16 * 1024;

// The horoscope systems the report shows, each a folder of the same name.
enum class HoroscopeSystem {
    Sun,             // "Sluneční"
    TrueSun,         // "Pravdivý"
    Ascendant,       // "Ascendent"
    Lunar,           // "Měsíční"
    Chinese,         // "Čínský"
    ImperialChinese, // "Čínský císařský"
    Celtic,          // "Keltský"
    Egyptian,        // "Egyptský"
    Cyclic,          // "Cyklický"
    NativeAmerican,  // "Indiánský"
    Aztec,           // "Aztécký"
    Indian,          // "Indický"
    Gypsy,           // "Cikánský"
    PartnerSun,      // "Partnerský sluneční"
    PartnerChinese,  // "Partnerský čínský"
    PartnerJapanese, // "Partnerský japonský"
    Info,            // "Informace": the texts of the information buttons
};

// The system's folder name under Data/Horoskopy, as the data functions below take it.
const char* horoscopeFolderName(HoroscopeSystem system);

std::filesystem::path horoscopeFolder(const std::filesystem::path& appFolder,
                                      std::string_view system);

// The tab captions of "tabs.txt"; NotFound when the system has no tab list.
Result<std::vector<std::string>> readTabs(const std::filesystem::path& appFolder,
                                          std::string_view system);
// The lines of "seznam.txt"; a missing list is an error.
Result<std::vector<std::string>> readSignList(const std::filesystem::path& appFolder,
                                              std::string_view system);

// sign + ".rtf", or tab + " - " + sign + ".rtf" with a tab, in the system's folder.
std::filesystem::path horoscopeTextPath(const std::filesystem::path& appFolder,
                                        std::string_view system, std::string_view sign,
                                        const std::string* tab);

// The horoscope systems present in the data folder: every folder but Informace, in Czech
// alphabetical order. An empty or missing Data/Horoskopy has none.
std::vector<std::string> listHoroscopeSystems(const std::filesystem::path& appFolder);

} // namespace tarvenik
