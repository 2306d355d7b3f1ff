#include "data/textlines.h"

#include "platform/atomicfile.h"
#include "platform/text.h"

namespace tarvenik {

std::vector<std::string> splitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            continue;
        }
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
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
