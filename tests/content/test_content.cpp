// Checks of the data folder the build generates from content/: every file a window can
// ask for exists, parses, and agrees with the others. TARVENIK_APP_DIR is the built folder.
#include "data/dreams.h"
#include "data/namedays.h"
#include "data/names.h"
#include "data/oracle.h"
#include "platform/atomicfile.h"
#include "platform/rtfreader.h"
#include "platform/text.h"
#include "tests/content/faults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

using namespace tarvenik;
using tarvenik::test::Faults;
namespace fs = std::filesystem;

namespace {

const fs::path kApp = TARVENIK_APP_DIR;

template <std::size_t N>
bool oneOf(const std::string& value, const std::array<const char*, N>& items) {
    return std::any_of(items.begin(), items.end(), [&](const char* s) { return value == s; });
}

// Every line ends with CR LF and nothing follows the last one.
bool crlfOnly(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            return false;
        }
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) {
            return false;
        }
    }
    return bytes.empty() || bytes.back() == '\n';
}

std::vector<NameRecord> allNameRecords(Faults& faults) {
    std::vector<NameRecord> all;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const auto records = readNameFile(nameFilePath(kApp, std::string(1, c)));
        if (!records) {
            faults.add(records.error().text());
            continue;
        }
        all.insert(all.end(), records->begin(), records->end());
    }
    return all;
}

// The names of one day: "Adam a Eva, Štědrý den" holds Adam and Eva. Items of several
// words ("Nový rok", "Den vítězství") name a holiday, not a person.
std::vector<std::string> namesOfDay(const std::string& text) {
    std::vector<std::string> names;
    std::string rest = text;
    for (std::size_t pos; (pos = rest.find(" a ")) != std::string::npos;) {
        rest.replace(pos, 3, ",");
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = rest.find(',', start);
        const std::string item(trimBlanks(std::string_view(rest).substr(start, comma - start)));
        if (!item.empty() && item.find(' ') == std::string::npos) {
            names.push_back(item);
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return names;
}

// The days of every name of the standard calendar.
std::map<std::string, std::vector<std::string>> calendarDaysOfNames() {
    std::map<std::string, std::vector<std::string>> daysOf;
    const auto entries = loadNameDayEntries(kApp, NameDayFile::Standard);
    EXPECT_TRUE(entries) << entries.error().text();
    for (const NameDayEntry& entry : entries ? *entries : std::vector<NameDayEntry>{}) {
        for (const std::string& name : namesOfDay(entry.names)) {
            daysOf[name].push_back(entry.key);
        }
    }
    return daysOf;
}

void checkCalendar(NameDayFile file) {
    const fs::path path = nameDayPath(kApp, file);
    const auto bytes = readFileBytes(path);
    ASSERT_TRUE(bytes) << bytes.error().text();
    EXPECT_TRUE(crlfOnly(*bytes)) << path;
    EXPECT_TRUE(bytes->starts_with("[Sv\xE1tky]\r\n")) << path;
    EXPECT_EQ(decode1250(*bytes).find("\xEF\xBF\xBD"), std::string::npos) << path;

    const auto entries = loadNameDayEntries(kApp, file);
    ASSERT_TRUE(entries) << entries.error().text();
    Faults faults;
    const DateTime first = *DateTime::fromDate(2000, 1, 1);
    for (std::size_t i = 0; i < std::max<std::size_t>(entries->size(), 366); ++i) {
        const std::string expected =
            i < 366 ? nameDayKey(first.addDays(static_cast<std::int64_t>(i))) : "(none)";
        const std::string key = i < entries->size() ? (*entries)[i].key : "(missing)";
        if (key != expected) {
            faults.add("entry " + std::to_string(i + 1) + ": key " + key + ", expected " +
                       expected);
        } else if (trimBlanks((*entries)[i].names).empty()) {
            faults.add(key + " has no names");
        }
    }
    EXPECT_TRUE(faults.list.empty()) << path << ": " << faults.text();
}

// The items of a list field: "Karla, Karolína"; "---" holds none.
std::vector<std::string> listItems(const std::string& list) {
    std::vector<std::string> items;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item(trimBlanks(std::string_view(list).substr(start, comma - start)));
        if (!item.empty() && item != "---") {
            items.push_back(item);
        }
        start = comma + 1;
    }
    return items;
}

bool listHas(const std::string& list, const std::string& item) {
    const auto items = listItems(list);
    return std::find(items.begin(), items.end(), item) != items.end();
}

} // namespace

