#include "data/names.h"

#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

NameRecord adam() {
    return NameRecord{"Adam",
                      "mužské",
                      "Eva",
                      "Adámek, Adamek, Áda",
                      "hebrejský (biblické jméno)",
                      "člověk, muž stvořený z hlíny",
                      "běžně užíváno",
                      "---",
                      "24.12.",
                      "katolický kalendář",
                      "Adamo, Adán",
                      "Redakce Tarveniku"};
}

NameRecord named(std::string name, std::string domestic = "---") {
    NameRecord r = substituteNameRecord(name);
    r.domesticForms = std::move(domestic);
    r.kind = "mužské";
    return r;
}

// Writes the letter file under Data/Jména of the temporary application folder.
void writeLetter(const TempFolder& app, std::string_view letter,
                 const std::vector<NameRecord>& records) {
    const auto path = nameFilePath(app.path(), letter);
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(writeNameFile(path, records));
}

} // namespace

TEST(NameRecords, LayoutIsByteExact) {
    const std::string bytes = encodeNameRecord(adam());
    ASSERT_EQ(bytes.size(), kNameRecordSize);
    EXPECT_EQ(bytes.substr(0, 5), std::string("\x04"
                                              "Adam"));
    EXPECT_EQ(bytes[5], '\0'); // padding after the name
    EXPECT_EQ(bytes.substr(21, 7), std::string("\x06"
                                               "mu\x9E"
                                               "sk\xE9"));
    EXPECT_EQ(bytes.substr(437, 7), std::string("\x06"
                                                "24.12."));
    EXPECT_EQ(bytes.substr(506, 18), std::string("\x11"
                                                 "Redakce Tarveniku"));
    EXPECT_EQ(decodeNameRecord(bytes), adam());
}

TEST(NameRecords, LongFieldsAreCutToTheirCapacityInCharacters) {
    NameRecord r = adam();
    r.name = "Žofie-Anastázie-Bohumila"; // 24 characters, more bytes in UTF-8
    r.meaning = std::string(200, 'x');
    const NameRecord back = decodeNameRecord(encodeNameRecord(r));
    EXPECT_EQ(back.name, "Žofie-Anastázie-Bohu");
    EXPECT_EQ(back.meaning, std::string(150, 'x'));
    EXPECT_EQ(back.kind, r.kind);
}

TEST(NameRecords, LengthByteAboveCapacityReadsAsCapacity) {
    std::string bytes = encodeNameRecord(adam());
    bytes[0] = static_cast<char>(255); // name capacity 20
    bytes[21] = static_cast<char>(7);  // kind capacity 6
    const NameRecord r = decodeNameRecord(bytes);
    EXPECT_EQ(r.name, std::string("Adam") + std::string(16, '\0'));
    EXPECT_EQ(r.kind, "mužské"); // not the counterpart's length byte
    EXPECT_EQ(r.counterpart, "Eva");
}

TEST(NameRecords, PartialRecordAtTheEndIsIgnored) {
    const std::string two = encodeNameRecords({adam(), named("Bára")});
    EXPECT_EQ(decodeNameRecords(two).size(), 2u);
    EXPECT_EQ(decodeNameRecords(two + std::string(526, 'A')).size(), 2u);
    EXPECT_EQ(decodeNameRecords(two.substr(0, 600)).size(), 1u);
    EXPECT_TRUE(decodeNameRecords("").empty());
}

TEST(NameLetter, FoldsCaseAndTheCaronLetters) {
    const struct {
        char32_t first;
        const char* letter;
    } cases[] = {{U'a', "A"}, {U'Z', "Z"}, {U'č', "C"}, {U'Č', "C"}, {U'ď', "D"},
                 {U'ň', "N"}, {U'ř', "R"}, {U'Š', "S"}, {U'ť', "T"}, {U'ž', "Z"},
                 {U'á', "Á"}, {U'Ú', "Ú"}, {U'ů', "Ů"}, {U'ý', "Ý"}, {U'1', "1"}};
    for (const auto& c : cases) {
        EXPECT_EQ(nameLetter(c.first), c.letter) << static_cast<unsigned>(c.first);
    }
}

