#include "data/textlines.h"

#include "platform/atomicfile.h"
#include "platform/text.h"

namespace tarvenik {

Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path,
                                               std::size_t maxBytes) {
    auto bytes = readFileBytes(path, maxBytes);
    if (!bytes) {
        return bytes.error();
    }
    std::vector<std::string> lines = splitTextLines(*bytes);
    for (std::string& line : lines) {
        line = decode1250(line);
    }
    return lines;
}

} // namespace tarvenik
