#include "report/reportpeople.h"

#include "tests/report/reportfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using namespace tarvenik::test;

namespace {

const std::string kCalendar = "[Svátky]\r\n5.3.=Miroslav\r\n24.12.=Adam a Eva\r\n";

} // namespace

TEST(ReportPeople, LoadsBothPersonsWithNameDaysAndNumbers) {
    ReportFolder app;
    app.text("Svatky.ini", kCalendar);
    const auto jan = app.person(person("Miroslav", "Novák", 1975, 3, 5, 0, true, 7, 5));
    const auto eva = app.person(person("Eva", "Malá", 1980, 1, 1, 1));
    const LoadedPeople loaded = loadReportPeople(app.path(), app.userPath(), jan, eva, 2026);
    EXPECT_TRUE(loaded.problems.empty());
    const ReportPeople& p = loaded.people;
    EXPECT_TRUE(p.hasPartner);
    EXPECT_EQ(p.user.person.firstName, "Miroslav");
    EXPECT_TRUE(p.user.hasNameDay);
    EXPECT_EQ(p.user.nameDayDate, *DateTime::fromDate(2000, 3, 5));
    EXPECT_TRUE(p.partner.hasNameDay);
    EXPECT_EQ(p.partner.nameDayDate, *DateTime::fromDate(2000, 12, 24));
    EXPECT_EQ(p.user.numbers, numerologyNumbers(5, 3, 1975, "Miroslav", "Novák", 2026));
    EXPECT_EQ(&p.of(Side::Partner), &p.partner);
    const BirthData b = p.user.birth();
    EXPECT_EQ((std::array<int, 5>{b.day, b.month, b.year, b.hour, b.minute}),
              (std::array<int, 5>{5, 3, 1975, 7, 5}));
    EXPECT_EQ(b.nameDay, p.user.nameDayDate);
}

TEST(ReportPeople, WithoutPartnerRecordThePartnerStaysEmpty) {
    ReportFolder app;
    app.text("Svatky.ini", kCalendar);
    const auto adam = app.person(person("Adam", "Novák", 1975, 3, 5, 0));
    const LoadedPeople loaded =
        loadReportPeople(app.path(), app.userPath(), adam, std::nullopt, 2026);
    EXPECT_FALSE(loaded.people.hasPartner);
    EXPECT_TRUE(loaded.people.user.hasNameDay);
    EXPECT_FALSE(loaded.people.partner.hasNameDay);
    EXPECT_TRUE(loaded.people.partner.person.firstName.empty());
}

TEST(ReportPeople, MissingRecordReadsAsDefaultsAndLongNamesAreCut) {
    ReportFolder app;
    app.text("Svatky.ini", kCalendar);
    const std::string longName = "Maximiliánaaaaaaaaaaaaaaaaaaaaaaaaa"; // 35 characters
    const auto record = app.person(person(longName.c_str(), "Nová", 1990, 5, 5, 1));
    const LoadedPeople loaded =
        loadReportPeople(app.path(), app.userPath(), record, "Nikdo 1.1.2000 00:00", 2026);
    EXPECT_TRUE(loaded.problems.empty()); // a missing record is no error
    EXPECT_EQ(loaded.people.user.person.firstName, cutChars(longName, 30));
    const Person& nobody = loaded.people.partner.person;
    EXPECT_EQ(nobody, (Person{"", "", *DateTime::fromDate(1980, 2, 1), 0, 0, false, -1}));
}

