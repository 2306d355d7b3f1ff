// Any text as a date ("d.M.yyyy") and a time ("H:mm[:ss]") of the person file, and as a
// format pattern: what parses is a real day or time of day that the program's own forms
// give back unchanged, and any moment of the years 1 to 9999 writes a date that parses.
#include "fuzzfolder.h"
#include "platform/DateTime.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

using namespace tarvenik;

using fuzz::check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto date = DateTime::parseShortDate(text)) {
        check(*date == date->datePart() && date->year() >= 1 && date->year() <= 9999);
        check(DateTime::parseShortDate(date->shortDate()) == date &&
              DateTime::parseShortDate(date->paddedDate()) == date);
    }
    if (const auto time = DateTime::parseTime(text)) {
        check(time->ms() >= 0 && time->ms() < DateTime::msPerDay && time->ms() % 1000 == 0);
        check(DateTime::parseTime(time->longTime()) == time);
    }

    // The first eight bytes as a moment between 1.1.1 and 31.12.9999, the text as a pattern.
    std::uint64_t raw = 0;
    std::memcpy(&raw, data, std::min(size, sizeof raw));
    const std::int64_t first = DateTime::fromDate(1, 1, 1)->ms();
    const std::int64_t span = DateTime::fromDate(9999, 12, 31, 23, 59, 59, 999)->ms() - first + 1;
    const DateTime moment =
        DateTime::fromMs(first + static_cast<std::int64_t>(raw % static_cast<std::uint64_t>(span)));
    const CalendarFields f = moment.fields();
    check(DateTime::fromDate(f.year, f.month, f.day, f.hour, f.minute, f.second, f.millisecond) ==
          moment);
    check(DateTime::parseShortDate(moment.shortDate()) == moment.datePart());
    (void)moment.format(text);
    return 0;
}
