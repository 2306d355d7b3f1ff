#include "data/savedtext.h"

#include "platform/text.h"

namespace tarvenik {

SavedText savedTextOf(const std::filesystem::path& chosen) {
    const std::string suffix = chosen.extension().string();
    if (suffix.empty()) {
        std::filesystem::path withSuffix = chosen;
        withSuffix += ".rtf";
        return {withSuffix, SavedTextFormat::Rtf};
    }
    return {chosen, asciiUpper(suffix) == ".PDF" ? SavedTextFormat::Pdf : SavedTextFormat::Rtf};
}

} // namespace tarvenik
