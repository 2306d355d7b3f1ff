#include "data/reminders.h"

#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

DateTime date(int y, int m, int d) {
    return *DateTime::fromDate(y, m, d);
}

RemindedPerson born(const char* first, DateTime birth, std::optional<DayMonth> nameDay = {}) {
    return {Person{first, "Nováková", birth, 7, 5, true, 1}, nameDay};
}

// "d.M.yyyy who what when" per row, for comparing whole tables at once.
std::vector<std::string> rows(const std::vector<Reminder>& reminders) {
    std::vector<std::string> out;
    for (const Reminder& r : reminders) {
        out.push_back(r.date.shortDate() + " " + r.who + " " + reminderWhat(r) + " " +
                      reminderWhen(r.daysAhead));
    }
    return out;
}

using Rows = std::vector<std::string>;

} // namespace

TEST(Reminders, AcrossTheYearEndInDateOrder) {
    const std::vector<RemindedPerson> persons = {
        born("Ema", date(1980, 1, 5), DayMonth{2, 1}),
        born("Eva", date(2000, 12, 24), DayMonth{24, 12}),
        born("Iva", date(1990, 6, 1), DayMonth{20, 12}),
    };
    EXPECT_EQ(
        rows(upcomingDays(persons, date(2026, 12, 20), 30)),
        (Rows{"20.12.2026 Iva Nováková svátek dnes",
              "24.12.2026 Eva Nováková narozeniny – 26 let za 4 dny",
              "24.12.2026 Eva Nováková svátek za 4 dny", "2.1.2027 Ema Nováková svátek za 13 dnů",
              "5.1.2027 Ema Nováková narozeniny – 47 let za 16 dnů"}));
    // The window counts today as its first day: 5.1. is the 17th day.
    EXPECT_EQ(upcomingDays(persons, date(2026, 12, 20), 17).size(), 5U);
    EXPECT_EQ(upcomingDays(persons, date(2026, 12, 20), 16).size(), 4U);
    EXPECT_EQ(rows(upcomingDays(persons, date(2026, 12, 20), 1)),
              (Rows{"20.12.2026 Iva Nováková svátek dnes"}));
}

TEST(Reminders, LeapDayFallsOn28FebruaryInCommonYears) {
    const std::vector<RemindedPerson> persons = {
        born("Horymíra", date(1996, 2, 29), DayMonth{29, 2})};
    EXPECT_EQ(rows(upcomingDays(persons, date(2027, 2, 27), 3)),
              (Rows{"28.2.2027 Horymíra Nováková narozeniny – 31 let zítra",
                    "28.2.2027 Horymíra Nováková svátek zítra"}));
    EXPECT_EQ(rows(upcomingDays(persons, date(2028, 2, 28), 3)),
              (Rows{"29.2.2028 Horymíra Nováková narozeniny – 32 let zítra",
                    "29.2.2028 Horymíra Nováková svátek zítra"}));
    // Just after 28 February of a common year the next one is a whole leap year away.
    const auto later = upcomingDays(persons, date(2027, 3, 1), kReminderDaysMax);
    ASSERT_EQ(later.size(), 2U);
    EXPECT_EQ(later[0].date, date(2028, 2, 29));
    EXPECT_EQ(later[0].daysAhead, 365);
}

TEST(Reminders, TheDayOfBirthIsNoBirthday) {
    const DateTime today = date(2026, 12, 8);
    const std::vector<RemindedPerson> persons = {born("Květoslava", today, DayMonth{8, 12})};
    EXPECT_EQ(rows(upcomingDays(persons, today, 30)),
              (Rows{"8.12.2026 Květoslava Nováková svátek dnes"}));
    EXPECT_EQ(rows(upcomingDays(persons, today, kReminderDaysMax)),
              (Rows{"8.12.2026 Květoslava Nováková svátek dnes",
                    "8.12.2027 Květoslava Nováková narozeniny – 1 rok za 365 dnů"}));
    // A year later the first birthday is today.
    EXPECT_TRUE(anyToday(upcomingDays({born("Květoslava", today)}, date(2027, 12, 8), 1)));
    EXPECT_FALSE(anyToday(upcomingDays({born("Květoslava", today)}, today, kReminderDaysMax)));
}

