#include "data/oracle.h"

#include "data/textlines.h"

namespace tarvenik {

std::filesystem::path wordFilePath(const std::filesystem::path& appFolder) {
    return appFolder / "Data" / "abu.txt";
}

Result<std::vector<std::string>> readWordFile(const std::filesystem::path& path) {
    return readTextLines(path);
}

} // namespace tarvenik
