// Any bytes as a downloaded version information file: the parse never fails, and an offer
// of a newer release always carries a web address, the only kind the window opens.
#include "data/versioninfo.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const VersionInfo info =
        parseVersionInfo(std::string_view(reinterpret_cast<const char*>(data), size));
    if (info.status == VersionStatus::Newer) {
        std::string scheme = info.downloadAddress.substr(0, info.downloadAddress.find("://"));
        for (char& c : scheme) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (scheme != "http" && scheme != "https") {
            std::abort();
        }
    }
    if (info.status != VersionStatus::Newer &&
        (!info.releaseName.empty() || !info.downloadAddress.empty())) {
        std::abort();
    }
    if (versionInfoLines(info).empty()) {
        std::abort();
    }
    return 0;
}
