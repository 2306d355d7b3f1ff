#include "data/namesearch.h"

#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

NameRecord record(std::string name, std::string kind = "mužské", std::string origin = "český",
                  std::string usage = "běžně užíváno",
                  std::string calendar = "katolický kalendář") {
    NameRecord r = substituteNameRecord(name);
    r.kind = std::move(kind);
    r.origin = std::move(origin);
    r.usage = std::move(usage);
    r.calendar = std::move(calendar);
    return r;
}

template <std::size_t N>
void untick(std::array<bool, N>& ticked, const std::array<const char*, N>& items,
            std::string_view item) {
    for (std::size_t i = 0; i < N; ++i) {
        if (item == items[i]) {
            ticked[i] = false;
            return;
        }
    }
    FAIL() << "no item " << item;
}

NameFilter filter(NameKindChoice kind, std::string_view noOrigin = {},
                  std::string_view noUsage = {}, std::string_view noCalendar = {}) {
    NameFilter f;
    f.kind = kind;
    if (!noOrigin.empty()) {
        untick(f.origins, kNameOrigins, noOrigin);
    }
    if (!noUsage.empty()) {
        untick(f.usages, kNameUsages, noUsage);
    }
    if (!noCalendar.empty()) {
        untick(f.calendars, kNameCalendars, noCalendar);
    }
    return f;
}

// All 26 letter files, empty but for the letters given.
void writeLetters(const TempFolder& app, const std::map<char, std::vector<NameRecord>>& letters) {
    std::filesystem::create_directories(nameFilePath(app.path(), "A").parent_path());
    for (const char letter : kNameLetters) {
        const auto it = letters.find(letter);
        ASSERT_TRUE(writeNameFile(nameFilePath(app.path(), std::string(1, letter)),
                                  it == letters.end() ? std::vector<NameRecord>{} : it->second));
    }
}

std::vector<std::string> namesOf(const NameListing& listing) {
    std::vector<std::string> names;
    for (const NameRecord& r : listing.records) {
        names.push_back(r.name);
    }
    return names;
}

NameSearch searchFor(std::string text, bool exact = false, bool caseSensitive = false) {
    NameSearch s;
    s.text = std::move(text);
    s.exact = exact;
    s.caseSensitive = caseSensitive;
    return s;
}

NameSearch nameOnly(NameSearch s) {
    s.fields.fill(false);
    s.fields[0] = true;
    return s;
}

} // namespace

