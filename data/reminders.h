#pragma once
// Birthdays and name days ahead. The persons come from Udaje.ini with the name day of each
// first name from Svatky.ini; which days fall into the coming days, and the words the
// reminder window shows for them, are pure functions of those persons and today.

#include "data/namedays.h"
#include "data/persons.h"
#include "platform/DateTime.h"
#include "platform/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvenik {

struct RemindedPerson {
    Person person;
    std::optional<DayMonth> nameDay;
};

struct RemindedPersons {
    std::vector<RemindedPerson> persons;
    bool nameDayFileFound = false;
};

// Every person of Udaje.ini in `userFolder` with the name day of the first name
// (nameDayOfName) from Svatky.ini in `appFolder`. Without Svatky.ini nobody has a name day,
// and nameDayFileFound says so.
Result<RemindedPersons> loadRemindedPersons(const std::filesystem::path& appFolder,
                                            const std::filesystem::path& userFolder);

enum class ReminderKind { Birthday, NameDay };

struct Reminder {
    DateTime date;     // midnight of the day
    int daysAhead = 0; // 0 today, 1 tomorrow
    std::string who;   // "first name surname"
    ReminderKind kind = ReminderKind::Birthday;
    int age = 0; // birthdays: the age reached on that day
    bool operator==(const Reminder&) const = default;
};

inline constexpr int kReminderDaysDefault = 30;
inline constexpr int kReminderDaysMax = 366; // a whole year: everybody's next days

// The next birthday and the next name day of every person falling on today or one of the
// following days - 1 days, in date order (a day's birthdays before its name days, persons
// in their order). A birthday on 29 February falls on 28 February in a common year, as
// the report counts it, and so does a name day; the day of birth itself (age 0) is no
// birthday.
std::vector<Reminder> upcomingDays(const std::vector<RemindedPerson>& persons, DateTime today,
                                   int days);

bool anyToday(const std::vector<Reminder>& reminders);

// "narozeniny – 47 let", "narozeniny – 1 rok", "svátek"
std::string reminderWhat(const Reminder& reminder);
// "dnes", "zítra", "za 2 dny", "za 5 dnů"
std::string reminderWhen(int daysAhead);

} // namespace tarvenik
