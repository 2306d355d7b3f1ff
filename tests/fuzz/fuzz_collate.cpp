// Any bytes as up to 8 texts (split at the piece separator) in Czech alphabetical order:
// the order must be total and strict, since the lists sort with it, and a sort by it must
// leave the texts in order.
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
            for (const std::string_view c : texts) {
                check(!(ab < 0 && czechCompare(b, c) < 0) || czechCompare(a, c) < 0);
            }
        }
    }
    std::sort(texts.begin(), texts.end(), tarvenik::czechLess);
    check(std::is_sorted(texts.begin(), texts.end(), tarvenik::czechLess));
    return 0;
}
