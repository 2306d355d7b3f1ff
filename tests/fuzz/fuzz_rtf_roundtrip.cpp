// Whatever the reader makes of any bytes, the writer must put into RTF that reads back to
// the same document, and writing that again must give the same bytes.
#include "platform/rich.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Result<RichDoc> first = readRtf(bytes);
    if (!first) {
        return 0;
    }
    const std::string written = writeRtf(*first);
    const Result<RichDoc> second = readRtf(written);
    if (!second || !(*second == *first)) {
        std::fprintf(stderr, "round trip changed the document; written:\n%s\n", written.c_str());
        std::abort();
    }
    if (writeRtf(*second) != written) {
        std::abort();
    }
    return 0;
}
