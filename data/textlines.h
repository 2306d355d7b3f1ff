#pragma once
// The line rule of the plain text data files: CR LF, LF or a lone CR ends a line, and a
// line end at the very end of the file adds no empty line after it.

#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

std::vector<std::string> splitTextLines(std::string_view bytes);

} // namespace tarvenik
