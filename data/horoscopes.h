#pragma once
// The horoscope text folder: Data/Horoskopy/<system>/ with an optional tab list
// "tabs.txt", the sign list "seznam.txt" and one RTF text per sign (or per tab and sign).
// The folder names are the systems; Informace holds the texts of the information buttons.

#include "platform/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

inline constexpr const char* kInfoSystem = "Informace";
inline constexpr const char* kTextMissing = "NENALEZENO! Zkuste přeinstalovat aplikaci!";

// Which sign of the horoscope set names a system's files.
enum class SignSource {
    Sun,
    Ascendant,
    Lunar,
    ChineseAnimal,
    ChineseSeason,
    Celtic,
    Egyptian,
    Cyclic,
    NativeAmerican,
    Aztec,
    Indian,
    Gypsy,
    PartnerSunKey,
    PartnerChineseKey,
    PartnerJapaneseKey,
    InfoCaption,
};

struct HoroscopeSystem {
    const char* folder;
    SignSource sign;
};

// Every system folder the program reads, with the sign that names its files.
inline constexpr HoroscopeSystem kHoroscopeSystems[] = {
    {"Sluneční", SignSource::Sun},
    {"Pravdivý", SignSource::Sun},
    {"Ascendent", SignSource::Ascendant},
    {"Měsíční", SignSource::Lunar},
    {"Čínský", SignSource::ChineseAnimal},
    {"Čínský císařský", SignSource::ChineseSeason},
    {"Keltský", SignSource::Celtic},
    {"Egyptský", SignSource::Egyptian},
    {"Cyklický", SignSource::Cyclic},
    {"Indiánský", SignSource::NativeAmerican},
    {"Aztécký", SignSource::Aztec},
    {"Indický", SignSource::Indian},
    {"Cikánský", SignSource::Gypsy},
    {"Partnerský sluneční", SignSource::PartnerSunKey},
    {"Partnerský čínský", SignSource::PartnerChineseKey},
    {"Partnerský japonský", SignSource::PartnerJapaneseKey},
    {kInfoSystem, SignSource::InfoCaption},
};

std::optional<SignSource> signSourceOf(std::string_view system);

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

// The horoscope systems present in the data folder, all but Informace, in folder order
// as the file system gives it (the catalogue sorts them).
std::vector<std::string> listHoroscopeSystems(const std::filesystem::path& appFolder);

} // namespace tarvenik
