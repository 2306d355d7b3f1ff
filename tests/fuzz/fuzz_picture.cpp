// Any bytes as a picture of one format (PICTURE_DECODER: decodeBmp, decodeJpeg or
// decodePng): decoding must either fail with a reason or give a picture whose pixel buffer
// has exactly the size it claims, and never crash or leak.
#include "platform/picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    // A lower ceiling than the program's keeps each run within the fuzzer's memory limit;
    // the size checks themselves are the same code.
    const PictureLimits limits{4096, std::size_t{32} << 20};
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto r = PICTURE_DECODER(bytes, "fuzz", limits);
    if (r) {
        const auto& p = *r;
        if (p.width <= 0 || p.height <= 0 ||
            p.rgba.size() !=
                static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 4) {
            std::abort();
        }
    } else if (r.error().where != "fuzz" || r.error().reason.empty()) {
        std::abort();
    }
    return 0;
}
