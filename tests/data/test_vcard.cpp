#include "data/personexchange.h"
#include "data/textlines.h"
#include "data/vcard.h"
#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

DateTime date(int y, int m, int d) {
    return *DateTime::fromDate(y, m, d);
}

const DateTime kToday = date(2026, 12, 8);

// What a phone's contacts app writes when it exports its address book: vCard 2.1, names
// with Czech letters quoted-printable in UTF-8 (a long one broken with a soft line break),
// a photo folded over indented lines and followed by a blank line, a note, a duplicate
// contact, and the usual contacts without a birthday, without a year, without a surname.
const std::string kPhoneExport =
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dvo=C5=99=C3=A1kov=C3=A1;=C5=A0=C3=A1rka;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C5=A0=C3=A1rka=20Dvo=C5=99=C3=A1kov=C3=A1\r\n"
    "TEL;CELL:+420 603 123 456\r\n"
    "EMAIL;HOME:sarka.dvorakova@example.cz\r\n"
    "BDAY:1984-07-19\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N:Svoboda;Petr;;;\r\n"
    "FN:Petr Svoboda\r\n"
    "TEL;CELL;PREF:+420777000111\r\n"
    "BDAY:1962-02-11\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C4=8Cern=C3=BD;Ji=C5=99=C3=AD;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Ji=C5=99=C3=AD=20=C4=8Cern=C3=BD\r\n"
    "TEL;WORK:+420 224 000 000\r\n"
    "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Kolega z pr=C3=A1ce, m=C3=A1 r=C3=A1d hory =\r\n"
    "a dobr=C3=A9 j=C3=ADdlo.\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Nov=C3=A1k;Jan;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Jan=20Nov=C3=A1k\r\n"
    "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAgGBgcGBQgHBwcJCQgKDBQNDAsL\r\n"
    "  DBkSEw8UHRofHh0aHBwgJC4nICIsIxwcKDcpLDAxNDQ0Hyc5PTgyPC4zNDL/2wBDAQkJCQwLDBgN\r\n"
    "  DRgyIRwhMjIyMjIyMjIyMjIy\r\n"
    "\r\n"
    "BDAY:1975-03-05\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Mal=C3=A1;Babi=C4=8Dka;;;\r\n"
    "TEL;HOME:+420 541 000 000\r\n"
    "BDAY:--10-02\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N:;Maminka;;;\r\n"
    "FN:Maminka\r\n"
    "BDAY:1956-05-30\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dvo=C5=99=C3=A1kov=C3=A1-Nov=C3=A1;Marie=20Magdal="
    "\r\n"
    "=C3=A9na;;;\r\n"
    "BDAY:1988-02-29\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dvo=C5=99=C3=A1kov=C3=A1;=C5=A0=C3=A1rka;;;\r\n"
    "TEL;WORK:+420 596 000 000\r\n"
    "BDAY:1984-07-19\r\n"
    "END:VCARD\r\n";

std::string card(const std::string& lines) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
}

// The one person of a one-card file, or the reason it was skipped.
std::variant<Person, CardSkip> only(const std::string& bytes) {
    const auto cards = parseVCards(bytes);
    EXPECT_TRUE(cards) << (cards ? "" : cards.error().reason);
    if (!cards || cards->persons.size() + cards->skipped.size() != 1) {
        ADD_FAILURE() << "not one card";
        return CardSkip::NoName;
    }
    if (!cards->skipped.empty()) {
        return cards->skipped[0];
    }
    return cards->persons[0];
}

Person person(std::string first, std::string last, DateTime born, int h = 0, int mi = 0,
              bool exact = false, int sex = -1) {
    return Person{std::move(first), std::move(last), born, h, mi, exact, sex};
}

} // namespace

