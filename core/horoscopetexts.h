#pragma once
// The adjustments of loaded horoscope texts that depend on the person: the imperial
// Chinese text cut down to the person's section, and the Chinese "Vliv měsíce" text cut
// down to the birth month. Both work on paragraphs (the lines of the view without wrap).

#include "platform/rich.h"

#include <string_view>

namespace tarvenik {

// A marker paragraph opens a section: it contains "===".
bool isSectionMarker(std::string_view paragraphText);

// Keeps the heading block and the section of the animal's imperial group in that season,
// and rewrites the section's first paragraph as "Znamení <animal> se v tomto období …"
// from its word "nachází" on, with the animal in bold. A text with fewer than seven
// markers, or a season or animal without a group, stays whole.
void imperialCut(RichDoc& doc, std::string_view season, std::string_view animal);

// With `keepOnlyBirthMonth`, keeps the heading block and the section of the birth month
// (a text with fewer than twelve markers stays whole). In every case the first paragraph
// becomes "Vliv měsíce narození - <month name>" and the second an empty one.
void lunarInfluenceCut(RichDoc& doc, int birthMonth, bool keepOnlyBirthMonth);

} // namespace tarvenik
