#pragma once
// The dream dictionary: 26 letter files "Data/Sny/SnyX.txt", Windows-1250 with CR LF, one
// line "title;refinement;meaning;source;" per dream variant. Adjacent lines with the same
// title form one entry. The writer is the generator's; the program only reads.

#include "platform/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvenik {

inline constexpr std::size_t kDreamTitleChars = 30;
inline constexpr std::size_t kDreamRefinementChars = 50;
inline constexpr std::size_t kDreamSourceChars = 50;

// One line as read: the title in full (the list shows it so), the refinement and source
// cut to their limits, ",," in the meaning turned back into ";".
struct DreamLine {
    std::string title;
    std::string refinement;
    std::string meaning;
    std::string source;

    bool operator==(const DreamLine&) const = default;
};

struct DreamSubEntry {
    std::string refinement;
    std::string meaning;
    std::string source;

    bool operator==(const DreamSubEntry&) const = default;
};

struct DreamEntry {
    std::string title; // in full
    std::vector<DreamSubEntry> subEntries;

    // The title as stored, cut to 30 characters: the card, the file name and the search use it.
    std::string storedTitle() const;
    bool operator==(const DreamEntry&) const = default;
};

// A field ends at the next ";". A field without its ";" is empty and takes nothing from
// the line, so a missing closing ";" leaves an empty source; text after the fourth ";"
// is ignored.
DreamLine parseDreamLine(std::string_view line);
// Windows-1250 bytes to lines; see splitTextLines in platform/text.h for the line rule.
std::vector<DreamLine> parseDreamFile(std::string_view bytes);

// Groups lines into entries in order. A line whose title equals the previous line's
// joins that line's entry; the first line is compared with an empty title, so empty-titled
// lines at the start belong to no entry. A search keeps one grouper over all letters.
class DreamGrouper {
public:
    // The index of the entry the line went to, or nothing when it belongs to none.
    std::optional<std::size_t> add(const DreamLine& line);
    const std::vector<DreamEntry>& entries() const { return m_entries; }
    std::vector<DreamEntry> takeEntries() { return std::move(m_entries); }

private:
    std::string m_lastTitle;
    std::vector<DreamEntry> m_entries;
};

std::vector<DreamEntry> groupDreamEntries(const std::vector<DreamLine>& lines);

// application folder + "Data/Sny/Sny" + letter + ".txt"; letter is A-Z.
std::filesystem::path dreamFilePath(const std::filesystem::path& appFolder, char letter);

Result<std::vector<DreamLine>> readDreamFile(const std::filesystem::path& path);
Result<std::vector<DreamEntry>> loadDreamLetter(const std::filesystem::path& appFolder,
                                                char letter);

// The line as the file holds it (without its line end), or why it cannot be written so
// that the reader gets it back unchanged: an empty or over-long title, an over-long
// refinement or source, a ";" outside the meaning, a line break, or commas in the meaning
// that would read back as ";".
Result<std::string> formatDreamLine(const DreamLine& line);
// Whole file bytes: Windows-1250, every line ended by CR LF. The error names the line.
Result<std::string> encodeDreamFile(const std::vector<DreamLine>& lines);

} // namespace tarvenik
