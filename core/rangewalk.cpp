#include "core/rangewalk.h"

#include "platform/DateTime.h"

namespace tarvenik {

std::string walkRanges(std::span<const SignRange> rows, int year, int month, int day) {
    // The check keeps "30 February" or "29 February 2001" from landing in a neighbouring row.
    if (!isValidDate(year, month, day)) {
        return {};
    }
    std::string_view found;
    for (const SignRange& row : rows) {
        if (rangeContains(row, month, day)) {
            found = row.name;
        }
    }
    return std::string(found);
}

} // namespace tarvenik
