#include "data/oracle.h"

#include "data/textlines.h"
#include "platform/atomicfile.h"
#include "platform/text.h"

namespace tarvenik {

std::filesystem::path wordFilePath(const std::filesystem::path& appFolder) {
    return appFolder / "Data" / "abu.txt";
}

Result<std::vector<std::string>> readWordFile(const std::filesystem::path& path) {
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
