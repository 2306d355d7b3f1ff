#include "data/persons.h"

#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

DateTime date(int y, int m, int d) {
    return *DateTime::fromDate(y, m, d);
}

Person person(std::string first, std::string last, DateTime born, int h = 0, int mi = 0,
              bool exact = false, int sex = 0) {
    return Person{std::move(first), std::move(last), born, h, mi, exact, sex};
}

const DateTime kDialogDefault = date(1980, 1, 1);
const DateTime kReportDefault = date(1980, 2, 1);

} // namespace

TEST(Persons, RecordName) {
    EXPECT_EQ(recordNameOf(person("Jan", "Novák", date(1975, 3, 5))), "Novák Jan 5.3.1975 00:00");
    EXPECT_EQ(recordNameOf(person("Eva", "Malá", date(2001, 12, 24), 7, 5)),
              "Malá Eva 24.12.2001 07:05");
    EXPECT_EQ(recordNameOf(person(" a ", "", date(1980, 1, 1), 23, 59)), "  a  1.1.1980 23:59");
}

TEST(Persons, BirthMomentAddsTheTime) {
    const Person p = person("Jan", "Novák", date(1975, 3, 5), 14, 30);
    EXPECT_EQ(birthMoment(p), *DateTime::fromDate(1975, 3, 5, 14, 30));
}

TEST(Persons, EvaMalaFileIsByteExact) {
    TempFolder dir;
    const auto name =
        writePerson(dir.path(), person("Eva", "Malá", date(1980, 1, 1), 0, 0, false, 1));
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, "Malá Eva 1.1.1980 00:00");
    EXPECT_EQ(dir.read("Udaje.ini"), "[Mal\xE1 Eva 1.1.1980 00:00]\r\n"
                                     "Jmeno=Eva\r\n"
                                     "Prijmeni=Mal\xE1\r\n"
                                     "Datum=1.1.1980\r\n"
                                     "PresnyCas=0\r\n"
                                     "Cas=0:00:00\r\n"
                                     "Pohlavi=1\r\n");
}

TEST(Persons, WriteReadRoundTrip) {
    TempFolder dir;
    const Person p = person("Šárka Marie", "Dvořáková-Nová", date(1975, 12, 24), 7, 5, true, 1);
    ASSERT_TRUE(writePerson(dir.path(), p));
    const auto back = readPerson(dir.path(), recordNameOf(p), kDialogDefault);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p);
    EXPECT_NE(dir.read("Udaje.ini").find("Cas=7:05:00\r\n"), std::string::npos);
}

TEST(Persons, SameRecordNameKeepsOneSectionWithLastData) {
    TempFolder dir;
    ASSERT_TRUE(writePerson(dir.path(), person("Eva", "Malá", date(1980, 1, 1), 0, 0, false, 1)));
    ASSERT_TRUE(writePerson(dir.path(), person("Eva", "Malá", date(1980, 1, 1), 0, 0, true, 0)));
    const auto names = listPersons(dir.path());
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, std::vector<std::string>{"Malá Eva 1.1.1980 00:00"});
    const auto p = readPerson(dir.path(), "Malá Eva 1.1.1980 00:00", kDialogDefault);
    EXPECT_EQ(p->sex, 0);
    EXPECT_TRUE(p->exactTime);
}

TEST(Persons, EditingMovesTheSectionToTheEnd) {
    TempFolder dir;
    const Person eva = person("Eva", "Malá", date(1980, 1, 1), 0, 0, false, 1);
    const Person jan = person("Jan", "Novák", date(1975, 3, 5));
    ASSERT_TRUE(writePerson(dir.path(), eva));
    ASSERT_TRUE(writePerson(dir.path(), jan));

    // Only the sex changes: same record name, but now at the end.
    Person edited = eva;
    edited.sex = 0;
    ASSERT_TRUE(erasePerson(dir.path(), recordNameOf(eva)));
    ASSERT_TRUE(writePerson(dir.path(), edited));
    EXPECT_EQ(*listPersons(dir.path()),
              (std::vector<std::string>{"Novák Jan 5.3.1975 00:00", "Malá Eva 1.1.1980 00:00"}));

    // The time changes: the old section goes, a new one ends the file.
    Person later = jan;
    later.birthHour = 14;
    later.birthMinute = 30;
    ASSERT_TRUE(erasePerson(dir.path(), recordNameOf(jan)));
    ASSERT_TRUE(writePerson(dir.path(), later));
    EXPECT_EQ(*listPersons(dir.path()),
              (std::vector<std::string>{"Malá Eva 1.1.1980 00:00", "Novák Jan 5.3.1975 14:30"}));
}

TEST(Persons, DefaultsComeFromTheCaller) {
    TempFolder dir;
    dir.write("Udaje.ini",
              "[X]\r\nJmeno=Petr\r\nDatum=31.2.1980\r\nCas=25:00:00\r\nPresnyCas=ano\r\n"
              "[Y]\r\nPohlavi=žena\r\nPresnyCas=5\r\nCas=7:05\r\n");
    const auto viaDialog = readPerson(dir.path(), "X", kDialogDefault);
    const auto viaReport = readPerson(dir.path(), "x", kReportDefault);
    EXPECT_EQ(viaDialog->firstName, "Petr");
    EXPECT_EQ(viaDialog->birthDate, kDialogDefault);
    EXPECT_EQ(viaReport->birthDate, kReportDefault);
    EXPECT_EQ(viaDialog->birthHour, 0);
    EXPECT_FALSE(viaDialog->exactTime);
    EXPECT_EQ(viaDialog->sex, -1);

    const auto y = readPerson(dir.path(), "Y", kDialogDefault);
    EXPECT_EQ(y->sex, -1);
    EXPECT_TRUE(y->exactTime);
    EXPECT_EQ(y->birthHour, 7);
    EXPECT_EQ(y->birthMinute, 5);

    const auto nobody = readPerson(dir.path(), "Nikdo", kReportDefault);
    EXPECT_EQ(*nobody, (Person{"", "", kReportDefault, 0, 0, false, -1}));
}