TEST(NameRecordOf, NameBeforeDomesticFormsInFileOrder) {
    TempFolder app;
    writeLetter(app, "J", {named("Jenda", "Jan"), named("Jan", "Honza, Jeníček"), named("jan")});
    writeLetter(app, "H", {named("Hana", "Hanka")});

    const auto jan = nameRecordOf(app.path(), "JAN");
    ASSERT_TRUE(jan);
    EXPECT_EQ(*jan, named("Jan", "Honza, Jeníček")); // first pass wins over a domestic form

    EXPECT_EQ(nameRecordOf(app.path(), "jenda")->name, "Jenda");

    // Second pass: the first record whose domestic forms hold the name.
    EXPECT_EQ(*nameRecordOf(app.path(), "jeníč"), named("Jan", "Honza, Jeníček"));

    // Honza opens H's file; Jan's domestic forms in J's file are never looked at.
    EXPECT_EQ(*nameRecordOf(app.path(), "Honza"), substituteNameRecord("Honza"));
    EXPECT_EQ(nameRecordOf(app.path(), "Hanka")->name, "Hana");
}

TEST(NameRecordOf, FoldsOnlyAsciiLetters) {
    TempFolder app;
    writeLetter(app, "S", {named("Šárka"), named("Sara", "Šáruška")});
    struct Case {
        const char* name;
        NameRecord expected;
    } cases[] = {
        {"Šárka", named("Šárka")},
        {"ŠáRKA", named("Šárka")},
        {"ŠÁRKA", substituteNameRecord("ŠÁRKA")},
        {"šárka", substituteNameRecord("šárka")},
        {"šáruška", substituteNameRecord("šáruška")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(*nameRecordOf(app.path(), c.name), c.expected) << c.name;
    }
}

TEST(NameRecordOf, CaronLetterOpensThePlainLetterFile) {
    TempFolder app;
    writeLetter(app, "C", {named("Čeněk")});
    EXPECT_EQ(*nameRecordOf(app.path(), "Čeněk"), named("Čeněk"));
}

TEST(NameRecordOf, NameLongerThanTheFieldNeverMatchesByName) {
    TempFolder app;
    const std::string twenty = "Bohumilaaaaaaaaaaaaa";
    writeLetter(app, "B", {named(twenty)});
    EXPECT_EQ(*nameRecordOf(app.path(), twenty), named(twenty));
    const auto longer = nameRecordOf(app.path(), twenty + "x");
    EXPECT_EQ(*longer, substituteNameRecord(twenty + "x"));
    EXPECT_EQ(longer->name, twenty); // the substitute's name is cut to 20
}

TEST(NameRecordOf, SubstituteWhenTheFileHoldsNoSuchName) {
    TempFolder app;
    writeLetter(app, "X", {named("Xenie")});
    const auto r = nameRecordOf(app.path(), "Xaver");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->name, "Xaver");
    EXPECT_EQ(r->kind, "---");
    EXPECT_EQ(r->source, "---");
}

TEST(NameRecordOf, NoFileForTheLetterIsNotFoundAndAnUnreadableFileFails) {
    TempFolder app;
    writeLetter(app, "A", {named("Adam")});
    for (const char* name : {"Ámos", "Úrsula", "", "1Adam", "/etc", "Bára"}) {
        const auto r = nameRecordOf(app.path(), name);
        ASSERT_FALSE(r) << name;
        EXPECT_TRUE(r.error().notFound()) << name;
        EXPECT_NE(r.error().where.find("Jména"), std::string::npos) << name;
    }
    std::filesystem::create_directory(nameFilePath(app.path(), "K"));
    const auto unreadable = nameRecordOf(app.path(), "Karel");
    ASSERT_FALSE(unreadable);
    EXPECT_FALSE(unreadable.error().notFound());
    EXPECT_EQ(unreadable.error().where, nameFilePath(app.path(), "K").string());
}
