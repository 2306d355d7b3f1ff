#pragma once
// The person file Udaje.ini: one section per person, named by the person's record name.
// Every operation opens the file, acts and closes it; nothing is cached. `userFolder` is
// the folder userFilesFolder (data/userfiles) chose for the file.

#include "platform/DateTime.h"
#include "platform/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvenik {

inline constexpr const char* kPersonFileName = "Udaje.ini";
// Characters of a first name or a surname, as the entry fields take them.
inline constexpr std::size_t kPersonNameLimit = 30;

struct Person {
    std::string firstName; // Jmeno, at most 30 characters in the dialogs
    std::string surname;   // Prijmeni
    DateTime birthDate;    // Datum, the day only
    int birthHour = 0;     // Cas, hours and minutes; 00:00 without an exact time
    int birthMinute = 0;
    bool exactTime = false; // PresnyCas
    int sex = -1;           // Pohlavi: 0 male, 1 female, -1 not set

    bool operator==(const Person&) const = default;
};

// The date of birth the editing dialog shows for a record without one, and the one the
// operations on all persons use.
inline const DateTime kEditDefaultDate = *DateTime::fromDate(1980, 1, 1);

// Surname, first name, "d.M.yyyy" and "HH:mm", separated by single blanks.
std::string recordNameOf(const Person& person);

// The person as the file stores it: a line break in a name becomes a blank, since it would
// split the section header.
Person storablePerson(const Person& person);

// The date of birth with the hour and minute of birth.
DateTime birthMoment(const Person& person);

// Section names of Udaje.ini in file order; empty when the file does not exist.
Result<std::vector<std::string>> listPersons(const std::filesystem::path& userFolder);

// The person of that record name; every missing or malformed key takes its default, the
// date of birth `defaultDate` (the editing dialog and the report pass different ones).
Result<Person> readPerson(const std::filesystem::path& userFolder, const std::string& recordName,
                          DateTime defaultDate);

// Every person of the file in file order, read as readPerson reads one, over one reading.
Result<std::vector<Person>> readAllPersons(const std::filesystem::path& userFolder,
                                           DateTime defaultDate);

// Writes the six keys into the person's section and returns its record name. A line
// break in a name becomes a blank, since it would split the section header.
Result<std::string> writePerson(const std::filesystem::path& userFolder, const Person& person);

struct AddedPersons {
    int added = 0;
    int alreadyThere = 0; // a section of the same record name existed (or came earlier)
    bool operator==(const AddedPersons&) const = default;
};

// Adds the persons whose record names are not in the file yet, in one write of the file:
// either all of them are saved or none. Existing records are left as they are.
Result<AddedPersons> addPersons(const std::filesystem::path& userFolder,
                                const std::vector<Person>& persons);

Result<void> erasePerson(const std::filesystem::path& userFolder, const std::string& recordName);

// Editing: erasePerson of the old record name followed by writePerson of the new data, in
// one write of the file, so a failure can never leave the person erased but not rewritten.
Result<std::string> replacePerson(const std::filesystem::path& userFolder,
                                  const std::string& oldRecordName, const Person& person);

// Deletes Udaje.ini itself; a file that is already gone is no error. A read-only file is
// not deleted (a failure), as no other write replaces it.
Result<void> deleteAllPersons(const std::filesystem::path& userFolder);

} // namespace tarvenik
