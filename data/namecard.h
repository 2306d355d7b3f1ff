#pragma once
// The lines of a name record's card, shared by the names dictionary and the report's name
// card: each field from kind of name to other forms under its label, each followed by an
// empty line, and the source last with no empty line after it.

#include "data/names.h"
#include "platform/rich.h"

#include <string>
#include <vector>

namespace tarvenik {

// "  Druh jména:   mužské", "", "  Mužská/ženská podoba:   ---", "", ..., "  Zdroj: ..."
std::vector<std::string> nameCardLines(const NameRecord& record);

// The names dictionary's card: a 4 pt spacer, the name centred at 17 pt, a centred rule of
// 105 underscores at 5 pt, an empty 10 pt line, then the card's lines at 10 pt, each label
// bold through its colon.
RichDoc nameDictionaryCard(const NameRecord& record);

} // namespace tarvenik