TEST(ContentNames, AllLetterFilesExistAndParse) {
    Faults faults;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const fs::path path = nameFilePath(kApp, std::string(1, c));
        const auto bytes = readFileBytes(path);
        if (!bytes) {
            faults.add(bytes.error().text());
            continue;
        }
        if (bytes->size() % kNameRecordSize != 0) {
            faults.add(path.string() + ": not a whole number of records");
        }
        for (const NameRecord& r : decodeNameRecords(*bytes)) {
            std::size_t pos = 0;
            if (r.name.empty() || nameLetter(nextCodePoint(r.name, pos)) != std::string(1, c)) {
                faults.add(path.string() + ": \"" + r.name + "\" filed under " + c);
            }
            if (r.name.find("\xEF\xBF\xBD") != std::string::npos) {
                faults.add(path.string() + ": \"" + r.name + "\" holds an unknown byte");
            }
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentNames, FilterValuesAreListItems) {
    Faults faults;
    for (const NameRecord& r : allNameRecords(faults)) {
        if (r.kind != "mužské" && r.kind != "ženské") {
            faults.add(r.name + ": kind \"" + r.kind + "\"");
        }
        if (!oneOf(r.origin, kNameOrigins)) {
            faults.add(r.name + ": origin \"" + r.origin + "\"");
        }
        if (!oneOf(r.usage, kNameUsages)) {
            faults.add(r.name + ": usage \"" + r.usage + "\"");
        }
        if (!oneOf(r.calendar, kNameCalendars)) {
            faults.add(r.name + ": calendar \"" + r.calendar + "\"");
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentNames, EveryCalendarNameHasItsRecordWithItsDay) {
    // A few names have two days (Petr on 22.2. and with Pavel on 29.6.); the record holds one.
    const auto daysOf = calendarDaysOfNames();
    EXPECT_GT(daysOf.size(), 300u);
    Faults faults;
    for (const auto& [name, days] : daysOf) {
        const auto found = nameRecordOf(kApp, name);
        if (!found) {
            faults.add(name + " (" + days.front() + "): " + found.error().text());
        } else if (*found == substituteNameRecord(name) || found->name != name) {
            faults.add(name + " (" + days.front() + "): no record of this name");
        } else if (std::find(days.begin(), days.end(), found->nameDay) == days.end()) {
            faults.add(name + " (" + days.front() + "): the record says " + found->nameDay);
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentNames, EveryCalendarNameFindsItsOwnNameDay) {
    const auto daysOf = calendarDaysOfNames();
    Faults faults;
    for (const auto& [name, days] : daysOf) {
        const auto found = nameDayOfName(kApp, name);
        ASSERT_TRUE(found) << found.error().text();
        const std::string key = found->first ? std::to_string(found->first->day) + "." +
                                                   std::to_string(found->first->month) + "."
                                             : "(none)";
        if (std::find(days.begin(), days.end(), key) == days.end()) {
            faults.add(name + " (" + days.front() + "): found " + key);
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentNames, RecordsKeepTheEditorialRules) {
    Faults readFaults;
    const std::vector<NameRecord> records = allNameRecords(readFaults);
    ASSERT_TRUE(readFaults.list.empty()) << readFaults.text();
    std::map<std::string, const NameRecord*> byName;
    for (const NameRecord& r : records) {
        byName.emplace(r.name, &r);
    }
    const auto daysOf = calendarDaysOfNames();
    // Each rule gives what the record does wrong, or nothing.
    using Rule = std::function<std::string(const NameRecord&)>;
    const std::pair<const char*, Rule> rules[] = {
        {"own name among other forms",
         [](const NameRecord& r) { return listHas(r.otherForms, r.name) ? r.otherForms : ""; }},
        {"\"cizí kalendář\" for a name of the civil calendar",
         [&](const NameRecord& r) {
             return r.calendar == "cizí kalendář" && daysOf.contains(r.name) ? daysOf.at(r.name)[0]
                                                                             : "";
         }},
        {"a domestic form that is a name of the other sex",
         [&](const NameRecord& r) {
             // Pet names that Czech gives to men and women alike.
             static const std::set<std::string> bothSexes = {"Alex", "Saša", "Sláva", "Vlasta"};
             std::string wrong;
             for (const std::string& form : listItems(r.domesticForms)) {
                 const auto found = byName.find(form);
                 if (found != byName.end() && found->second->kind != r.kind &&
                     !bothSexes.contains(form)) {
                     wrong += form + " ";
                 }
             }
             return wrong;
         }},
        {"usage \"vyjímečně\"",
         [](const NameRecord& r) { return r.usage == "vyjímečně" ? r.usage : ""; }},
        {"a counterpart whose record does not name this one back",
         [&](const NameRecord& r) {
             std::string wrong;
             for (const std::string& other : listItems(r.counterpart)) {
                 const auto found = byName.find(other);
                 if (found != byName.end() && !listHas(found->second->counterpart, r.name)) {
                     wrong += other + " (" + found->second->counterpart + ") ";
                 }
             }
             return wrong;
         }},
    };
    for (const auto& [rule, wrongIn] : rules) {
        Faults faults;
        for (const NameRecord& r : records) {
            if (const std::string wrong = wrongIn(r); !wrong.empty()) {
                faults.add(r.name + ": " + wrong);
            }
        }
        EXPECT_TRUE(faults.list.empty()) << rule << ": " << faults.text();
    }
}

TEST(ContentDreams, AllLetterFilesExistAndParse) {
    Faults faults;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const fs::path path = dreamFilePath(kApp, c);
        const auto bytes = readFileBytes(path);
        if (!bytes) {
            faults.add(bytes.error().text());
            continue;
        }
        if (!crlfOnly(*bytes)) {
            faults.add(path.string() + ": lines must end with CR LF");
        }
        const std::vector<std::string> lines = splitTextLines(decode1250(*bytes));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            // Written lines read back to themselves: four fields, nothing lost or cut.
            const auto again = formatDreamLine(parseDreamLine(lines[i]));
            if (!again || *again != lines[i]) {
                faults.add(path.string() + ":" + std::to_string(i + 1) + ": " + lines[i]);
            }
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentDreams, DictionaryHasSevenHundredEntries) {
    std::size_t entries = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const auto letter = loadDreamLetter(kApp, c);
        ASSERT_TRUE(letter) << letter.error().text();
        entries += letter->size();
    }
    EXPECT_GE(entries, 700u);
}

TEST(ContentDreams, MeaningsSaySomethingOfSubstance) {
    Faults averages;
    Faults shortOnes;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const auto letter = loadDreamLetter(kApp, c);
        ASSERT_TRUE(letter) << letter.error().text();
        std::size_t meanings = 0;
        std::size_t chars = 0;
        for (const DreamEntry& entry : *letter) {
            for (const DreamSubEntry& sub : entry.subEntries) {
                const std::size_t n = charCount(sub.meaning);
                ++meanings;
                chars += n;
                if (n < 60) {
                    shortOnes.add(std::string(1, c) + ": " + entry.title + " – " + sub.refinement +
                                  ": " + std::to_string(n) + " characters");
                }
            }
        }
        if (chars < 100 * meanings) {
            averages.add(std::string(1, c) + ": " + std::to_string(chars / meanings) +
                         " characters on average");
        }
    }
    EXPECT_TRUE(averages.list.empty()) << "average under 100: " << averages.text();
    EXPECT_TRUE(shortOnes.list.empty()) << "meanings under 60: " << shortOnes.text();
}

TEST(ContentCalendars, StandardHas366DaysInCalendarOrder) {
    checkCalendar(NameDayFile::Standard);
}

TEST(ContentCalendars, ExtendedHas366DaysInCalendarOrder) {
    checkCalendar(NameDayFile::Extended);
}

TEST(ContentWords, WordFileHasEntriesAndNoBlankOnes) {
    const auto bytes = readFileBytes(wordFilePath(kApp));
    ASSERT_TRUE(bytes) << bytes.error().text();
    EXPECT_TRUE(crlfOnly(*bytes));
    const auto words = readWordFile(wordFilePath(kApp));
    ASSERT_TRUE(words);
    EXPECT_FALSE(words->empty());
    for (std::size_t i = 0; i < words->size(); ++i) {
        EXPECT_FALSE(trimBlanks((*words)[i]).empty()) << "abu.txt line " << i + 1;
    }
}

TEST(ContentTexts, TextFilesEndLinesWithCrLf) {
    Faults faults;
    for (const auto& item : fs::recursive_directory_iterator(kApp / "Data")) {
        const std::string ext = item.path().extension().string();
        if (item.is_regular_file() && (ext == ".txt" || ext == ".ini")) {
            const auto bytes = readFileBytes(item.path());
            if (!bytes || !crlfOnly(*bytes)) {
                faults.add(item.path().string());
            }
        }
    }
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}

TEST(ContentTexts, EveryRichTextReadsBackWithText) {
    Faults faults;
    std::size_t count = 0;
    for (const auto& item : fs::recursive_directory_iterator(kApp / "Data")) {
        if (item.is_regular_file() && item.path().extension() == ".rtf") {
            ++count;
            const auto doc = readRtfFile(item.path());
            if (!doc) {
                faults.add(doc.error().text());
            } else if (isEmpty(*doc)) {
                faults.add(item.path().string() + ": no text");
            }
        }
    }
    EXPECT_GT(count, 0u);
    EXPECT_TRUE(faults.list.empty()) << faults.text();
}
