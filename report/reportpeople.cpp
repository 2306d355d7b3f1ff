#include "report/reportpeople.h"

#include "core/calendarwords.h"
#include "data/namedays.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdio>

namespace tarvenik {

namespace {

const DateTime kDefaultBirthDate = *DateTime::fromDate(1980, 2, 1);

// The user and the partner read the same file: its failure is reported once.
void addProblem(std::vector<ReportProblem>& problems, ReportProblemKind kind, const Error& error) {
    const bool seen = std::any_of(problems.begin(), problems.end(), [&](const ReportProblem& p) {
        return p.kind == kind && p.error.where == error.where && p.error.reason == error.reason;
    });
    if (!seen) {
        problems.push_back({kind, error});
    }
}

ReportPerson loadPerson(const std::filesystem::path& userFolder, const std::string& record,
                        std::vector<ReportProblem>& problems) {
    ReportPerson p;
    auto read = readPerson(userFolder, record, kDefaultBirthDate);
    if (read) {
        p.person = std::move(read).value();
    } else {
        addProblem(problems, ReportProblemKind::PersonFile, read.error());
        p.person.birthDate = kDefaultBirthDate;
    }
    p.person.firstName = cutChars(p.person.firstName, kReportNameLimit);
    p.person.surname = cutChars(p.person.surname, kReportNameLimit);
    return p;
}

void setNameDay(ReportPerson& p, const std::optional<DayMonth>& day) {
    p.hasNameDay = day.has_value();
    if (day) {
        p.nameDayDate = *DateTime::fromDate(2000, day->month, day->day);
    }
}

void setNumbers(ReportPerson& p, int outlookYear) {
    const CalendarFields f = p.person.birthDate.fields();
    p.numbers = numerologyNumbers(f.day, f.month, f.year, p.person.firstName, p.person.surname,
                                  outlookYear);
}

} // namespace

BirthData ReportPerson::birth() const {
    const CalendarFields f = person.birthDate.fields();
    BirthData b;
    b.year = static_cast<std::uint16_t>(f.year);
    b.month = static_cast<std::uint16_t>(f.month);
    b.day = static_cast<std::uint16_t>(f.day);
    b.hour = static_cast<std::uint16_t>(person.birthHour);
    b.minute = static_cast<std::uint16_t>(person.birthMinute);
    b.exactTime = person.exactTime;
    b.sex = static_cast<std::int16_t>(person.sex);
    b.nameDay = nameDayDate;
    return b;
}

LoadedPeople loadReportPeople(const std::filesystem::path& appFolder,
                              const std::filesystem::path& userFolder,
                              const std::string& userRecord,
                              const std::optional<std::string>& partnerRecord, int outlookYear) {
    LoadedPeople loaded;
    ReportPeople& people = loaded.people;
    people.hasPartner = partnerRecord.has_value();
    people.user = loadPerson(userFolder, userRecord, loaded.problems);
    if (partnerRecord) {
        people.partner = loadPerson(userFolder, *partnerRecord, loaded.problems);
    }
    const auto days = nameDayOfName(appFolder, people.user.person.firstName,
                                    people.hasPartner ? people.partner.person.firstName : "");
    if (days) {
        setNameDay(people.user, days->first);
        setNameDay(people.partner, days->second);
    } else {
        addProblem(loaded.problems, ReportProblemKind::NameDays, days.error());
    }
    setNumbers(people.user, outlookYear);
    setNumbers(people.partner, outlookYear);
    return loaded;
}

std::vector<ReportProblem> lookUpNameRecords(const std::filesystem::path& appFolder,
                                             ReportPeople& people) {
    std::vector<ReportProblem> problems;
    const auto lookUp = [&](ReportPerson& p) {
        const auto found = nameRecordOf(appFolder, p.person.firstName);
        if (found) {
            p.record = *found;
        } else {
            p.record = substituteNameRecord(p.person.firstName);
            // Not addProblem: the message is given once for each person.
            problems.push_back({ReportProblemKind::NameRecord, found.error()});
        }
    };
    lookUp(people.user);
    if (people.hasPartner) {
        lookUp(people.partner);
    }
    return problems;
}

void setOutlookYear(ReportPeople& people, int outlookYear) {
    for (ReportPerson* p : {&people.user, &people.partner}) {
        const CalendarFields f = p->person.birthDate.fields();
        p->numbers.personalYear = personalYear(f.day, f.month, outlookYear);
    }
}

HoroscopeComputation computeHoroscopes(const ReportPeople& people, DateTime now) {
    return vypocitej_horoskopy(
        people.user.birth(),
        people.hasPartner ? std::optional(people.partner.birth()) : std::nullopt, now);
}

std::string headerLine(const Person& p) {
    const CalendarFields f = p.birthDate.fields();
    std::string line = p.firstName + " " + p.surname + " - ";
    line += kWeekdayNames[static_cast<std::size_t>(p.birthDate.dayOfWeek() - 1)];
    line +=
        ", " + std::to_string(f.day) + "." + std::to_string(f.month) + "." + std::to_string(f.year);
    if (p.exactTime) {
        char time[32];
        std::snprintf(time, sizeof time, " (%02d:%02d hod.)", p.birthHour, p.birthMinute);
        line += time;
    }
    return line;
}

bool showsFemaleIcon(int sex) {
    return sex != 0;
}

} // namespace tarvenik
