#pragma once
// What the names window lists. The filter dialog's settings decide which records pass
// (passesNameFilter); a letter is listed with or without them (browseNameLetter); the
// search window's settings drive hledej over all 26 letter files. The windows collect the
// settings and show the records that come back; these functions never touch a window.

#include "data/names.h"
#include "platform/result.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

// The letters of the names window's list, in its order; one file each.
inline constexpr std::string_view kNameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The filter dialog's kind-of-name group: "Mužská i ženská", "Mužská", "Ženská".
enum class NameKindChoice { Both, Male, Female };

template <std::size_t N> constexpr std::array<bool, N> allTicked() {
    std::array<bool, N> ticked{};
    ticked.fill(true);
    return ticked;
}

// The filter dialog's state: flag i ticks item i of kNameOrigins, kNameUsages and
// kNameCalendars (data/names.h), whose texts are compared with the record's fields. Every
// item starts ticked.
struct NameFilter {
    NameKindChoice kind = NameKindChoice::Both;
    std::array<bool, kNameOrigins.size()> origins = allTicked<kNameOrigins.size()>();
    std::array<bool, kNameUsages.size()> usages = allTicked<kNameUsages.size()>();
    std::array<bool, kNameCalendars.size()> calendars = allTicked<kNameCalendars.size()>();

    bool operator==(const NameFilter&) const = default;
};

// Four steps, each carrying the verdict of the one before: the kind, then origin, usage
// and calendar, where a field equal to an item takes that item's tick and a field equal
// to no item keeps the verdict as it was. The record passes when all four steps end true.
bool passesNameFilter(const NameRecord& record, const NameFilter& filter);

// The search window's state; flag i of `fields` stands for kNameFields[i], all ticked at
// first.
struct NameSearch {
    std::string text;
    bool exact = false;         // the whole field, not a part of it
    bool caseSensitive = false; // otherwise only a-z fold, accented letters never do
    bool useFilter = false;
    std::array<bool, kNameFields.size()> fields = allTicked<kNameFields.size()>();
};

// False for an empty text or no field ticked: the window says "Není co hledat!" instead.
bool hasSomethingToSearch(const NameSearch& search);

// Records in list order, and the file error that stopped the listing, if one did: the
// records are those found before it.
struct NameListing {
    std::vector<NameRecord> records;
    std::optional<Error> error;
};

// The letter file's records in file order, only those that pass `filter` when it is given.
// A record cut short at the end of the file, or a damaged one (a length byte above its
// field's capacity), is an error after the sound records before it.
NameListing browseNameLetter(const std::filesystem::path& appFolder, std::string_view letter,
                             const NameFilter* filter);

// Every record of the letters A to Z, in letter and file order, in which the search text
// matches at least one ticked field, and which passes `filter` when the search uses it.
// A letter file that is missing or cannot be read ends the search with its error. Nothing
// is read when there is nothing to search.
NameListing hledej(const std::filesystem::path& appFolder, const NameSearch& search,
                   const NameFilter& filter);

// "Nalezeno 12 záznamů."
std::string nameCountText(std::size_t count);

} // namespace tarvenik
