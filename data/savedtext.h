#pragma once
// How a shown text is saved: the name chosen in the save dialog decides the format.

#include <filesystem>
#include <string_view>

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

// True when `bytes` are a whole PDF file: they start with "%PDF-" and end with the "%%EOF"
// marker (line ends and blanks after it aside). A printer that could not write all of its
// file leaves the marker out.
bool isCompletePdf(std::string_view bytes);

} // namespace tarvenik
