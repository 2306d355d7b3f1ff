#pragma once
// vCard files, the format in which phones and address books exchange contacts. Reading
// takes versions 2.1, 3.0 and 4.0 as their programs write them: several cards in a file,
// folded lines, quoted-printable values, CHARSET parameters; of a card it uses N, FN, BDAY
// and GENDER (or X-GENDER) and ignores the rest. Writing gives vCard 4.0 in UTF-8.

#include "data/persons.h"
#include "platform/result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

// Why a whole card was left out.
enum class CardSkip {
    NoBirthDate,
    NoBirthYear,  // only a month and a day ("--03-05")
    BadBirthDate, // neither a date nor a date with a time, or an impossible one
    FutureBirthDate,
    NoName,          // the first name or the surname is missing
    NameNotStorable, // letters that Windows-1250, and so Udaje.ini, cannot hold
    UnknownCharset,
};

// "bez data narození", ... as the import report lists the reasons.
const char* cardSkipText(CardSkip skip);

struct VCardCards {
    std::vector<Person> persons;   // the usable cards in file order
    std::vector<CardSkip> skipped; // one entry per card left out
};

// Larger files are refused before they are read. Contacts without photos take a few
// hundred bytes each, so this is room for tens of thousands.
inline constexpr std::uintmax_t kVCardMaxBytes = 8 * 1024 * 1024;

// The cards in a file's bytes. Bytes that are no vCard file (binary data, text outside the
// cards, no card at all) or a damaged one (a card without its end) are an error whose
// reason is Czech text; a card that is whole but unusable is skipped and counted. Names
// longer than a person's name may be are cut to that length.
Result<VCardCards> parseVCards(std::string_view bytes);
// The same for a file; the error names the file.
Result<VCardCards> readVCardFile(const std::filesystem::path& file);

// vCard 4.0 with N, FN, BDAY (with the time when the exact time is known) and GENDER (when
// the sex is set), CR LF line ends, lines folded at 75 bytes.
std::string formatVCards(const std::vector<Person>& persons);

} // namespace tarvenik
