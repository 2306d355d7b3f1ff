#pragma once
// The texts the report writes itself into its view: the name card, the biorhythm listing
// and the time span, each under the one title style of the report.

#include "data/names.h"
#include "data/persons.h"
#include "platform/DateTime.h"
#include "platform/result.h"
#include "platform/rich.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

// A title line as every view of the report starts: centred, bold, 13 pt.
void appendTitle(RichDoc& doc, std::string_view text);

// LblJmenoClick: the record's name as the title, an empty line and the card's lines,
// labels bold.
RichDoc nameCardDoc(const NameRecord& record);

// The biorhythm page: the person's names and date of birth between lines of tildes, then
// one line a day from `from` to `to` (none when `to` lies before `from`).
RichDoc biorhythmDoc(const Person& person, DateTime from, DateTime to);

// The explanation behind the biorhythm page's "Info": Data/biorytmy.rtf.
Result<RichDoc> biorhythmInfoText(const std::filesystem::path& appFolder);

// The time-span page: the first line is the title, every label bold.
RichDoc spanDoc(const std::vector<std::string>& lines);

} // namespace tarvenik