TEST(VCard, PhoneExportIsImportedWithItsCounts) {
    TempFolder dir;
    ASSERT_TRUE(writePerson(dir.path(), person("Petr", "Svoboda", date(1962, 2, 11))));
    dir.write("kontakty.vcf", kPhoneExport);

    const auto summary = importPersons(dir.path(), dir / "kontakty.vcf", kToday);
    ASSERT_TRUE(summary) << summary.error().text();
    EXPECT_EQ(summary->added, 3);
    EXPECT_EQ(summary->alreadyThere, 2); // Petr was stored, and Šárka came twice
    EXPECT_EQ(importSummaryText(*summary),
              "Přidány 3 osoby.\n"
              "Už v seznamu byly 2 osoby se stejným jménem, příjmením a datem narození.\n"
              "Přeskočeny 3 vizitky:\n"
              " – bez data narození: 1\n"
              " – datum narození bez roku: 1\n"
              " – chybí jméno nebo příjmení: 1");

    const auto stored = readAllPersons(dir.path(), kEditDefaultDate);
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, (std::vector<Person>{
                           person("Petr", "Svoboda", date(1962, 2, 11)),
                           person("Šárka", "Dvořáková", date(1984, 7, 19)),
                           person("Jan", "Novák", date(1975, 3, 5)),
                           person("Marie Magdaléna", "Dvořáková-Nová", date(1988, 2, 29)),
                       }));

    // The same file again adds nobody and leaves the person file as it was.
    const std::string before = dir.read("Udaje.ini");
    const auto again = importPersons(dir.path(), dir / "kontakty.vcf", kToday);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->added, 0);
    EXPECT_EQ(again->alreadyThere, 5);
    EXPECT_EQ(dir.read("Udaje.ini"), before);
}

TEST(VCard, BirthDateForms) {
    struct Case {
        const char* line;
        std::variant<Person, CardSkip> expected;
    };
    const Person plain = person("Eva", "Malá", date(1975, 3, 5));
    const Person timed = person("Eva", "Malá", date(1975, 3, 5), 7, 5, true);
    const Case cases[] = {
        {"BDAY:1975-03-05\r\n", plain},
        {"BDAY:19750305\r\n", plain},
        {"BDAY;VALUE=date:1975-03-05\r\n", plain},
        {"item1.BDAY: 1975-03-05 \r\n", plain},
        {"BDAY:5.3.1975\r\n", plain},
        {"BDAY:1975-03-05T07:05:00Z\r\n", timed},
        {"BDAY:19750305T0705\r\n", timed},
        {"BDAY:1975-03-05T07:05:59+01:00\r\n", timed},
        {"BDAY:19750305T070500.000-0500\r\n", timed},
        {"BDAY:--03-05\r\n", CardSkip::NoBirthYear},
        {"BDAY:--0305\r\n", CardSkip::NoBirthYear},
        {"BDAY;X-APPLE-OMIT-YEAR=1604:1604-03-05\r\n", CardSkip::NoBirthYear},
        {"BDAY;X-APPLE-OMIT-YEAR=1604:1975-03-05\r\n", plain},
        {"BDAY:1975-02-30\r\n", CardSkip::BadBirthDate},
        {"BDAY:1975-03\r\n", CardSkip::BadBirthDate},
        {"BDAY;VALUE=text:jaro 1975\r\n", CardSkip::BadBirthDate},
        {"BDAY:1975-03-05T25:00\r\n", CardSkip::BadBirthDate},
        {"BDAY:\r\n", CardSkip::NoBirthDate},
        {"NOTE:narozena 5.3.1975\r\n", CardSkip::NoBirthDate},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(only(card(std::string("N:Malá;Eva;;;\r\n") + c.line)), c.expected) << c.line;
    }
}

