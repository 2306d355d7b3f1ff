#include "data/namedays.h"

#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

DateTime date(int y, int m, int d) {
    return *DateTime::fromDate(y, m, d);
}

// Writes a calendar the way the shipped one is stored: Windows-1250, CR LF.
void writeCalendar(const TempFolder& dir, const std::string& name,
                   std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& l : lines) {
        text += l + "\r\n";
    }
    dir.write(name, encode1250(text));
}

const std::initializer_list<std::string> kCalendar = {
    "[Svátky]",     "1.1.=Nový rok", "11.1.=Bohdana", "21.1.=Běla",
    "31.1.=Marika", "10.3.=Alena",   "5.3.=Miroslav", "29.2.=Horymír",
    "17.8.=Helena", "12.4.=Čeněk",   "28.1.=Karel",   "4.11.=Karel, Karla",
};

std::vector<std::string> keysOf(const std::vector<NameDayEntry>& entries) {
    std::vector<std::string> keys;
    for (const auto& e : entries) {
        keys.push_back(e.key);
    }
    return keys;
}

} // namespace

TEST(NameDays, KeysHaveNoLeadingZeros) {
    EXPECT_EQ(nameDayKey(date(2024, 2, 29)), "29.2.");
    EXPECT_EQ(nameDayKey(date(2025, 3, 5)), "5.3.");
    EXPECT_EQ(nameDayKey(date(2026, 12, 24)), "24.12.");
}

TEST(NameDays, NamesForDate) {
    TempFolder dir;
    writeCalendar(dir, "Svatky.ini", kCalendar);
    EXPECT_EQ(**namesForDate(dir.path(), date(2024, 2, 29)), "Horymír");
    EXPECT_EQ(**namesForDate(dir.path(), date(2025, 3, 5)), "Miroslav");
    EXPECT_EQ(**namesForDate(dir.path(), date(2025, 1, 1)), "Nový rok");
    const auto absent = namesForDate(dir.path(), date(2025, 6, 6));
    ASSERT_TRUE(absent);
    EXPECT_FALSE(*absent);
}

TEST(NameDays, NamesForDateReadsOnlyTheStandardFile) {
    TempFolder dir;
    writeCalendar(dir, "SvatkyEx.ini", kCalendar);
    const auto r = namesForDate(dir.path(), date(2025, 1, 1));
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.error().notFound());
    EXPECT_EQ(r.error().where, (dir / "Svatky.ini").string());
}

TEST(NameDays, NameDayOfName) {
    TempFolder dir;
    writeCalendar(dir, "Svatky.ini", kCalendar);
    struct Case {
        const char* name;
        std::optional<DayMonth> expected;
    };
    const Case cases[] = {
        {"Miroslav", DayMonth{5, 3}}, {"čeněk", DayMonth{12, 4}}, // whole-alphabet folding
        {"Lena", DayMonth{17, 8}},    // substring, last match wins over Alena
        {"Horymír", DayMonth{29, 2}}, // a name day valid only in leap years
        {"Karel", DayMonth{28, 1}},   // the line that is just the name beats a later "Karel, Karla"
        {"Xaver", std::nullopt},      {"", std::nullopt},
        {"SVÁTKY", std::nullopt}, // only the header holds it: no day
        {"1.", DayMonth{4, 11}},  // the key is part of the line, too: 4.11. is last
    };
    for (const Case& c : cases) {
        const auto r = nameDayOfName(dir.path(), c.name);
        ASSERT_TRUE(r) << c.name;
        EXPECT_EQ(r->first, c.expected) << c.name;
        EXPECT_FALSE(r->second) << c.name;
    }
}

TEST(NameDays, TheNameItselfBeatsLongerNamesThatContainIt) {
    TempFolder dir;
    writeCalendar(dir, "Svatky.ini",
                  {"[Svátky]", "22.2.=Petr", "24.6.=Jan", "29.6.=Petr a Pavel",
                   "6.7.=Mistr Jan Hus", "17.8.=Petra", "24.12.=Adam a Eva, Štědrý den",
                   "27.12.=Žaneta"});
    struct Case {
        const char* name;
        DayMonth expected;
    };
    for (const Case& c : {Case{"Petr", {22, 2}}, Case{"Jan", {24, 6}}, Case{"Petra", {17, 8}},
                          Case{"Pavel", {29, 6}}, Case{"eva", {24, 12}}, Case{"Hus", {6, 7}},
                          Case{"Žan", {27, 12}}, Case{"Ada", {24, 12}}}) {
        const auto r = nameDayOfName(dir.path(), c.name, c.name);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->first, c.expected) << c.name;
        EXPECT_EQ(r->second, c.expected) << c.name;
    }
}

