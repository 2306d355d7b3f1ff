#include "tools/mkdata/stale.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace tarvenik::mkdata {

Result<std::vector<fs::path>> removeStaleOutputs(const fs::path& appDir,
                                                 const std::set<fs::path>& produced) {
    std::set<fs::path> ownFolders;
    for (const fs::path& rel : produced) {
        if (rel.has_parent_path()) {
            ownFolders.insert(*rel.begin());
        }
    }
    std::vector<fs::path> removed;
    for (const fs::path& folder : ownFolders) {
        std::error_code ec;
        if (!fs::is_directory(appDir / folder, ec)) {
            continue;
        }
        // Collected first: removing while iterating invalidates the iterator.
        std::vector<fs::path> entries;
        for (auto it = fs::recursive_directory_iterator(appDir / folder, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            entries.push_back(it->path());
        }
        if (ec) {
            return Error{(appDir / folder).string(), ec.message()};
        }
        // Deepest first, so a folder is looked at after everything in it.
        std::sort(entries.rbegin(), entries.rend());
        for (const fs::path& entry : entries) {
            const fs::path rel = entry.lexically_relative(appDir);
            const bool folderEntry = fs::is_directory(fs::symlink_status(entry, ec));
            const bool stale = folderEntry ? fs::is_empty(entry, ec) : !produced.contains(rel);
            if (stale && !ec && fs::remove(entry, ec)) {
                removed.push_back(rel);
            }
            if (ec) {
                return Error{entry.string(), ec.message()};
            }
        }
    }
    return removed;
}

} // namespace tarvenik::mkdata
