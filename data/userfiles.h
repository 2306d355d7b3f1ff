#pragma once
// Where the person file and the settings file live. A portable copy (or the build folder)
// keeps them beside the executable, as it always has; a system install cannot be written
// by its users, so each of them keeps the two files in a data folder of their own, which
// the first write creates. Every other file is read from the application folder.

#include <filesystem>

namespace tarvenik {

// The folder of Udaje.ini and Tarvenik.ini: `appFolder` while it can be written,
// otherwise `perUserFolder` (the user's data folder for the program, e.g.
// ~/.local/share/Tarvenik). A folder that does not exist is no install at all, and an
// unknown (empty) per-user folder no better place: both leave the application folder.
std::filesystem::path userFilesFolder(const std::filesystem::path& appFolder,
                                      const std::filesystem::path& perUserFolder);

} // namespace tarvenik
