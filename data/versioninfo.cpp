#include "data/versioninfo.h"

#include "data/version.h"
#include "platform/text.h"

#include <charconv>

namespace tarvenik {

namespace {

bool isWebAddress(std::string_view address) {
    const std::string upper = asciiUpper(address);
    for (std::string_view scheme : {"HTTP://", "HTTPS://"}) {
        if (upper.size() > scheme.size() && upper.starts_with(scheme)) {
            return true;
        }
    }
    return false;
}

} // namespace

VersionInfo parseVersionInfo(std::string_view bytes) {
    const std::vector<std::string> lines = splitTextLines(bytes);
    const auto line = [&lines](std::size_t i) {
        return i < lines.size() ? decode1250(lines[i]) : std::string();
    };

    // Blanks around the number or the address are an editing slip, not a different value.
    const std::string first(trimBlanks(line(0)));
    long long release = 0;
    const auto [end, error] = std::from_chars(first.data(), first.data() + first.size(), release);
    if (first.empty() || error != std::errc() || end != first.data() + first.size()) {
        return {};
    }
    if (release <= kReleaseNumber) {
        return {VersionStatus::UpToDate, {}, {}};
    }
    std::string address(trimBlanks(line(2)));
    if (!isWebAddress(address)) {
        return {};
    }
    return {VersionStatus::Newer, line(1), std::move(address)};
}

std::vector<std::string> versionInfoLines(const VersionInfo& info) {
    switch (info.status) {
    case VersionStatus::UpToDate:
        return {"Používáte nejnovější verzi programu!"};
    case VersionStatus::Newer:
        return {"Je dostupná nová verze programu!", "---",
                std::string("Vaše verze: ") + kVersionText + " (" + kReleaseDate + ")",
                "Nová verze: " + info.releaseName};
    case VersionStatus::Invalid:
        break;
    }
    return {"Server vrátil neplatné informace o verzi."};
}

} // namespace tarvenik
