// Any bytes through the Windows-1250 decoder, and any bytes as UTF-8 through the encoder
// and the case mappings: never a crash, and the decoder's output always re-encodes to the
// same number of bytes.
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = decode1250(bytes);
    if (encode1250(utf8).size() != size || charCount(utf8) != size) {
        std::abort();
    }
    const std::string upper = fullUpper(utf8);
    if (charCount(upper) != size) {
        std::abort();
    }
    (void)encode1250(bytes); // the raw bytes as (often malformed) UTF-8
    (void)fullUpper(bytes);
    (void)cutChars(bytes, size / 2);
    return 0;
}
