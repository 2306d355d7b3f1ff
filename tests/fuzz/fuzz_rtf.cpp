// Any bytes as an RTF file: reading must end, without a crash, in a document or an error,
// and everything a window does with a read document must hold up too.
#include "platform/rich.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Result<RichDoc> read = readRtf(bytes);
    if (!read) {
        return 0;
    }
    RichDoc doc = std::move(read).value();
    for (const Paragraph& p : doc.paragraphs) {
        for (std::size_t i = 0; i < p.runs.size(); ++i) {
            if (p.runs[i].text.empty() || (i > 0 && p.runs[i - 1].style == p.runs[i].style)) {
                std::abort(); // runs must come out normalised
            }
        }
    }
    (void)writeRtf(doc);
    boldLabels(doc);
    setSize(doc, {0, 3, 40}, 8);
    if (!doc.paragraphs.empty()) {
        replaceParagraph(doc, doc.paragraphs.size() - 1, "Znamení");
        deleteParagraph(doc, 0);
    }
    (void)plainText(doc);
    return 0;
}
