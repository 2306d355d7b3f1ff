#pragma once
// The two persons of a report (the user and the optional partner) as the report loads
// them: from the person file, with their name days, name records and numerology numbers.
// What went wrong on the way comes back as problems, for the window to report in order.

#include "core/horoscopeset.h"
#include "core/numerology.h"
#include "data/names.h"
#include "data/persons.h"
#include "platform/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvenik {

// The report's names are cut to this many characters.
inline constexpr std::size_t kReportNameLimit = 30;

enum class Side { User, Partner };

struct ReportPerson {
    Person person; // names cut to kReportNameLimit characters
    bool hasNameDay = false;
    DateTime nameDayDate; // day and month of the name day in the year 2000
    NameRecord record;
    NumerologyNumbers numbers;
    BirthData birth() const;
};

struct ReportPeople {
    ReportPerson user, partner;
    bool hasPartner = false;

    const ReportPerson& of(Side side) const { return side == Side::Partner ? partner : user; }
};

// What could not be read while loading; the error says which file and why.
enum class ReportProblemKind {
    PersonFile, // the person reads as defaults
    NameDays,   // Svatky.ini missing (error.notFound()) or unreadable: no name days
    NameRecord, // a names letter file missing (no file for the letter) or unreadable: the
                // person gets the substitute record
};

struct ReportProblem {
    ReportProblemKind kind;
    Error error;
};

struct LoadedPeople {
    ReportPeople people;
    std::vector<ReportProblem> problems; // in the order they arose, each reported once
};

// nastav_promene: both persons from Udaje.ini in `userFolder` (a record that is missing, or a
// file that cannot be read, gives the defaults: empty names, 1.2.1980, 00:00, sex -1), their
// name days over one reading of Svatky.ini in `appFolder` and their numerology numbers for
// `outlookYear`. Without a partner record the partner stays empty.
LoadedPeople loadReportPeople(const std::filesystem::path& appFolder,
                              const std::filesystem::path& userFolder,
                              const std::string& userRecord,
                              const std::optional<std::string>& partnerRecord, int outlookYear);

// The name records of the user and, with a partner, the partner (nameRecordOf); a record
// that cannot be looked up is the substitute, and its problem is returned.
std::vector<ReportProblem> lookUpNameRecords(const std::filesystem::path& appFolder,
                                             ReportPeople& people);

// Another outlook year changes only the personal year of both persons.
void setOutlookYear(ReportPeople& people, int outlookYear);

// vypocitej_horoskopy over the loaded persons.
HoroscopeComputation computeHoroscopes(const ReportPeople& people, DateTime now);

// "Jan Novák - středa, 5.3.1975 (07:05 hod.)": the time only with an exact time.
std::string headerLine(const Person& person);

// The header shows the female picture for every sex but 0 (male).
bool showsFemaleIcon(int sex);

} // namespace tarvenik
