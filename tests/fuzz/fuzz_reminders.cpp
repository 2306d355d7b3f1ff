// Any bytes as Udaje.ini, Svatky.ini (absent without a separator) and today's date
// ("d.M.yyyy"; 9.12.2026 when it is none): the reminded persons are the person file's
// with their name days, and the days ahead are in order, inside the window, on each
// person's own day and month, one birthday a year and a shorter window a part of a longer.
#include "data/reminders.h"
#include "fuzzfolder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tarvenik;
using fuzz::check;

// The day and month a yearly day falls on in `year`: 29 February on the 28th in a common one.
bool sameYearlyDay(DateTime date, int month, int day) {
    return date.month() == month &&
           date.day() == std::min(day, daysInMonth(date.year(), date.month()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzz::ScratchFolder::instance();
    const std::filesystem::path& folder = scratch.root();
    std::size_t given = 0;
    const auto pieces =
        fuzz::splitPieces(std::string_view(reinterpret_cast<const char*>(data), size), 3, &given);
    scratch.put(kPersonFileName, pieces[0]);
    if (given > 1) {
        scratch.put(nameDayFileName(NameDayFile::Standard), pieces[1]);
    } else {
        scratch.remove(nameDayFileName(NameDayFile::Standard));
    }
    const DateTime today =
        DateTime::parseShortDate(pieces[2]).value_or(*DateTime::fromDate(2026, 12, 9));

    const auto loaded = loadRemindedPersons(folder, folder);
    const auto persons = readAllPersons(folder, kEditDefaultDate);
    check(loaded && persons && loaded->nameDayFileFound == (given > 1) &&
          loaded->persons.size() == persons->size());
    for (std::size_t i = 0; i < persons->size(); ++i) {
        const RemindedPerson& r = loaded->persons[i];
        check(r.person == (*persons)[i]);
        if (i < 4) {
            const auto match = nameDayOfName(folder, r.person.firstName);
            check(r.nameDay == (match ? match->first : std::nullopt));
        }
    }

    const auto year = upcomingDays(loaded->persons, today, kReminderDaysMax);
    std::vector<Reminder> month;
    std::copy_if(year.begin(), year.end(), std::back_inserter(month),
                 [](const Reminder& r) { return r.daysAhead < kReminderDaysDefault; });
    check(upcomingDays(loaded->persons, today, kReminderDaysDefault) == month);
    // Each person's days alone, then all of them in date order, persons in their order.
    std::vector<Reminder> merged;
    for (const RemindedPerson& p : loaded->persons) {
        const auto own = upcomingDays({p}, today, kReminderDaysMax);
        int birthdays = 0;
        for (const Reminder& r : own) {
            check(r.daysAhead >= 0 && r.daysAhead < kReminderDaysMax &&
                  r.date == today.datePart().addDays(r.daysAhead) &&
                  r.who == p.person.firstName + " " + p.person.surname);
            if (r.kind == ReminderKind::NameDay) {
                check(r.age == 0 && p.nameDay &&
                      sameYearlyDay(r.date, p.nameDay->month, p.nameDay->day));
                continue;
            }
            const DateTime birth = p.person.birthDate;
            check(r.age >= 1 && r.age == r.date.year() - birth.year() &&
                  sameYearlyDay(r.date, birth.month(), birth.day()));
            ++birthdays;
        }
        // Within a year everybody born before this year has a birthday ahead.
        const int thisYear = today.year();
        check(own.size() <= 2 && birthdays <= 1 &&
              birthdays >= (p.person.birthDate.year() < thisYear && thisYear < 9999 ? 1 : 0));
        merged.insert(merged.end(), own.begin(), own.end());
    }
    std::stable_sort(merged.begin(), merged.end(),
                     [](const Reminder& a, const Reminder& b) { return a.date < b.date; });
    check(year == merged);
    return 0;
}
