// Any bytes as a names letter file: every record decodes within its fields' capacities,
// and writing the decoded records and reading them again changes nothing more.
#include "data/names.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto records = decodeNameRecords(bytes);
    if (records.size() != size / kNameRecordSize) {
        std::abort();
    }
    for (const NameRecord& r : records) {
        for (const NameField& f : kNameFields) {
            if (charCount(r.*f.member) > f.maxChars) {
                std::abort();
            }
        }
    }
    // Unused code-page bytes read as U+FFFD and write back as '?', so compare from the
    // second writing on.
    const std::string once = encodeNameRecords(records);
    if (once.size() != records.size() * kNameRecordSize ||
        encodeNameRecords(decodeNameRecords(once)) != once) {
        std::abort();
    }
    return 0;
}
