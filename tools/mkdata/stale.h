#pragma once
// Outputs of earlier runs that the content no longer produces: a removed or renamed source
// must not leave its old file behind in the data folder until the build is cleaned.

#include "platform/result.h"

#include <filesystem>
#include <set>
#include <vector>

namespace tarvenik::mkdata {

// Removes every file, and every folder left empty, inside the generator's own folders of
// `appDir` that is not in `produced` (paths relative to `appDir`). Its own folders are the
// top-level folders the outputs lie in ("Data"); the application folder itself also holds
// the executable and the user's files, so nothing directly in it is touched. Returns the
// removed paths, relative to `appDir`.
Result<std::vector<std::filesystem::path>>
removeStaleOutputs(const std::filesystem::path& appDir,
                   const std::set<std::filesystem::path>& produced);

} // namespace tarvenik::mkdata
