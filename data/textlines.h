#pragma once
// The line rule of the plain text data files: CR LF, LF or a lone CR ends a line, and a
// line end at the very end of the file adds no empty line after it.

#include "platform/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

std::vector<std::string> splitTextLines(std::string_view bytes);

// The lines of a Windows-1250 text file, as UTF-8.
Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

} // namespace tarvenik
