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

bool isCompletePdf(std::string_view bytes) {
    const auto last = bytes.find_last_not_of(" \t\r\n\f");
    return bytes.starts_with("%PDF-") && last != std::string_view::npos &&
           bytes.substr(0, last + 1).ends_with("%%EOF");
}

} // namespace tarvenik
