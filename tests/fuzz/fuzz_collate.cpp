// Any bytes as up to 8 texts (split at the piece separator) in Czech alphabetical order:
// the order must be total, strict and transitive, since the lists sort with it.
#include "fuzzfolder.h"
#include "platform/collate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

using fuzz::check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tarvenik::czechCompare;
    std::size_t given = 0;
    auto texts =
        fuzz::splitPieces(std::string_view(reinterpret_cast<const char*>(data), size), 8, &given);
    texts.resize(given);
    for (const std::string_view a : texts) {
        for (const std::string_view b : texts) {
            const int ab = sign(czechCompare(a, b));
            check(ab == -sign(czechCompare(b, a)) && (ab == 0) == (a == b));
        }
    }
    // Sorted, every text comes before every later one, not only its neighbour: a
    // comparison that is not transitive fails here.
    std::sort(texts.begin(), texts.end(), tarvenik::czechLess);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            check(czechCompare(texts[i], texts[j]) <= 0);
        }
    }
    return 0;
}
