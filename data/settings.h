#pragma once
// The settings file Tarvenik.ini: the preferences the settings dialog writes and the
// person selection the person dialog remembers. Reading gives every missing or malformed
// key its default; each save changes its keys in one atomic write of the whole file.
// `userFolder` is the folder userFilesFolder (data/userfiles) chose for the file; a
// background picture is still found from the application folder.

#include "platform/result.h"

#include <filesystem>
#include <string>

namespace tarvenik {

inline constexpr const char* kSettingsFileName = "Tarvenik.ini";

// The six loaded settings, under their key names.
struct AppSettings {
    bool Partner = false;        // [Vypocet] Partner: partner option starts ticked
    bool Pamatovat = false;      // [Pamatovat] Pamatovat: remember the chosen persons
    bool Pruhlednost = false;    // [Vypocet] Pruhlednost: main window translucent
    int Pruhlednost_value = 255; // [Vypocet] Pruhlednost_value: 50 faint ... 255 opaque
    bool Pouzit = false;         // [Obrazek] Pouzit: background picture shown
    std::string Cesta;           // [Obrazek] Cesta: picture path, relative when inside

    bool operator==(const AppSettings&) const = default;
};

std::filesystem::path settingsPath(const std::filesystem::path& userFolder);

// A missing file gives all defaults; only a file that exists and cannot be read fails.
Result<AppSettings> readSettings(const std::filesystem::path& userFolder);

// Writes Vypocet/Partner, Pamatovat/Pamatovat, Vypocet/Pruhlednost,
// Vypocet/Pruhlednost_value, Obrazek/Pouzit, Obrazek/Cesta in this order, all in one write:
// a save that fails leaves the file as it was.
Result<void> saveSettings(const std::filesystem::path& userFolder, const AppSettings& settings);

// "Unable to write to <path>", the report of a failed save.
std::string unableToWriteMessage(const std::filesystem::path& path);

// The opacity levels the settings dialog offers: 50-255. A stored level outside them is
// clamped when it is loaded, so that no file can make the main window invisible.
int opacityLevel(int stored);

// The person selection remembered in section Pamatovat.
struct RememberedSelection {
    bool PartnerZAP = false;
    std::string Uzivatel;
    std::string Partner;
    bool operator==(const RememberedSelection&) const = default;
};

// PartnerZAP defaults to the loaded Vypocet/Partner, the two names to empty texts.
Result<RememberedSelection> readRememberedSelection(const std::filesystem::path& userFolder,
                                                    bool loadedPartner);
// Writes PartnerZAP, Uzivatel, Partner in this order, all or none.
Result<void> writeRememberedSelection(const std::filesystem::path& userFolder,
                                      const RememberedSelection& selection);

// [Pripominky] Pripominky: the reminder window opens at start-up when someone's birthday or
// name day is today. Off by default, so that start-up stays as it was.
Result<bool> readRemindersAtStartup(const std::filesystem::path& userFolder);
Result<void> writeRemindersAtStartup(const std::filesystem::path& userFolder, bool on);

// The path as stored in Cesta: without the application folder's prefix when the file lies
// inside it (compared letter for letter, case included), otherwise unchanged.
std::string storedPicturePath(const std::string& chosen, const std::string& appFolder);
// The path to open for a stored Cesta: a relative path is taken from the application folder.
std::filesystem::path resolvePicturePath(const std::filesystem::path& appFolder,
                                         const std::string& cesta);

} // namespace tarvenik
