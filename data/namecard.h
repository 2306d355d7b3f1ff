#pragma once
// The lines of a name record's card, shared by the names dictionary and the report's name
// card: each field from kind of name to other forms under its label, each followed by an
// empty line, and the source last with no empty line after it.

#include "data/names.h"

#include <string>
#include <vector>

namespace tarvenik {

// "  Druh jména:   mužské", "", "  Mužská/ženská podoba:   ---", "", ..., "  Zdroj: ..."
std::vector<std::string> nameCardLines(const NameRecord& record);

} // namespace tarvenik