TEST(NameDays, OnePassForPersonAndPartner) {
    TempFolder dir;
    writeCalendar(dir, "Svatky.ini", kCalendar);
    const auto r = nameDayOfName(dir.path(), "alena", "BĚLA");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, (DayMonth{10, 3}));
    EXPECT_EQ(r->second, (DayMonth{21, 1}));
}

TEST(NameDays, InvalidKeyNeverReplacesAValidMatch) {
    TempFolder dir;
    writeCalendar(dir, "Svatky.ini",
                  {"[Svátky]", "3.2.=Blažej", "poznámka: Blažej", "30.2.=Blažej", "3.2.x=Blažej",
                   "=Blažej", "Blažej"});
    const auto r = nameDayOfName(dir.path(), "Blažej");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, (DayMonth{3, 2}));
}

TEST(NameDays, MissingFileIsNotFoundAndAnUnreadableOneIsAFailure) {
    TempFolder dir;
    const auto missing = nameDayOfName(dir.path(), "Karel");
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().notFound());
    const auto entries = loadNameDayEntries(dir.path(), NameDayFile::Extended);
    ASSERT_FALSE(entries);
    EXPECT_TRUE(entries.error().notFound());
    std::filesystem::create_directory(dir / "Svatky.ini");
    for (const Error& e : {nameDayOfName(dir.path(), "Karel").error(),
                           namesForDate(dir.path(), date(2025, 1, 1)).error()}) {
        EXPECT_FALSE(e.notFound()) << e.text();
        EXPECT_EQ(e.where, (dir / "Svatky.ini").string());
    }
}

TEST(NameDays, ParseKey) {
    EXPECT_EQ(parseNameDayKey("29.2."), (DayMonth{29, 2}));
    EXPECT_EQ(parseNameDayKey(" 24.12. "), (DayMonth{24, 12}));
    for (const char* bad : {"", "[Svátky]", "1.1", "32.1.", "1.13.", "0.1.", "1.1.1.", "a.b.",
                            "-1.1.", "+1.1.", "123.1."}) {
        EXPECT_FALSE(parseNameDayKey(bad)) << bad;
    }
}

TEST(NameDays, LoadEntriesDropsOnlyTheHeader) {
    TempFolder dir;
    writeCalendar(dir, "SvatkyEx.ini",
                  {"[Svátky]", "1.1.=Nový rok", "", "bez rovnítka", "2.1.=A=B"});
    const auto r = loadNameDayEntries(dir.path(), NameDayFile::Extended);
    ASSERT_TRUE(r);
    const std::vector<NameDayEntry> expected = {
        {"1.1.", "Nový rok"}, {"", ""}, {"", ""}, {"2.1.", "A=B"}};
    EXPECT_EQ(*r, expected);
}

TEST(NameDays, Filter) {
    TempFolder dir;
    writeCalendar(dir, "Svatky.ini", kCalendar);
    struct Case {
        NameDayQuery query;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        {{NameDayField::Date, "1.1.", false, false}, {"1.1.", "11.1.", "21.1.", "31.1."}},
        {{NameDayField::Date, "1.1.", true, true}, {"1.1."}},
        {{NameDayField::Names, "Karel", true, true}, {"28.1."}},
        {{NameDayField::Names, "karel", true, false}, {"28.1."}},
        {{NameDayField::Names, "karel", false, false}, {"28.1.", "4.11."}},
        {{NameDayField::Names, "karel", false, true}, {}},
        {{NameDayField::Names, "čeněk", false, false}, {}}, // folds a-z only
        {{NameDayField::Names, "ČENĚK", false, false}, {}},
        {{NameDayField::Names, "Čeněk", false, true}, {"12.4."}},
        {{NameDayField::Names, "", false, false}, {}},
        {{NameDayField::Names, "", true, true}, {}},
        {{NameDayField::Names, "lena", false, false}, {"10.3.", "17.8."}},
    };
    for (const Case& c : cases) {
        const auto r = filterNameDayEntries(dir.path(), NameDayFile::Standard, c.query);
        ASSERT_TRUE(r);
        EXPECT_EQ(keysOf(*r), c.keys) << c.query.text;
    }
}
