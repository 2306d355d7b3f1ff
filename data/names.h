#pragma once
// The names dictionary: 26 letter files "Data/Jména/JménaX.dat" of fixed-size records.
// A record is twelve fields, each a length byte and the field's maximum number of
// Windows-1250 bytes; the reader and the writer below are the only code that knows it.

#include "platform/result.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

inline constexpr std::size_t kNameRecordSize = 527;

struct NameRecord {
    std::string name;          // jméno
    std::string kind;          // "mužské" or "ženské"
    std::string counterpart;   // the male or female form
    std::string domesticForms; // pet names, searched by nameRecordOf's second pass
    std::string origin;
    std::string meaning;
    std::string usage;
    std::string variantOf;
    std::string nameDay; // "24.12."
    std::string calendar;
    std::string otherForms;
    std::string source;

    bool operator==(const NameRecord&) const = default;
};

struct NameField {
    std::string NameRecord::*member;
    std::size_t maxChars;
};

// The fields in record order with their capacities; the record is the sum of
// (1 + maxChars) over them, 527 bytes.
inline constexpr std::array<NameField, 12> kNameFields{{
    {&NameRecord::name, 20},
    {&NameRecord::kind, 6},
    {&NameRecord::counterpart, 30},
    {&NameRecord::domesticForms, 150},
    {&NameRecord::origin, 30},
    {&NameRecord::meaning, 150},
    {&NameRecord::usage, 23},
    {&NameRecord::variantOf, 20},
    {&NameRecord::nameDay, 6},
    {&NameRecord::calendar, 30},
    {&NameRecord::otherForms, 30},
    {&NameRecord::source, 20},
}};

// The values the filter dialog offers for origin, usage and calendar, compared byte for
// byte with the record fields; "---" is a value like any other.
inline constexpr std::array<const char*, 34> kNameOrigins{
    "---",          "anglický",   "arabský",       "aramejský (biblické jméno)",
    "babylónský",   "baskický",   "bulharský",     "český",
    "francouzský",  "germánský",  "hebrejský",     "hebrejský (biblické jméno)",
    "holandský",    "italský",    "jihoslovanský", "keltský",
    "latinský",     "maďarský",   "mongolský",     "nejasný",
    "německý",      "orientální", "polský",        "románský",
    "ruský",        "různý",      "řecký",         "severský",
    "skandinávský", "slovanský",  "slovenský",     "španělský",
    "švédský",      "turecký"};
inline constexpr std::array<const char*, 8> kNameUsages{
    "---",           "nevžilo se",    "ojediněle",      "vyjímečně",
    "řídce užíváno", "běžně užíváno", "velmi oblíbené", "patří k nejoblíbenějším"};
inline constexpr std::array<const char*, 15> kNameCalendars{
    {"---", "cizí kalendář", "evangelický kalendář", "francouzský kalendář", "italský kalendář",
     "katolický kalendář", "maďarský kalendář", "německý kalendář", "polský kalendář",
     "pravoslavný kalendář", "slovenský kalendář", "srbský kalendář", "starší evangelický kalendář",
     "starší kalendář", "USA kalendář"}};

// One record as its 527 bytes; each field is cut to its capacity.
std::string encodeNameRecord(const NameRecord& record);
// Exactly kNameRecordSize bytes. A length byte above the field's capacity reads as the
// capacity, so no record can reach into its neighbour.
NameRecord decodeNameRecord(std::string_view bytes);
// Every whole record in order; a partial record at the end is ignored.
std::vector<NameRecord> decodeNameRecords(std::string_view bytes);
std::string encodeNameRecords(const std::vector<NameRecord>& records);

// The letter of the file that holds names starting with `first`: the whole-alphabet
// upper case, with Č Ď Ň Ř Š Ť Ž filed under their plain letters. Accented vowels stay
// as they are and have no file.
std::string nameLetter(char32_t first);

// application folder + "Data/Jména/Jména" + letter + ".dat"
std::filesystem::path nameFilePath(const std::filesystem::path& appFolder, std::string_view letter);

Result<std::vector<NameRecord>> readNameFile(const std::filesystem::path& path);
Result<void> writeNameFile(const std::filesystem::path& path,
                           const std::vector<NameRecord>& records);

// A record whose name is `firstName` cut to 20 characters and every other field "---".
NameRecord substituteNameRecord(std::string_view firstName);

// The person's record: the first whose name equals `firstName` with only a-z folded,
// else the first whose domestic forms contain it (folded the same way), else the
// substitute. An error when the letter file cannot be read: NotFound when the first
// character has no file (Á, a digit) or the file is missing; the caller then shows its
// message and uses the substitute.
Result<NameRecord> nameRecordOf(const std::filesystem::path& appFolder, std::string_view firstName);

} // namespace tarvenik
