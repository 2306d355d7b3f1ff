// Any bytes as a profile file: reading, every lookup, a write and a re-read must hold
// together and never crash.
#include "platform/ini.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::fromBytes(bytes);
    const auto sections = doc.sectionNames();
    for (const auto& s : sections) {
        (void)doc.readInteger(s, "Pohlavi", -1);
        (void)doc.value(s, "Jmeno");
    }
    if (!sections.empty()) {
        doc.write(sections.front(), "Jmeno", "Eva");
        const IniDocument back = IniDocument::fromBytes(doc.toBytes());
        // Bytes the code page leaves unused come back as '?', so look up the name as the
        // file now spells it.
        const std::string saved = decode1250(encode1250(sections.front()));
        if (back.value(saved, "Jmeno") != "Eva") {
            std::abort();
        }
        doc.eraseSection(sections.front());
        if (doc.hasSection(sections.front())) {
            std::abort();
        }
    }
    return 0;
}
