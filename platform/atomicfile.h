#pragma once
// Whole-file reads and all-or-nothing writes. A write goes to a temporary file in the
// target's folder, is flushed to disk and then renamed over the target, so a crash or a
// full disk leaves either the old file or the new one, never half of either.

#include "platform/result.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tarvenik {

// Read limits far above any real file of the program, so that a wrong path or a damaged
// file cannot take all memory or freeze a view.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;     // data files, pictures
inline constexpr std::size_t kMaxShownTextBytes = std::size_t{4} << 20; // texts laid out in a view
// Calendars, dictionary letters and word lists are a few dozen KB; every line of one may end
// up in a list, so a file of many MB would freeze the window that lists it.
inline constexpr std::size_t kMaxListFileBytes = std::size_t{4} << 20;

// The file's bytes, or an error naming the path and the reason. A missing file is an error
// of kind NotFound. Only a regular file is read: a device or a pipe is refused at once,
// without waiting for a writer. A file larger than `maxBytes` is refused, and no more than
// `maxBytes` bytes are ever read (a file can grow while it is read, or lie about its size).
Result<std::string> readFileBytes(const std::filesystem::path& path,
                                  std::size_t maxBytes = kMaxFileBytes);

// A symbolic link is written through: its target gets the new content and the link stays.
// A file without write permission (read-only, or not this user's to write) is not replaced,
// even where the folder would allow the rename; that is a failure like any other.
Result<void> writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The same write with a step run after the data is on disk and before the rename; a
// test passes one that kills the process to prove that the old file survives.
Result<void> writeFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                             const std::function<void()>& beforeRename);

// Removes the file; one that is already gone is no error. A file without write permission
// is left in place, as writeFileAtomic leaves it: removing it would lose what it holds.
Result<void> removeFile(const std::filesystem::path& path);

// True when `folder` is an existing folder in which this process may create files.
bool isWritableFolder(const std::filesystem::path& folder);

} // namespace tarvenik