TEST(VCard, NamesInEveryEncodingAndForm) {
    const std::string cp1250 = encode1250("Nováková;Šárka;;;");
    struct Case {
        std::string lines;
        std::variant<Person, CardSkip> expected;
    };
    const Person sarka = person("Šárka", "Nováková", date(1990, 4, 15));
    const Case cases[] = {
        {"N;CHARSET=ISO-8859-2;ENCODING=QUOTED-PRINTABLE:Nov=E1kov=E1;=A9=E1rka;;;\r\n", sarka},
        {"N;CHARSET=windows-1250:" + cp1250 + "\r\n", sarka},
        {"N:" + cp1250 + "\r\n", sarka}, // not UTF-8 without a charset: a Czech Windows program
        {"N;QUOTED-PRINTABLE;CHARSET=UTF-8:Nov=C3=A1kov=C3=A1;=C5=A0=C3=A1rka;;;\r\n", sarka},
        {"N:Nová\r\n ková;Šár\r\n\tka;;;\r\n", sarka}, // folded, by a blank and by a tab
        {"N;ENCODING=QUOTED-PRINTABLE:Nov=C3=A1kov=C3=A1;=C5=A0=C3=A1rka=0AMarie=0D;;;\r\n",
         person("Šárka Marie", "Nováková", date(1990, 4, 15))},
        {"n:Nováková;Šárka\r\n", sarka},
        {"FN:Šárka Nováková\r\n", sarka},
        {"N:Nováková;;;;\r\nFN:Šárka Nováková\r\n", sarka},
        {"N:;Šárka;;;\r\nFN:Šárka\r\n", CardSkip::NoName},
        {"N:O\\,Brien\\;ml.;Jan,Pavel;;;\r\n",
         person("Jan Pavel", "O,Brien;ml.", date(1990, 4, 15))},
        {"N:Nováková;Šárka Marie Magdaléna Terezie Anna;;;\r\n",
         person("Šárka Marie Magdaléna Terezie", "Nováková", date(1990, 4, 15))},
        {"N;CHARSET=KOI8-R:\xEE\xCF\xD7\xC1\xCB;;;;\r\n", CardSkip::UnknownCharset},
        {"N:Иванова;Анна;;;\r\n", CardSkip::NameNotStorable},
        {"N:Nováková;Šárka;;;\r\nGENDER:F\r\n",
         person("Šárka", "Nováková", date(1990, 4, 15), 0, 0, false, 1)},
        {"N:Nováková;Šárka;;;\r\nX-GENDER:Male\r\n",
         person("Šárka", "Nováková", date(1990, 4, 15), 0, 0, false, 0)},
        {"N:Nováková;Šárka;;;\r\nGENDER:O;jiné\r\n", sarka},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(only(card(c.lines + "BDAY:1990-04-15\r\n")), c.expected) << c.lines;
    }
}

TEST(VCard, RoundTripKeepsCzechLettersTimesAndSex) {
    const std::vector<Person> persons = {
        person("Šárka Marie Magdaléna Terezie", "Dvořáková-Nováková Řehořová", date(1996, 2, 29),
               23, 59, true, 1),
        person("Jiří", "Černý", date(1975, 3, 5), 7, 5, true, 0),
        person("Ludmila", "Žďárská", date(1930, 12, 31)),
        person("Jan", "O'Brien; Novák, ml.\\", date(2001, 1, 1), 0, 0, true, -1),
    };
    const std::string text = formatVCards(persons);
    const auto back = parseVCards(text);
    ASSERT_TRUE(back) << back.error().reason;
    EXPECT_TRUE(back->skipped.empty());
    EXPECT_EQ(back->persons, persons);

    // Lines are folded before 75 octets and never inside a character.
    for (const std::string& line : splitTextLines(text)) {
        EXPECT_LE(line.size(), 75U) << line;
        EXPECT_EQ(decode1250(encode1250(line)), line) << "a character cut in two: " << line;
    }
}

TEST(VCard, WritesVCard4) {
    EXPECT_EQ(formatVCards({person("Jan", "Novák", date(1975, 3, 5), 7, 5, true, 0),
                            person("Eva", "Malá", date(1980, 1, 1), 0, 0, false, 1)}),
              "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Novák;Jan;;;\r\nFN:Jan Novák\r\n"
              "BDAY:19750305T070500\r\nGENDER:M\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Malá;Eva;;;\r\nFN:Eva Malá\r\n"
              "BDAY:19800101\r\nGENDER:F\r\nEND:VCARD\r\n");
}

