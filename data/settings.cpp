#include "data/settings.h"

#include "platform/ini.h"

#include <algorithm>
#include <string_view>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

const char* flag(bool b) {
    return b ? "1" : "0";
}

struct KeyWrite {
    const char* section;
    const char* key;
    std::string value;
};

// All keys in one write of the file, so that a failure or a crash leaves either the old
// file or the new one, never a save that stopped half way.
template <std::size_t N> Result<void> writeKeys(const fs::path& file, const KeyWrite (&writes)[N]) {
    auto doc = loadIni(file);
    if (!doc) {
        return Error{file.string(), doc.error().reason};
    }
    for (const KeyWrite& w : writes) {
        doc->write(w.section, w.key, w.value);
    }
    if (auto saved = saveIni(file, *doc); !saved) {
        return Error{file.string(), saved.error().reason};
    }
    return {};
}

} // namespace

fs::path settingsPath(const fs::path& userFolder) {
    return userFolder / kSettingsFileName;
}

Result<AppSettings> readSettings(const fs::path& userFolder) {
    auto loaded = loadIni(settingsPath(userFolder));
    if (!loaded) {
        return loaded.error();
    }
    const IniDocument& doc = *loaded;
    AppSettings s;
    s.Partner = doc.readBool("Vypocet", "Partner", false);
    s.Pamatovat = doc.readBool("Pamatovat", "Pamatovat", false);
    s.Pruhlednost = doc.readBool("Vypocet", "Pruhlednost", false);
    s.Pruhlednost_value = opacityLevel(doc.readInteger("Vypocet", "Pruhlednost_value", 255));
    s.Pouzit = doc.readBool("Obrazek", "Pouzit", false);
    s.Cesta = doc.readString("Obrazek", "Cesta", "");
    return s;
}

Result<void> saveSettings(const fs::path& userFolder, const AppSettings& s) {
    const KeyWrite writes[] = {
        {"Vypocet", "Partner", flag(s.Partner)},
        {"Pamatovat", "Pamatovat", flag(s.Pamatovat)},
        {"Vypocet", "Pruhlednost", flag(s.Pruhlednost)},
        {"Vypocet", "Pruhlednost_value", std::to_string(s.Pruhlednost_value)},
        {"Obrazek", "Pouzit", flag(s.Pouzit)},
        {"Obrazek", "Cesta", s.Cesta},
    };
    return writeKeys(settingsPath(userFolder), writes);
}

std::string unableToWriteMessage(const fs::path& path) {
    return "Unable to write to " + path.string();
}

int opacityLevel(int stored) {
    return std::clamp(stored, 50, 255);
}

Result<RememberedSelection> readRememberedSelection(const fs::path& userFolder,
                                                    bool loadedPartner) {
    auto loaded = loadIni(settingsPath(userFolder));
    if (!loaded) {
        return loaded.error();
    }
    RememberedSelection r;
    r.PartnerZAP = loaded->readBool("Pamatovat", "PartnerZAP", loadedPartner);
    r.Uzivatel = loaded->readString("Pamatovat", "Uzivatel", "");
    r.Partner = loaded->readString("Pamatovat", "Partner", "");
    return r;
}

Result<void> writeRememberedSelection(const fs::path& userFolder, const RememberedSelection& r) {
    const KeyWrite writes[] = {
        {"Pamatovat", "PartnerZAP", flag(r.PartnerZAP)},
        {"Pamatovat", "Uzivatel", r.Uzivatel},
        {"Pamatovat", "Partner", r.Partner},
    };
    return writeKeys(settingsPath(userFolder), writes);
}

Result<bool> readRemindersAtStartup(const fs::path& userFolder) {
    auto loaded = loadIni(settingsPath(userFolder));
    if (!loaded) {
        return loaded.error();
    }
    return loaded->readBool("Pripominky", "Pripominky", false);
}

Result<void> writeRemindersAtStartup(const fs::path& userFolder, bool on) {
    const KeyWrite writes[] = {{"Pripominky", "Pripominky", flag(on)}};
    return writeKeys(settingsPath(userFolder), writes);
}

std::string storedPicturePath(const std::string& chosen, const std::string& appFolder) {
    if (!appFolder.empty() && std::string_view(chosen).starts_with(appFolder)) {
        return chosen.substr(appFolder.size());
    }
    return chosen;
}

fs::path resolvePicturePath(const fs::path& appFolder, const std::string& cesta) {
    const fs::path p(std::u8string(cesta.begin(), cesta.end()));
    return p.is_absolute() ? p : appFolder / p;
}

} // namespace tarvenik
