#include "data/dreamcard.h"

namespace tarvenik {

namespace {

CharStyle sized(int halfPoints) {
    CharStyle style;
    style.halfPoints = halfPoints;
    return style;
}

} // namespace

RichDoc dreamCard(const DreamEntry& entry) {
    CharStyle refinement;
    refinement.bold = true;
    CharStyle source = sized(16);
    source.color = kSilver;

    RichDoc doc;
    appendLine(doc, "", sized(8));
    appendLine(doc, entry.storedTitle(), sized(34), Alignment::Center);
    appendLine(doc, std::string(105, '_'), sized(10), Alignment::Center);
    appendLine(doc, "");
    for (std::size_t i = 0; i < entry.subEntries.size(); ++i) {
        const DreamSubEntry& sub = entry.subEntries[i];
        if (i > 0) {
            appendLine(doc, "");
            appendLine(doc, "");
        }
        appendLine(doc, "  " + sub.refinement + ": ", refinement);
        appendLine(doc, "   -- " + sub.meaning);
        appendLine(doc, "    " + sub.source, source);
    }
    return doc;
}

} // namespace tarvenik
