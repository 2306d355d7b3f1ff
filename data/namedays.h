#pragma once
// The name-day calendar: Svatky.ini (standard) and SvatkyEx.ini (extended), both a
// "[Svátky]" header line followed by "d.m.=names" lines. Every call reads the file again;
// nothing is cached. A missing file is an error of kind NotFound; what to show for it is
// each caller's own text.

#include "platform/DateTime.h"
#include "platform/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

enum class NameDayFile { Standard, Extended };

inline constexpr const char* kNameDaySection = "Svátky";

const char* nameDayFileName(NameDayFile file); // "Svatky.ini" or "SvatkyEx.ini"
std::filesystem::path nameDayPath(const std::filesystem::path& appFolder, NameDayFile file);

// "d.m." without leading zeros: 1.1., 29.2., 24.12.
std::string nameDayKey(DateTime date);

struct NameDayEntry {
    std::string key;   // text before the first '='; empty when the line has none
    std::string names; // text after the first '='
    bool operator==(const NameDayEntry&) const = default;
};

struct DayMonth {
    int day = 0;
    int month = 0;
    bool operator==(const DayMonth&) const = default;
};

// Day and month of a key of the form "d.m." that is a real day of the leap year 2000;
// empty for anything else (the header line, "32.1.", "1.1.x").
std::optional<DayMonth> parseNameDayKey(std::string_view key);

// Today's holders from Svatky.ini: the names text, or nothing when the day's key is absent.
Result<std::optional<std::string>> namesForDate(const std::filesystem::path& appFolder,
                                                DateTime date);

struct NameDayMatches {
    std::optional<DayMonth> first;  // the person's name day
    std::optional<DayMonth> second; // the partner's; never found for an empty name
};

// Name days of one or two first names over one reading of Svatky.ini. A line matches
// when the name (whole-alphabet upper case) occurs anywhere in it; a line whose names are
// just that name beats one holding it as a word, which beats one holding it only inside a
// longer name; among equals the last line with a valid date key wins. An empty name
// matches nothing.
Result<NameDayMatches> nameDayOfName(const std::filesystem::path& appFolder,
                                     std::string_view firstName, std::string_view secondName = {});

// Every line but the header, in file order, split at its first '='.
Result<std::vector<NameDayEntry>> loadNameDayEntries(const std::filesystem::path& appFolder,
                                                     NameDayFile file);

enum class NameDayField { Names, Date };

struct NameDayQuery {
    NameDayField field = NameDayField::Names;
    std::string text;
    bool exact = false;
    bool caseSensitive = false;
};

// The entries that match the query, in their order. Case-blind comparison folds a-z only.
std::vector<NameDayEntry> filterNameDayEntries(std::vector<NameDayEntry> entries,
                                               const NameDayQuery& query);
Result<std::vector<NameDayEntry>> filterNameDayEntries(const std::filesystem::path& appFolder,
                                                       NameDayFile file, const NameDayQuery& query);

} // namespace tarvenik
