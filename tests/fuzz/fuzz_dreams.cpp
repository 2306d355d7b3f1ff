// Any bytes as a dream letter file: lines parse within their limits, group into entries
// without losing a line that belongs to one, and every line the writer accepts reads back
// unchanged.
#include "data/dreams.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = parseDreamFile(bytes);
    if (lines.size() != splitTextLines(bytes).size()) {
        std::abort();
    }
    std::size_t grouped = 0;
    std::size_t leading = 0; // empty-titled lines at the start belong to no entry
    while (leading < lines.size() && lines[leading].title.empty()) {
        ++leading;
    }
    for (const DreamEntry& e : groupDreamEntries(lines)) {
        grouped += e.subEntries.size();
        if (charCount(e.storedTitle()) > kDreamTitleChars) {
            std::abort();
        }
    }
    if (grouped + leading != lines.size()) {
        std::abort();
    }
    for (const DreamLine& line : lines) {
        if (charCount(line.refinement) > kDreamRefinementChars ||
            charCount(line.source) > kDreamSourceChars) {
            std::abort();
        }
        const auto written = formatDreamLine(line);
        if (written && !(parseDreamLine(*written) == line)) {
            std::abort();
        }
    }
    return 0;
}