TEST(VCard, DamagedFilesAddNobody) {
    TempFolder dir;
    ASSERT_TRUE(writePerson(dir.path(), person("Petr", "Svoboda", date(1962, 2, 11))));
    const std::string before = dir.read("Udaje.ini");

    std::mt19937 random(20);
    std::string noise(4096, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() & 0xFF);
    }
    const std::string cut = kPhoneExport.substr(0, kPhoneExport.find("BDAY:1975"));
    const std::string big = std::string(10'000'000, ' ');
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"utnuty.vcf", cut, "vizitka od řádku 24 nemá konec (END:VCARD); soubor je zřejmě neúplný"},
        {"sum.vcf", noise, "soubor obsahuje binární data, nejde o vizitky vCard"},
        {"velky.vcf", big, "soubor je příliš velký (9,5 MB); načíst lze soubor nejvýše do 8 MB"},
        {"prazdny.vcf", "\r\n\r\n", "soubor neobsahuje žádnou vizitku vCard"},
        {"text.vcf", "Milá Šárko,\r\nposílám kontakty.\r\n",
         "řádek 1 nepatří k žádné vizitce; nejde o soubor vCard"},
        {"konec.vcf", card("N:Malá;Eva;;;\r\nBDAY:1975-03-05\r\n") + "END:VCARD\r\n",
         "řádek 6 ukončuje vizitku, která nezačala; soubor je poškozený"},
    };
    for (const Case& c : cases) {
        dir.write(c.name, c.bytes);
        const auto result = importPersons(dir.path(), dir / c.name, kToday);
        ASSERT_FALSE(result) << c.name;
        EXPECT_EQ(result.error().where, (dir / c.name).string());
        EXPECT_EQ(result.error().reason, c.reason);
        EXPECT_EQ(dir.read("Udaje.ini"), before) << c.name;
    }
    const auto missing = importPersons(dir.path(), dir / "neni.vcf", kToday);
    EXPECT_FALSE(missing);
    EXPECT_EQ(dir.read("Udaje.ini"), before);
}

TEST(VCard, NothingToAddWritesNothing) {
    TempFolder dir;
    dir.write("budoucnost.vcf", card("N:Malá;Eva;;;\r\nBDAY:2030-01-01\r\n") +
                                    card("FN:Eva Malá\r\nBDAY:--01-01\r\n"));
    const auto summary = importPersons(dir.path(), dir / "budoucnost.vcf", kToday);
    ASSERT_TRUE(summary);
    EXPECT_EQ(importSummaryText(*summary), "Přidáno 0 osob.\n"
                                           "Přeskočeny 2 vizitky:\n"
                                           " – datum narození bez roku: 1\n"
                                           " – datum narození v budoucnosti: 1");
    EXPECT_FALSE(std::filesystem::exists(dir / "Udaje.ini"));
}

TEST(VCard, ExportWritesEveryPersonAndReadsBack) {
    TempFolder dir;
    const std::vector<Person> persons = {
        person("Šárka", "Dvořáková", date(1984, 7, 19), 14, 30, true, 1),
        person("Jiří", "Černý", date(1975, 3, 5), 0, 0, false, 0),
    };
    for (const Person& p : persons) {
        ASSERT_TRUE(writePerson(dir.path(), p));
    }
    dir.write("osoby.vcf", "stary obsah, ktery zmizi");
    const auto written = exportPersons(dir.path(), dir / "osoby.vcf");
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, 2);
    EXPECT_EQ(parseVCards(dir.read("osoby.vcf"))->persons, persons);

    EXPECT_FALSE(exportPersons(dir.path(), dir / "neni" / "osoby.vcf"));
    EXPECT_FALSE(std::filesystem::exists(dir / "neni"));

    EXPECT_EQ(exportSummaryText(1, "a.vcf"), "Do souboru „a.vcf“ byla uložena 1 osoba.");
    EXPECT_EQ(exportSummaryText(3, "a.vcf"), "Do souboru „a.vcf“ byly uloženy 3 osoby.");
    EXPECT_EQ(exportSummaryText(12, "a.vcf"), "Do souboru „a.vcf“ bylo uloženo 12 osob.");
}