TEST(PassesNameFilter, FourStepsEachCarryingTheVerdict) {
    const NameFilter all;
    const struct Case {
        const char* what;
        NameRecord record;
        NameFilter filter;
        bool passes;
    } cases[] = {
        {"all ticked", record("Jan"), all, true},
        {"all ticked, every field ---", substituteNameRecord("Xaver"), all, true},
        {"all ticked, values no item holds", record("Ixi", "jiné", "marťanský", "občas", "žádný"),
         all, true},
        {"--- origin cleared", record("Jan", "mužské", "---"), filter(NameKindChoice::Both, "---"),
         false},
        {"another origin cleared", record("Jan"), filter(NameKindChoice::Both, "řecký"), true},
        {"usage cleared", record("Jan"), filter(NameKindChoice::Both, {}, "běžně užíváno"), false},
        {"calendar cleared", record("Jan"),
         filter(NameKindChoice::Both, {}, {}, "katolický kalendář"), false},
        {"male kind", record("Jan"), filter(NameKindChoice::Male), true},
        {"female kind", record("Eva", "ženské"), filter(NameKindChoice::Female), true},
        {"male filter, female record, all items ticked", record("Eva", "ženské"),
         filter(NameKindChoice::Male), false},
        {"female filter, a kind in other case", record("Eva", "Ženské"),
         filter(NameKindChoice::Female), false},
        // The origin matches no item, so it keeps the kind step's false: two steps fail.
        {"male filter, female record, unknown origin", record("Eva", "ženské", "marťanský"),
         filter(NameKindChoice::Male), false},
        {"both kinds, unknown origin", record("Eva", "ženské", "marťanský"), all, true},
        // A cleared origin makes the verdict false; a usage in no item keeps it false.
        {"origin cleared, unknown usage", record("Jan", "mužské", "český", "občas"),
         filter(NameKindChoice::Both, "český"), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(passesNameFilter(c.record, c.filter), c.passes) << c.what;
    }
}

TEST(Hledej, MatchRuleFoldsOnlyAsciiLetters) {
    TempFolder app;
    writeLetters(app, {{'B', {record("Bojan"), record("Bára", "ženské")}},
                       {'J',
                        {record("Jan"), record("Jana", "ženské"), record("JAN"),
                         record("jAn-Pavel"), record("Jarmila", "ženské")}},
                       {'S', {record("Šárka", "ženské"), record("Sára?", "ženské")}}});
    const struct Case {
        NameSearch search;
        std::vector<std::string> found;
    } cases[] = {
        {nameOnly(searchFor("jan")), {"Bojan", "Jan", "Jana", "JAN", "jAn-Pavel"}},
        {nameOnly(searchFor("jan", true)), {"Jan", "JAN"}},
        {nameOnly(searchFor("Jan", true, true)), {"Jan"}},
        {nameOnly(searchFor("jan", false, true)), {"Bojan"}},
        {nameOnly(searchFor("JAN", false, true)), {"JAN"}},
        {nameOnly(searchFor("šárka")), {}},
        {nameOnly(searchFor("ŠÁRKA")), {}},
        {nameOnly(searchFor("ŠáRKA", true)), {"Šárka"}},
        {nameOnly(searchFor("?")), {"Sára?"}},
        {nameOnly(searchFor("☺")), {}}, // no Windows-1250 text holds it; not a '?'
        // Every field is searched: "ženské" is the kind of these four.
        {searchFor("ženské", true), {"Bára", "Jana", "Jarmila", "Šárka", "Sára?"}},
    };
    for (const Case& c : cases) {
        const NameListing listing = hledej(app.path(), c.search, NameFilter{});
        EXPECT_FALSE(listing.error) << c.search.text;
        EXPECT_EQ(namesOf(listing), c.found) << c.search.text;
    }
}

TEST(Hledej, OnlyTheTickedFields) {
    TempFolder app;
    NameRecord honza = record("Jan");
    honza.domesticForms = "Honza, Jeník";
    NameRecord hana = record("Hana", "ženské");
    hana.meaning = "milost, Honzova sestra";
    writeLetters(app, {{'H', {hana}}, {'J', {honza}}});

    NameSearch s = searchFor("honz");
    EXPECT_EQ(namesOf(hledej(app.path(), s, {})), (std::vector<std::string>{"Hana", "Jan"}));
    s.fields.fill(false);
    s.fields[3] = true; // domestic forms
    EXPECT_EQ(namesOf(hledej(app.path(), s, {})), std::vector<std::string>{"Jan"});
    s.fields[3] = false;
    s.fields[5] = true; // meaning
    EXPECT_EQ(namesOf(hledej(app.path(), s, {})), std::vector<std::string>{"Hana"});
}

TEST(Hledej, WithTheFilterFindsTheSubsetThatPasses) {
    TempFolder app;
    writeLetters(
        app, {{'B', {record("Bojan", "mužské", "jihoslovanský")}},
              {'J', {record("Jan"), record("Jana", "ženské"), record("Janek", "mužské", "---")}}});
    const NameFilter menNoDash = filter(NameKindChoice::Male, "---");
    NameSearch s = nameOnly(searchFor("jan"));
    EXPECT_EQ(namesOf(hledej(app.path(), s, menNoDash)),
              (std::vector<std::string>{"Bojan", "Jan", "Jana", "Janek"}));
    s.useFilter = true;
    EXPECT_EQ(namesOf(hledej(app.path(), s, menNoDash)),
              (std::vector<std::string>{"Bojan", "Jan"}));
}

TEST(Hledej, AFailingLetterFileStopsTheSearchAndKeepsWhatWasFound) {
    TempFolder app;
    writeLetters(app,
                 {{'A', {record("Adam")}}, {'K', {record("Karel")}}, {'M', {record("Marek")}}});
    NameSearch s = searchFor("a");

    std::filesystem::remove(nameFilePath(app.path(), "L"));
    NameListing listing = hledej(app.path(), s, {});
    EXPECT_EQ(namesOf(listing), (std::vector<std::string>{"Adam", "Karel"}));
    ASSERT_TRUE(listing.error);
    EXPECT_TRUE(listing.error->notFound());
    EXPECT_EQ(listing.error->where, nameFilePath(app.path(), "L").string());

    // A record cut short: the whole ones before it still count.
    writeLetters(app, {{'A', {record("Adam")}}, {'K', {record("Karel"), record("Kamil")}}});
    std::filesystem::resize_file(nameFilePath(app.path(), "K"), kNameRecordSize + 100);
    listing = hledej(app.path(), s, {});
    EXPECT_EQ(namesOf(listing), (std::vector<std::string>{"Adam", "Karel"}));
    ASSERT_TRUE(listing.error);
    EXPECT_FALSE(listing.error->notFound());
    EXPECT_EQ(listing.error->where, nameFilePath(app.path(), "K").string());
}

TEST(Hledej, NothingToSearchReadsNothing) {
    TempFolder app; // no letter files at all
    NameSearch noFields = searchFor("jan");
    noFields.fields.fill(false);
    for (const NameSearch& s : {searchFor(""), noFields}) {
        EXPECT_FALSE(hasSomethingToSearch(s));
        const NameListing listing = hledej(app.path(), s, {});
        EXPECT_TRUE(listing.records.empty());
        EXPECT_FALSE(listing.error);
    }
    EXPECT_TRUE(hasSomethingToSearch(searchFor("j")));
}

TEST(BrowseNameLetter, FileOrderUnderTheFilterOrNone) {
    TempFolder app;
    writeLetters(app, {{'E', {record("Emil"), record("Eva", "ženské"), record("Ema", "ženské")}}});
    const NameFilter women = filter(NameKindChoice::Female);
    EXPECT_EQ(namesOf(browseNameLetter(app.path(), "E", nullptr)),
              (std::vector<std::string>{"Emil", "Eva", "Ema"}));
    EXPECT_EQ(namesOf(browseNameLetter(app.path(), "E", &women)),
              (std::vector<std::string>{"Eva", "Ema"}));
    EXPECT_TRUE(browseNameLetter(app.path(), "F", &women).records.empty());

    std::filesystem::resize_file(nameFilePath(app.path(), "E"), 2 * kNameRecordSize + 1);
    const NameListing cut = browseNameLetter(app.path(), "E", nullptr);
    EXPECT_EQ(namesOf(cut), (std::vector<std::string>{"Emil", "Eva"}));
    ASSERT_TRUE(cut.error);
    EXPECT_FALSE(cut.error->notFound());

    // A length byte no writer writes: the records before it, and the error with its place.
    std::string bytes = encodeNameRecords({record("Emil"), record("Eva"), record("Ema")});
    bytes[kNameRecordSize + 21] = static_cast<char>(7); // the kind holds 6 characters
    std::ofstream(nameFilePath(app.path(), "E"), std::ios::binary | std::ios::trunc) << bytes;
    const NameListing damaged = browseNameLetter(app.path(), "E", nullptr);
    EXPECT_EQ(namesOf(damaged), (std::vector<std::string>{"Emil"}));
    ASSERT_TRUE(damaged.error);
    EXPECT_EQ(damaged.error->text(),
              nameFilePath(app.path(), "E").string() + ": poškozený záznam (bajt 527)");
    const NameListing searched = hledej(app.path(), searchFor("e"), {});
    ASSERT_TRUE(searched.error);
    EXPECT_EQ(searched.error->text(), damaged.error->text());

    std::filesystem::remove(nameFilePath(app.path(), "E"));
    const NameListing missing = browseNameLetter(app.path(), "E", nullptr);
    EXPECT_TRUE(missing.records.empty());
    ASSERT_TRUE(missing.error);
    EXPECT_TRUE(missing.error->notFound());
    EXPECT_TRUE(browseNameLetter(app.path(), "../E", nullptr).error->notFound());
}
