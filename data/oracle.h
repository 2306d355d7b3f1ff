#pragma once
// The fortune-telling word file "Data/abu.txt": one entry per line, Windows-1250.

#include "platform/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarvenik {

// application folder + "Data/abu.txt"
std::filesystem::path wordFilePath(const std::filesystem::path& appFolder);

// Every line is an entry, an empty one included, except that the line end closing the
// file adds none. CR LF, LF and CR all end a line.
Result<std::vector<std::string>> readWordFile(const std::filesystem::path& path);

} // namespace tarvenik
