#pragma once
// The content sources and what they become: each function checks one UTF-8 source and
// returns its runtime form, adding every fault it finds to `problems` with the source
// line, so one run of the generator lists them all.

#include "data/dreams.h"
#include "data/names.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik::mkdata {

struct Problem {
    std::size_t line; // 1-based; 0 for the file as a whole
    std::string reason;
};
using Problems = std::vector<Problem>;

// Reports malformed UTF-8 and every character Windows-1250 cannot hold (the first per line).
void checkEncodable(std::string_view utf8, Problems& problems);

// Windows-1250 bytes, every line ended by CR LF.
std::string runtimeText(std::string_view utf8);

// The records of "Data/Jména/<letter>.txt": blocks of twelve "key: value" lines separated
// by empty lines, in the order jméno ... zdroj.
std::vector<NameRecord> parseNamesSource(std::string_view utf8, char letter, Problems& problems);

// The lines of "Data/Sny/<letter>.txt", already in the runtime line format.
std::vector<DreamLine> parseDreamsSource(std::string_view utf8, Problems& problems);

} // namespace tarvenik::mkdata
