#include "data/namecard.h"

#include <array>
#include <utility>

namespace tarvenik {

std::vector<std::string> nameCardLines(const NameRecord& r) {
    // The labels keep their blanks exactly: two before, three after the colon.
    const std::array<std::pair<const char*, const std::string*>, 10> fields{{
        {"  Druh jména:   ", &r.kind},
        {"  Mužská/ženská podoba:   ", &r.counterpart},
        {"  Domácí podoby:   ", &r.domesticForms},
        {"  Původ:   ", &r.origin},
        {"  Význam:   ", &r.meaning},
        {"  Používá se:   ", &r.usage},
        {"  Jde o variantu jména:   ", &r.variantOf},
        {"  Jmeniny:   ", &r.nameDay},
        {"  Kalendář:   ", &r.calendar},
        {"  Jiné podoby jména:   ", &r.otherForms},
    }};
    std::vector<std::string> lines;
    for (const auto& [label, value] : fields) {
        lines.push_back(label + *value);
        lines.emplace_back();
    }
    lines.push_back("  Zdroj: " + r.source);
    return lines;
}

RichDoc nameDictionaryCard(const NameRecord& r) {
    const auto sized = [](int halfPoints) {
        CharStyle style;
        style.halfPoints = halfPoints;
        return style;
    };
    RichDoc doc;
    appendLine(doc, "", sized(8));
    appendLine(doc, r.name, sized(34), Alignment::Center);
    appendLine(doc, std::string(105, '_'), sized(10), Alignment::Center);
    appendLine(doc, "");
    for (const std::string& line : nameCardLines(r)) {
        appendLine(doc, line);
    }
    boldLabels(doc);
    return doc;
}

} // namespace tarvenik
