// Any bytes as Udaje.ini: every distinct section is one person, read alike alone and with
// the others, within the ranges the dialogs allow; writing a person back, and erasing it,
// changes that person's record and no other.
#include "data/persons.h"
#include "fuzzfolder.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>

namespace {

using namespace tarvenik;
using fuzz::check;

// The persons of the file under their record names' case-blind form, the first of a name
// winning, as readAllPersons and readPerson have it.
std::map<std::string, Person> personsByName(const std::filesystem::path& folder) {
    const auto names = listPersons(folder);
    const auto persons = readAllPersons(folder, kEditDefaultDate);
    check(names && persons);
    std::map<std::string, Person> byName;
    std::size_t next = 0;
    for (const std::string& name : *names) {
        if (byName.count(fullUpper(name))) {
            continue;
        }
        check(next < persons->size());
        const Person& p = (*persons)[next++];
        check(p.birthHour >= 0 && p.birthHour < 24 && p.birthMinute >= 0 && p.birthMinute < 60 &&
              p.birthDate == p.birthDate.datePart() && p.birthDate.year() >= 1);
        if (byName.size() < 4) { // each readPerson reads the whole file again
            const auto alone = readPerson(folder, name, kEditDefaultDate);
            check(alone && *alone == p);
        }
        byName.emplace(fullUpper(name), p);
    }
    check(next == persons->size());
    return byName;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzz::ScratchFolder::instance();
    const std::filesystem::path& folder = scratch.root();
    scratch.put(kPersonFileName, std::string_view(reinterpret_cast<const char*>(data), size), true);
    auto before = personsByName(folder);
    if (before.empty()) {
        return 0;
    }
    // The first person again, with its record name as the data make it.
    Person p = before.begin()->second;
    p.firstName += "a";
    const auto name = writePerson(folder, p);
    check(name && *name == recordNameOf(p));
    auto after = personsByName(folder);
    check(after.count(fullUpper(*name)) && after[fullUpper(*name)] == p);
    before[fullUpper(*name)] = p;
    check(after == before);

    check(erasePerson(folder, *name).ok());
    after = personsByName(folder);
    before.erase(fullUpper(*name));
    check(after == before);
    return 0;
}
