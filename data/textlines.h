#pragma once
// The plain text data files: Windows-1250 lines split by platform/text's splitTextLines.

#include "platform/atomicfile.h"
#include "platform/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarvenik {

// The lines of a Windows-1250 text file, as UTF-8. A file above `maxBytes` is refused unread.
Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path,
                                               std::size_t maxBytes = kMaxListFileBytes);

} // namespace tarvenik