TEST(Reminders, CzechCountForms) {
    const std::pair<int, const char*> when[] = {
        {0, "dnes"},     {1, "zítra"},      {2, "za 2 dny"},   {4, "za 4 dny"},
        {5, "za 5 dnů"}, {21, "za 21 dnů"}, {22, "za 22 dnů"}, {365, "za 365 dnů"}};
    for (const auto& [days, text] : when) {
        EXPECT_EQ(reminderWhen(days), text);
    }
    const std::pair<int, const char*> age[] = {{1, "narozeniny – 1 rok"},
                                               {3, "narozeniny – 3 roky"},
                                               {5, "narozeniny – 5 let"},
                                               {21, "narozeniny – 21 let"},
                                               {47, "narozeniny – 47 let"}};
    for (const auto& [years, text] : age) {
        EXPECT_EQ(reminderWhat(Reminder{{}, 0, "", ReminderKind::Birthday, years}), text);
    }
}

TEST(Reminders, NameDaysFromTheCalendarFoundAndNot) {
    TempFolder dir; // the program's folder, with the user's files in a folder of their own
    const auto home = dir / "home";
    std::filesystem::create_directory(home);
    dir.write("home/Udaje.ini",
              encode1250("[Nováková Šárka 5.3.1975 07:05]\r\nJmeno=Šárka\r\nPrijmeni=Nováková\r\n"
                         "Datum=5.3.1975\r\nPresnyCas=1\r\nCas=7:05:00\r\nPohlavi=1\r\n"
                         "[Mráz Xaver 1.4.1960 00:00]\r\nJmeno=Xaver\r\nPrijmeni=Mráz\r\n"
                         "Datum=1.4.1960\r\n"
                         "[Dvořák Šárka 2.2.2002 00:00]\r\nJmeno=šárka\r\nPrijmeni=Dvořák\r\n"
                         "Datum=2.2.2002\r\n"));
    const auto withoutCalendar = loadRemindedPersons(dir.path(), home);
    ASSERT_TRUE(withoutCalendar);
    EXPECT_FALSE(withoutCalendar->nameDayFileFound);
    ASSERT_EQ(withoutCalendar->persons.size(), 3U);
    for (const RemindedPerson& p : withoutCalendar->persons) {
        EXPECT_FALSE(p.nameDay) << p.person.firstName;
    }

    dir.write("Svatky.ini", encode1250("[Svátky]\r\n7.1.=Vilma\r\n21.10.=Brigita\r\n"
                                       "22.10.=Šárka\r\n1.4.=Hugo\r\n"));
    const auto loaded = loadRemindedPersons(dir.path(), home);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->nameDayFileFound);
    ASSERT_EQ(loaded->persons.size(), 3U);
    EXPECT_EQ(loaded->persons[0].person.birthDate, date(1975, 3, 5));
    EXPECT_EQ(loaded->persons[0].nameDay, (DayMonth{22, 10}));
    EXPECT_FALSE(loaded->persons[1].nameDay); // Xaver is not in this calendar
    EXPECT_EQ(loaded->persons[2].nameDay, (DayMonth{22, 10}));
    EXPECT_EQ(rows(upcomingDays(loaded->persons, date(2026, 10, 20), 3)),
              (Rows{"22.10.2026 Šárka Nováková svátek za 2 dny",
                    "22.10.2026 šárka Dvořák svátek za 2 dny"}));
}

TEST(Reminders, NoPersonFileMeansNoReminders) {
    TempFolder dir;
    const auto loaded = loadRemindedPersons(dir.path(), dir.path());
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->persons.empty());
    EXPECT_TRUE(upcomingDays(loaded->persons, date(2026, 1, 1), kReminderDaysMax).empty());
}
