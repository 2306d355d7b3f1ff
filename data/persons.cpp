#include "data/persons.h"

#include "platform/atomicfile.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <set>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

fs::path personFile(const fs::path& userFolder) {
    return userFolder / kPersonFileName;
}

DateTime timeOfDay(const Person& p) {
    return DateTime::fromMs((std::int64_t{p.birthHour} * 60 + p.birthMinute) * 60'000);
}

Person personOf(const IniDocument& doc, const std::string& recordName, DateTime defaultDate) {
    Person p;
    p.firstName = doc.readString(recordName, "Jmeno", "");
    p.surname = doc.readString(recordName, "Prijmeni", "");
    const auto date = DateTime::parseShortDate(doc.readString(recordName, "Datum", ""));
    p.birthDate = date ? *date : defaultDate.datePart();
    p.exactTime = doc.readBool(recordName, "PresnyCas", false);
    if (const auto time = DateTime::parseTime(doc.readString(recordName, "Cas", ""))) {
        p.birthHour = time->hour();
        p.birthMinute = time->minute();
    }
    p.sex = doc.readInteger(recordName, "Pohlavi", -1);
    return p;
}

// The six keys in their order; `p` is already storable.
void writeSection(IniDocument& doc, const std::string& name, const Person& p) {
    doc.write(name, "Jmeno", p.firstName);
    doc.write(name, "Prijmeni", p.surname);
    doc.write(name, "Datum", p.birthDate.shortDate());
    doc.write(name, "PresnyCas", p.exactTime ? "1" : "0");
    doc.write(name, "Cas", timeOfDay(p).longTime());
    doc.write(name, "Pohlavi", std::to_string(p.sex));
}

} // namespace

Person storablePerson(const Person& person) {
    Person p = person;
    p.firstName = lineBreaksToBlanks(p.firstName);
    p.surname = lineBreaksToBlanks(p.surname);
    return p;
}

std::string recordNameOf(const Person& p) {
    return p.surname + " " + p.firstName + " " + p.birthDate.shortDate() + " " +
           timeOfDay(p).shortTime();
}

DateTime birthMoment(const Person& p) {
    return p.birthDate.datePart().addMs(timeOfDay(p).ms());
}

Result<std::vector<std::string>> listPersons(const fs::path& userFolder) {
    auto doc = loadIni(personFile(userFolder));
    if (!doc) {
        return doc.error();
    }
    return doc->sectionNames();
}

Result<Person> readPerson(const fs::path& userFolder, const std::string& recordName,
                          DateTime defaultDate) {
    auto doc = loadIni(personFile(userFolder));
    if (!doc) {
        return doc.error();
    }
    return personOf(*doc, recordName, defaultDate);
}

Result<std::vector<Person>> readAllPersons(const fs::path& userFolder, DateTime defaultDate) {
    auto doc = loadIni(personFile(userFolder));
    if (!doc) {
        return doc.error();
    }
    std::vector<Person> persons;
    std::set<std::string> seen; // a repeated section reads as its first, like readPerson
    for (const IniDocument& section : doc->sectionDocuments()) {
        const std::string name = section.sectionNames().front();
        if (seen.insert(fullUpper(name)).second) {
            persons.push_back(personOf(section, name, defaultDate));
        }
    }
    return persons;
}

Result<std::string> writePerson(const fs::path& userFolder, const Person& person) {
    return replacePerson(userFolder, {}, person);
}

Result<std::string> replacePerson(const fs::path& userFolder, const std::string& oldRecordName,
                                  const Person& person) {
    const Person p = storablePerson(person);
    const std::string name = recordNameOf(p);

    const fs::path file = personFile(userFolder);
    auto doc = loadIni(file);
    if (!doc) {
        return doc.error();
    }
    if (!oldRecordName.empty()) {
        doc->eraseSection(oldRecordName);
    }
    writeSection(*doc, name, p);
    if (auto saved = saveIni(file, *doc); !saved) {
        return saved.error();
    }
    return name;
}

Result<AddedPersons> addPersons(const fs::path& userFolder, const std::vector<Person>& persons) {
    const fs::path file = personFile(userFolder);
    auto doc = loadIni(file);
    if (!doc) {
        return doc.error();
    }
    std::set<std::string> stored; // record names compare case-blind, as sections do
    for (const std::string& name : doc->sectionNames()) {
        stored.insert(fullUpper(name));
    }
    AddedPersons counts;
    for (const Person& person : persons) {
        const Person p = storablePerson(person);
        const std::string name = recordNameOf(p);
        if (!stored.insert(fullUpper(name)).second) {
            ++counts.alreadyThere;
            continue;
        }
        IniDocument section; // written apart, so that each write searches six lines only
        writeSection(section, name, p);
        doc->append(section);
        ++counts.added;
    }
    if (counts.added > 0) {
        if (auto saved = saveIni(file, *doc); !saved) {
            return saved.error();
        }
    }
    return counts;
}

Result<void> erasePerson(const fs::path& userFolder, const std::string& recordName) {
    const fs::path file = personFile(userFolder);
    auto doc = loadIni(file);
    if (!doc) {
        return doc.error();
    }
    if (!doc->hasSection(recordName)) {
        return {}; // nothing to erase; don't create the file for it
    }
    doc->eraseSection(recordName);
    return saveIni(file, *doc);
}

Result<void> deleteAllPersons(const fs::path& userFolder) {
    return removeFile(personFile(userFolder));
}

} // namespace tarvenik
