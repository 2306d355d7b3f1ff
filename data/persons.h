#pragma once
// The person file Udaje.ini: one section per person, named by the person's record name.
// Every operation opens the file, acts and closes it; nothing is cached.

#include "platform/DateTime.h"
#include "platform/result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tarvenik {

inline constexpr const char* kPersonFileName = "Udaje.ini";

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

// Surname, first name, "d.M.yyyy" and "HH:mm", separated by single blanks.
std::string recordNameOf(const Person& person);

// The date of birth with the hour and minute of birth.
DateTime birthMoment(const Person& person);

// Section names of Udaje.ini in file order; empty when the file does not exist.
Result<std::vector<std::string>> listPersons(const std::filesystem::path& appFolder);

// The person of that record name; every missing or malformed key takes its default, the
// date of birth `defaultDate` (the editing dialog and the report pass different ones).
Result<Person> readPerson(const std::filesystem::path& appFolder, const std::string& recordName,
                          DateTime defaultDate);

// Writes the six keys into the person's section and returns its record name. A line
// break in a name becomes a blank, since it would split the section header.
Result<std::string> writePerson(const std::filesystem::path& appFolder, const Person& person);

Result<void> erasePerson(const std::filesystem::path& appFolder, const std::string& recordName);

// Editing: erasePerson of the old record name followed by writePerson of the new data, in
// one write of the file, so a failure can never leave the person erased but not rewritten.
Result<std::string> replacePerson(const std::filesystem::path& appFolder,
                                  const std::string& oldRecordName, const Person& person);

// Deletes Udaje.ini itself; a file that is already gone is no error.
Result<void> deleteAllPersons(const std::filesystem::path& appFolder);

} // namespace tarvenik