TEST(ReportPeople, ProblemsComeOnceEachAndInOrder) {
    struct Case {
        const char* name;
        void (*spoil)(const ReportFolder&);
        std::vector<ReportProblemKind> kinds;
        bool notFound;
    };
    const Case cases[] = {
        {"calendar missing", [](const ReportFolder&) {}, {ReportProblemKind::NameDays}, true},
        {"calendar unreadable",
         [](const ReportFolder& a) { a.spoil("Svatky.ini"); },
         {ReportProblemKind::NameDays},
         false},
        {"person file unreadable",
         [](const ReportFolder& a) {
             a.text("Svatky.ini", kCalendar);
             a.spoil("home/Udaje.ini");
         },
         {ReportProblemKind::PersonFile}, // once, though both persons read it
         false},
    };
    for (const Case& c : cases) {
        ReportFolder app;
        const auto jan = app.person(person("Jan", "Novák", 1975, 3, 5, 0));
        c.spoil(app);
        const LoadedPeople loaded = loadReportPeople(app.path(), app.userPath(), jan, jan, 2026);
        std::vector<ReportProblemKind> kinds;
        for (const ReportProblem& p : loaded.problems) {
            kinds.push_back(p.kind);
            EXPECT_EQ(p.error.notFound(), c.notFound) << c.name;
        }
        EXPECT_EQ(kinds, c.kinds) << c.name;
        EXPECT_FALSE(loaded.people.user.hasNameDay) << c.name;
    }
}

TEST(ReportPeople, NameRecordsFallBackToTheSubstituteWithAProblemEach) {
    ReportFolder app;
    const auto jan = app.person(person("Jan", "Novák", 1975, 3, 5, 0));
    const auto aja = app.person(person("Ája", "Nová", 1990, 5, 5, 1));
    std::filesystem::create_directories(nameFilePath(app.path(), "J").parent_path());
    NameRecord janRecord = substituteNameRecord("Jan");
    janRecord.kind = "mužské";
    ASSERT_TRUE(writeNameFile(nameFilePath(app.path(), "J"), {janRecord}));

    ReportPeople people = loadReportPeople(app.path(), app.userPath(), jan, aja, 2026).people;
    auto problems = lookUpNameRecords(app.path(), people);
    EXPECT_EQ(people.user.record, janRecord);
    EXPECT_EQ(people.partner.record, substituteNameRecord("Ája"));
    ASSERT_EQ(problems.size(), 1u); // Á has no letter file
    EXPECT_EQ(problems[0].kind, ReportProblemKind::NameRecord);
    EXPECT_TRUE(problems[0].error.notFound());

    app.spoil(nameFilePath(app.path(), "J").lexically_relative(app.path()));
    people.hasPartner = false; // only the user is looked up
    problems = lookUpNameRecords(app.path(), people);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_FALSE(problems[0].error.notFound());
    EXPECT_EQ(people.user.record, substituteNameRecord("Jan"));
}

TEST(ReportPeople, OutlookYearChangesOnlyThePersonalYear) {
    ReportFolder app;
    const auto jan = app.person(person("Jan", "Novák", 1975, 3, 5, 0));
    ReportPeople people = loadReportPeople(app.path(), app.userPath(), jan, jan, 2026).people;
    NumerologyNumbers expected = people.user.numbers;
    EXPECT_EQ(expected.personalYear, 9);
    setOutlookYear(people, 2027);
    expected.personalYear = 1;
    EXPECT_EQ(people.user.numbers, expected);
    EXPECT_EQ(people.partner.numbers, expected);
}

TEST(ReportPeople, HeaderLines) {
    struct Case {
        Person person;
        const char* header;
    } cases[] = {
        {person("Adam", "Novák", 1975, 3, 5, -1), "Adam Novák - středa, 5.3.1975"},
        {person("Jan", "Novák", 1975, 3, 5, 0, true, 7, 5),
         "Jan Novák - středa, 5.3.1975 (07:05 hod.)"},
        {person("Eva", "Malá", 1980, 1, 1, 1, true, 12, 0),
         "Eva Malá - úterý, 1.1.1980 (12:00 hod.)"},
        {person("Ida", "Stará", 812, 12, 31, 1, true, 0, 0),
         "Ida Stará - pondělí, 31.12.812 (00:00 hod.)"},
        {Person{"", "", *DateTime::fromDate(1980, 2, 1), 0, 0, false, -1}, "  - pátek, 1.2.1980"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(headerLine(c.person), c.header);
    }
}

TEST(ReportPeople, OnlyAManGetsTheMaleIcon) {
    EXPECT_FALSE(showsFemaleIcon(0));
    for (int sex : {1, -1, 2}) {
        EXPECT_TRUE(showsFemaleIcon(sex)) << sex;
    }
}
