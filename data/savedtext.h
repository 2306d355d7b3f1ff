#pragma once
// How a shown text is saved: the name chosen in the save dialog decides the format.

#include <filesystem>

namespace tarvenik {

enum class SavedTextFormat { Rtf, Pdf };

struct SavedText {
    std::filesystem::path path;
    SavedTextFormat format = SavedTextFormat::Rtf;
    bool operator==(const SavedText&) const = default;
};

// A name without a suffix gets ".rtf", the default format; ".pdf" in any letter case
// means PDF; any other suffix is kept and the text is written as RTF.
SavedText savedTextOf(const std::filesystem::path& chosen);

} // namespace tarvenik