TEST(Persons, MissingFileAndDeleteAll) {
    TempFolder dir;
    EXPECT_TRUE(listPersons(dir.path())->empty());
    EXPECT_TRUE(deleteAllPersons(dir.path()));
    EXPECT_TRUE(erasePerson(dir.path(), "Nikdo"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Udaje.ini"));

    ASSERT_TRUE(writePerson(dir.path(), person("Eva", "Malá", date(1980, 1, 1))));
    ASSERT_TRUE(deleteAllPersons(dir.path()));
    EXPECT_FALSE(std::filesystem::exists(dir / "Udaje.ini"));
    EXPECT_TRUE(listPersons(dir.path())->empty());
    ASSERT_TRUE(writePerson(dir.path(), person("Jan", "Novák", date(1975, 3, 5))));
    EXPECT_EQ(*listPersons(dir.path()), std::vector<std::string>{"Novák Jan 5.3.1975 00:00"});
}

TEST(Persons, NamesWithBracketsAndLineBreaksRoundTrip) {
    TempFolder dir;
    const Person odd = person("Jan [ml.]", "Novák=\"X\"", date(1990, 6, 1), 1, 2, true, 0);
    const auto name = writePerson(dir.path(), odd);
    ASSERT_TRUE(name);
    EXPECT_EQ(*listPersons(dir.path()), std::vector<std::string>{*name});
    EXPECT_EQ(*readPerson(dir.path(), *name, kDialogDefault), odd);

    const auto broken =
        writePerson(dir.path(), person("Jan\r\nPavel", "Nov\nák", date(1990, 6, 1)));
    ASSERT_TRUE(broken);
    EXPECT_EQ(*broken, "Nov ák Jan Pavel 1.6.1990 00:00");
    EXPECT_EQ(readPerson(dir.path(), *broken, kDialogDefault)->firstName, "Jan Pavel");
    EXPECT_EQ(listPersons(dir.path())->size(), 2u);
}

TEST(Persons, FailedWriteIsAnErrorNotASuccess) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "Udaje.ini"); // a folder where the file should be
    EXPECT_FALSE(writePerson(dir.path(), person("Eva", "Malá", date(1980, 1, 1))));
    EXPECT_FALSE(listPersons(dir.path()));
    dir.write("blocked", "");
    const auto result = writePerson(dir / "blocked", person("Eva", "Malá", date(1980, 1, 1)));
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().text().find("Udaje.ini"), std::string::npos);
}

TEST(Persons, ReplaceIsEraseThenWriteInOneStep) {
    TempFolder dir;
    const Person eva = person("Eva", "Malá", date(1980, 1, 1), 0, 0, false, 1);
    const Person jan = person("Jan", "Novák", date(1975, 3, 5));
    ASSERT_TRUE(writePerson(dir.path(), eva));
    ASSERT_TRUE(writePerson(dir.path(), jan));
    Person edited = eva;
    edited.birthHour = 14;
    edited.birthMinute = 30;
    const auto name = replacePerson(dir.path(), recordNameOf(eva), edited);
    ASSERT_TRUE(name);
    EXPECT_EQ(*listPersons(dir.path()),
              (std::vector<std::string>{"Novák Jan 5.3.1975 00:00", "Malá Eva 1.1.1980 14:30"}));

    // A failed write leaves the file as it was: the old record is still there.
    const std::string before = dir.read("Udaje.ini");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    const bool writable = std::ofstream(dir / "probe").good();
    if (!writable) {
        EXPECT_FALSE(replacePerson(dir.path(), *name, jan));
        EXPECT_EQ(dir.read("Udaje.ini"), before);
    }
}

// Whatever bytes another program left in the file, adding a person keeps every other
// record byte for byte: the five bytes Windows-1250 leaves unused included.
TEST(Persons, AddingKeepsEveryByteOfTheOtherRecords) {
    std::string all = "x"; // not at the ends: reading drops outer blanks and quotes
    for (int b = 0x20; b <= 0xFF; ++b) {
        all += static_cast<char>(b);
    }
    all += "x";
    const std::string before = "[" + all +
                               " Eva 1.1.1980 00:00]\r\n"
                               "Jmeno=Eva\r\n"
                               "Prijmeni=" +
                               all +
                               "\r\n"
                               "Datum=1.1.1980\r\n"
                               "PresnyCas=0\r\n"
                               "Cas=0:00:00\r\n"
                               "Pohlavi=1\r\n";
    TempFolder dir;
    dir.write("Udaje.ini", before);
    ASSERT_TRUE(writePerson(dir.path(), person("Jan", "Novák", date(1975, 3, 5))));
    const std::string after = dir.read("Udaje.ini");
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(after.substr(before.size()).rfind("[Nov\xE1k Jan 5.3.1975 00:00]\r\n", 0), 0U);

    // Read and written back as a person of its own, the record keeps its bytes as well.
    const auto names = listPersons(dir.path());
    ASSERT_TRUE(names);
    const auto read = readPerson(dir.path(), names->front(), kDialogDefault);
    ASSERT_TRUE(read);
    TempFolder other;
    ASSERT_TRUE(writePerson(other.path(), *read));
    EXPECT_EQ(other.read("Udaje.ini"), before);
}
