#include "core/horoscopetexts.h"

#include "core/calendarwords.h"
#include "core/chinese.h"
#include "platform/text.h"

#include <string>
#include <vector>

namespace tarvenik {

namespace {

constexpr std::size_t kImperialSections = 7;
constexpr std::size_t kMonthSections = 12;

std::vector<std::size_t> markerIndexes(const RichDoc& doc, std::size_t wanted) {
    std::vector<std::size_t> markers;
    for (std::size_t i = 0; i < doc.paragraphs.size() && markers.size() < wanted; ++i) {
        if (isSectionMarker(paragraphText(doc, i))) {
            markers.push_back(i);
        }
    }
    return markers;
}

// Keeps the paragraphs before the first marker and those strictly between marker k and
// the next one (all after the last one for the final section). Deletes from the end, so
// the collected indexes stay valid.
void keepSection(RichDoc& doc, const std::vector<std::size_t>& markers, std::size_t k) {
    const std::size_t from = markers[k - 1] + 1;
    const std::size_t to = k < markers.size() ? markers[k] : doc.paragraphs.size();
    for (std::size_t i = doc.paragraphs.size(); i-- > markers.front();) {
        if (i < from || i >= to) {
            deleteParagraph(doc, i);
        }
    }
}

} // namespace

bool isSectionMarker(std::string_view text) {
    return text.find("===") != std::string_view::npos;
}

void imperialCut(RichDoc& doc, std::string_view season, std::string_view animal) {
    const auto group = imperialGroup(season, animal);
    const std::vector<std::size_t> markers = markerIndexes(doc, kImperialSections);
    if (!group || markers.size() < kImperialSections) {
        return;
    }
    keepSection(doc, markers, static_cast<std::size_t>(*group));

    const std::size_t first = markers.front();
    if (first >= doc.paragraphs.size()) {
        return; // an empty section: nothing to rewrite
    }
    const std::string text = paragraphText(doc, first);
    const auto at = text.find("nachází");
    const std::string prefix = "Znamení " + std::string(animal) + " se v tomto období ";
    replaceParagraph(doc, first, prefix + (at == std::string::npos ? text : text.substr(at)));
    setBold(doc, {first, charCount("Znamení "), charCount(animal)}, true);
}

void lunarInfluenceCut(RichDoc& doc, int birthMonth, bool keepOnlyBirthMonth) {
    if (birthMonth < 1 || birthMonth > 12) {
        return;
    }
    const std::vector<std::size_t> markers = markerIndexes(doc, kMonthSections);
    if (keepOnlyBirthMonth && markers.size() == kMonthSections) {
        keepSection(doc, markers, static_cast<std::size_t>(birthMonth));
    }
    replaceParagraph(doc, 0,
                     "Vliv měsíce narození - " +
                         std::string(kMonthNames[static_cast<std::size_t>(birthMonth - 1)]));
    replaceParagraph(doc, 1, "");
}

} // namespace tarvenik
