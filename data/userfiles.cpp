#include "data/userfiles.h"

#include "platform/atomicfile.h"

namespace tarvenik {

namespace fs = std::filesystem;

fs::path userFilesFolder(const fs::path& appFolder, const fs::path& perUserFolder) {
    std::error_code ec;
    const bool readOnlyInstall = fs::is_directory(appFolder, ec) && !isWritableFolder(appFolder);
    return readOnlyInstall && !perUserFolder.empty() ? perUserFolder : appFolder;
}

} // namespace tarvenik
