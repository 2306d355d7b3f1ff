#pragma once
// The version information file "verzess.txt" published on the program's web site:
// Windows-1250 lines, the newest release number, its name and its download address.
// The update window fetches the bytes; everything decided from them is here.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

inline constexpr const char* kVersionFileName = "verzess.txt";
// A real file is a few dozen bytes; anything longer is not one.
inline constexpr std::size_t kMaxVersionFileBytes = 64 * 1024;

enum class VersionStatus { UpToDate, Newer, Invalid };

struct VersionInfo {
    VersionStatus status = VersionStatus::Invalid;
    std::string releaseName;     // line 2, for a newer release
    std::string downloadAddress; // line 3, for a newer release

    bool operator==(const VersionInfo&) const = default;
};

// Line 1 must be a whole number; above kReleaseNumber the release is newer, and then
// line 3 must be a web address (http or https), because the user's system opens it.
// CR LF, LF and CR end lines; a missing line reads as empty.
VersionInfo parseVersionInfo(std::string_view bytes);

// The lines the update window adds for the outcome.
std::vector<std::string> versionInfoLines(const VersionInfo& info);

} // namespace tarvenik
