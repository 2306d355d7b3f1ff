#include "data/reminders.h"

#include "platform/text.h"

#include <algorithm>
#include <map>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

// The first occurrence of a yearly day on or after today, counted from `year`.
DateTime nextOccurrence(DateTime day, int year, DateTime today) {
    const DateTime thisYear = inYear(day, year);
    return thisYear < today ? inYear(day, year + 1) : thisYear;
}

} // namespace

Result<RemindedPersons> loadRemindedPersons(const fs::path& appFolder, const fs::path& userFolder) {
    auto persons = readAllPersons(userFolder, kEditDefaultDate);
    if (!persons) {
        return persons.error();
    }
    RemindedPersons out;
    // An empty name matches no line: this reading only tells whether the calendar is there.
    if (const auto calendar = nameDayOfName(appFolder, ""); !calendar) {
        if (!calendar.error().notFound()) {
            return calendar.error();
        }
    } else {
        out.nameDayFileFound = true;
    }
    std::map<std::string, std::optional<DayMonth>> known; // one look-up per first name
    for (Person& p : persons.value()) {
        auto found = known.find(p.firstName);
        if (found == known.end() && out.nameDayFileFound) {
            const auto match = nameDayOfName(appFolder, p.firstName);
            if (!match) {
                return match.error();
            }
            found = known.emplace(p.firstName, match->first).first;
        }
        out.persons.push_back({std::move(p), found == known.end() ? std::nullopt : found->second});
    }
    return out;
}

std::vector<Reminder> upcomingDays(const std::vector<RemindedPerson>& persons, DateTime today,
                                   int days) {
    today = today.datePart();
    std::vector<Reminder> out;
    const auto add = [&](DateTime date, const Person& p, ReminderKind kind, int age) {
        const std::int64_t ahead = date.dayNumber() - today.dayNumber();
        if (ahead >= 0 && ahead < days) {
            out.push_back(
                {date, static_cast<int>(ahead), p.firstName + " " + p.surname, kind, age});
        }
    };
    for (const RemindedPerson& r : persons) {
        const DateTime birth = r.person.birthDate.datePart();
        // The first birthday is a year after birth, however early today is.
        const int fromYear = std::max(today.year(), birth.year() + 1);
        const DateTime birthday = nextOccurrence(birth, fromYear, today);
        add(birthday, r.person, ReminderKind::Birthday, birthday.year() - birth.year());
        if (r.nameDay) {
            const DateTime nameDay = *DateTime::fromDate(2000, r.nameDay->month, r.nameDay->day);
            add(nextOccurrence(nameDay, today.year(), today), r.person, ReminderKind::NameDay, 0);
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Reminder& a, const Reminder& b) { return a.date < b.date; });
    return out;
}

bool anyToday(const std::vector<Reminder>& reminders) {
    return std::any_of(reminders.begin(), reminders.end(),
                       [](const Reminder& r) { return r.daysAhead == 0; });
}

std::string reminderWhat(const Reminder& r) {
    if (r.kind == ReminderKind::NameDay) {
        return "svátek";
    }
    return "narozeniny – " + std::to_string(r.age) + " " +
           std::string(czechPlural(r.age, "rok", "roky", "let"));
}

std::string reminderWhen(int daysAhead) {
    if (daysAhead == 0) {
        return "dnes";
    }
    if (daysAhead == 1) {
        return "zítra";
    }
    return "za " + std::to_string(daysAhead) + " " +
           std::string(czechPlural(daysAhead, "den", "dny", "dnů"));
}

} // namespace tarvenik
