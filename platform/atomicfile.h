#pragma once
// Whole-file reads and all-or-nothing writes. A write goes to a temporary file in the
// target's folder, is flushed to disk and then renamed over the target, so a crash or a
// full disk leaves either the old file or the new one, never half of either.

#include "platform/result.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tarvenik {

// The file's bytes, or an error naming the path and the system's reason.
// A missing file is an error of kind NotFound.
Result<std::string> readFileBytes(const std::filesystem::path& path);

Result<void> writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The same write with a step run after the data is on disk and before the rename; a
// test passes one that kills the process to prove that the old file survives.
Result<void> writeFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                             const std::function<void()>& beforeRename);

} // namespace tarvenik
