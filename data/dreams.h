#pragma once
// The dream dictionary: 26 letter files "Data/Sny/SnyX.txt", Windows-1250 with CR LF, one
// line "title;refinement;meaning;source;" per dream variant. Adjacent lines with the same
// title form one entry. The writer is the generator's; the program only reads: one letter
// for browsing (loadDreamLetter), all 26 in turn for a search (Hledej).

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
    enum class Place {
        None,    // an untitled line before the first entry
        New,     // the line starts an entry
        Current, // the line joins the entry of the line before
    };
    // Where a line with this title goes; the grouper remembers the title for the next line.
    Place place(std::string_view title);

    // Places the line and keeps it: the index of the entry it went to, or nothing.
    std::optional<std::size_t> add(DreamLine line);
    const std::vector<DreamEntry>& entries() const { return m_entries; }
    std::vector<DreamEntry> takeEntries() { return std::move(m_entries); }

private:
    std::string m_lastTitle;
    bool m_started = false;
    std::vector<DreamEntry> m_entries;
};

std::vector<DreamEntry> groupDreamEntries(std::vector<DreamLine> lines);

// The letters A to Z, one file each, in the order of the letter list and of a search.
inline constexpr std::string_view kDreamLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The letter list's item for a letter: "  A  ".
std::string dreamLetterItem(char letter);

// application folder + "Data/Sny/Sny" + letter + ".txt"; letter is A-Z.
std::filesystem::path dreamFilePath(const std::filesystem::path& appFolder, char letter);

Result<std::vector<DreamLine>> readDreamFile(const std::filesystem::path& path);
// Browsing: the entries of one letter file, every one of them, in file order.
Result<std::vector<DreamEntry>> loadDreamLetter(const std::filesystem::path& appFolder,
                                                char letter);

// The count under the entry list after browsing or a search: "Nalezeno 12 záznamů.".
std::string dreamCountText(std::size_t count);

enum class DreamField { Title, Refinement, Meaning, Source };

struct DreamSearch {
    std::string text;
    bool exact = false;         // the whole field equals the text, else the text occurs in it
    bool caseSensitive = false; // else only a to z are folded, so "šnek" misses "Šnek"
    std::vector<DreamField> fields;
};

// "Není co hledat!" for an empty text or no field, nothing when the search can run.
std::optional<std::string> dreamSearchRefusal(const DreamSearch& search);

// At least one of the search's fields of the line matches its text. The title is compared
// as stored (30 characters), the meaning with its ";" restored.
bool dreamLineMatches(const DreamLine& line, const DreamSearch& search);

// Hledej: reads the letter files A to Z in turn and groups their lines as one run, so an
// entry whose title goes on at the top of the next letter stays one entry. Every entry with
// at least one matching line is returned once, whole, in file order; the first file that
// cannot be read ends the search with its error.
Result<std::vector<DreamEntry>> Hledej(const std::filesystem::path& appFolder,
                                       const DreamSearch& search);

// The line as the file holds it (without its line end), or why it cannot be written so
// that the reader gets it back unchanged: an empty or over-long title, an over-long
// refinement or source, a ";" outside the meaning, a line break, or commas in the meaning
// that would read back as ";".
Result<std::string> formatDreamLine(const DreamLine& line);
// Whole file bytes: Windows-1250, every line ended by CR LF. The error names the line.
Result<std::string> encodeDreamFile(const std::vector<DreamLine>& lines);

} // namespace tarvenik
