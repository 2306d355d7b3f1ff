#pragma once
// Persons in and out of Udaje.ini as vCard files: the import adds the usable cards of a
// file in one write of the person file, the export writes every person to a file in one
// atomic write. The reports of both are Czech sentences for the window to show.

#include "data/vcard.h"
#include "platform/DateTime.h"
#include "platform/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarvenik {

struct ImportSummary {
    int added = 0;
    int alreadyThere = 0;          // a person of the same record name was stored already
    std::vector<CardSkip> skipped; // one entry per card left out
};

// Reads the vCard file and adds its persons. A file that cannot be read, or is damaged,
// adds nobody and writes nothing; so does a failed write. A birth date after `today` is
// left out, as the person dialog never takes one.
Result<ImportSummary> importPersons(const std::filesystem::path& userFolder,
                                    const std::filesystem::path& vcardFile, DateTime today);

// "Přidány 3 osoby." and, where there are any, the persons already stored and the cards
// left out with their reasons, one line each.
std::string importSummaryText(const ImportSummary& summary);

// Writes every person of Udaje.ini to the file; the number written.
Result<int> exportPersons(const std::filesystem::path& userFolder,
                          const std::filesystem::path& vcardFile);

// "Do souboru „osoby.vcf“ byly uloženy 3 osoby."
std::string exportSummaryText(int count, const std::string& fileName);

} // namespace tarvenik
