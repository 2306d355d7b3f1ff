#pragma once
// Czech alphabetical order, for lists the user reads as sorted: č after c, ř after r, š
// after s, ž after z, "ch" a letter of its own after h. Accents that are no letters of their
// own (á, ď, é, ě, í, ň, ó, ť, ú, ů, ý) only break ties between otherwise equal words, as
// does case (lower before upper). Blanks and punctuation come before digits, digits before
// letters, so "Čínský" precedes "Čínský císařský".

#include <string_view>

namespace tarvenik {

// Negative, zero or positive as `a` sorts before, with or after `b`. Zero only for equal
// texts, so the order is total.
int czechCompare(std::string_view a, std::string_view b);

inline bool czechLess(std::string_view a, std::string_view b) {
    return czechCompare(a, b) < 0;
}

} // namespace tarvenik
