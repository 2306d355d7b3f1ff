#pragma once
// The release this build is. The about box shows it and the update check compares the
// published release number with it, so both read it from here.

namespace tarvenik {

inline constexpr int kReleaseNumber = 23;
inline constexpr const char* kVersionText = "0.2.3";
inline constexpr const char* kReleaseDate = "10.1.2008";

} // namespace tarvenik
