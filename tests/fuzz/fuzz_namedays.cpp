// Any bytes as Svatky.ini and SvatkyEx.ini (two pieces): every line but the header becomes
// one entry that puts the line back together, a date key reads back from the key the
// program writes for that day, a search finds each entry by its own names, and the names of
// a line with a real day, as a first name, find the day of the last line they fit whole.
#include "data/namedays.h"
#include "fuzzfolder.h"
#include "platform/text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tarvenik;
using fuzz::check;

// Entries beyond these are parsed, but not each searched for.
constexpr std::size_t kSearched = 8;

void checkFile(const std::filesystem::path& folder, NameDayFile file, std::string_view bytes) {
    const auto lines = splitTextLines(decode1250(bytes));
    const auto entries = loadNameDayEntries(folder, file);
    check(entries && entries->size() == (lines.empty() ? 0 : lines.size() - 1));
    for (std::size_t i = 0; i < entries->size(); ++i) {
        const NameDayEntry& e = (*entries)[i];
        const std::string& line = lines[i + 1];
        check(line.find('=') == std::string::npos ? e == NameDayEntry{}
                                                  : e.key + "=" + e.names == line);
        if (const auto day = parseNameDayKey(e.key)) {
            const auto date = DateTime::fromDate(2000, day->month, day->day);
            check(date && parseNameDayKey(nameDayKey(*date)) == day);
        }
        if (i < kSearched) {
            // A part search for an empty text finds nothing; the window asks for a text.
            for (const bool exact : {e.names.empty(), true}) {
                const auto found =
                    filterNameDayEntries(*entries, {NameDayField::Names, e.names, exact, exact});
                check(std::find(found.begin(), found.end(), e) != found.end());
            }
        }
    }
}

// The day nameDayOfName must give for a name that is some line's whole names.
std::optional<DayMonth> lastWholeLine(const std::vector<std::string>& lines,
                                      const std::string& upperName) {
    std::optional<DayMonth> day;
    for (const std::string& line : lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const auto key = parseNameDayKey(std::string_view(line).substr(0, eq));
        if (key && trimBlanks(fullUpper(line.substr(eq + 1))) == upperName) {
            day = key;
        }
    }
    return day;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzz::ScratchFolder::instance();
    const auto pieces =
        fuzz::splitPieces(std::string_view(reinterpret_cast<const char*>(data), size), 2);
    for (const NameDayFile file : {NameDayFile::Standard, NameDayFile::Extended}) {
        const std::string_view bytes = pieces[file == NameDayFile::Standard ? 0 : 1];
        scratch.put(nameDayFileName(file), bytes);
        checkFile(scratch.root(), file, bytes);
    }
    (void)namesForDate(scratch.root(), *DateTime::fromDate(2024, 2, 29));

    const auto lines = splitTextLines(decode1250(pieces[0]));
    for (std::size_t i = 0; i < lines.size() && i < kSearched; ++i) {
        // Only a name of a line with a real day has a line it fits whole.
        const auto eq = lines[i].find('=');
        if (eq == std::string::npos || !parseNameDayKey(std::string_view(lines[i]).substr(0, eq))) {
            continue;
        }
        const std::string name(trimBlanks(std::string_view(lines[i]).substr(eq + 1)));
        if (name.empty()) {
            continue;
        }
        const auto found = nameDayOfName(scratch.root(), name, lines[i]);
        check(found && found->first == lastWholeLine(lines, fullUpper(name)));
    }
    return 0;
}
