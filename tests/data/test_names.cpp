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
    EXPECT_EQ(jan.status, NameLookup::Found);
    EXPECT_EQ(jan.record.name, "Jan"); // first pass wins over an earlier domestic form

    const auto jenda = nameRecordOf(app.path(), "jenda");
    EXPECT_EQ(jenda.record.name, "Jenda");

    // Second pass: the first record whose domestic forms hold the name.
    const auto jenicek = nameRecordOf(app.path(), "jeníč");
    EXPECT_EQ(jenicek.status, NameLookup::Found);
    EXPECT_EQ(jenicek.record.name, "Jan");

    // Honza opens H's file; Jan's domestic forms in J's file are never looked at.
    EXPECT_EQ(nameRecordOf(app.path(), "Honza").status, NameLookup::Substitute);
    EXPECT_EQ(nameRecordOf(app.path(), "Hanka").record.name, "Hana");
}

TEST(NameRecordOf, FoldsOnlyAsciiLetters) {
    TempFolder app;
    writeLetter(app, "S", {named("Šárka"), named("Sara", "Šáruška")});
    EXPECT_EQ(nameRecordOf(app.path(), "Šárka").status, NameLookup::Found);
    EXPECT_EQ(nameRecordOf(app.path(), "ŠÁRKA").status, NameLookup::Substitute);
    EXPECT_EQ(nameRecordOf(app.path(), "šárka").status, NameLookup::Substitute);
    EXPECT_EQ(nameRecordOf(app.path(), "ŠáRKA").record.name, "Šárka");
    EXPECT_EQ(nameRecordOf(app.path(), "šáruška").status, NameLookup::Substitute);
}

TEST(NameRecordOf, CaronLetterOpensThePlainLetterFile) {
    TempFolder app;
    writeLetter(app, "C", {named("Čeněk")});
    const auto r = nameRecordOf(app.path(), "Čeněk");
    EXPECT_EQ(r.status, NameLookup::Found);
    EXPECT_EQ(r.record.name, "Čeněk");
}

TEST(NameRecordOf, NameLongerThanTheFieldNeverMatchesByName) {
    TempFolder app;
    const std::string twenty = "Bohumilaaaaaaaaaaaaa";
    writeLetter(app, "B", {named(twenty)});
    EXPECT_EQ(nameRecordOf(app.path(), twenty).status, NameLookup::Found);
    const auto longer = nameRecordOf(app.path(), twenty + "x");
    EXPECT_EQ(longer.status, NameLookup::Substitute);
    EXPECT_EQ(longer.record.name, twenty); // the substitute's name is cut to 20
}

TEST(NameRecordOf, SubstituteWhenTheFileHoldsNoSuchName) {
    TempFolder app;
    writeLetter(app, "X", {named("Xenie")});
    const auto r = nameRecordOf(app.path(), "Xaver");
    EXPECT_EQ(r.status, NameLookup::Substitute);
    EXPECT_EQ(r.record.name, "Xaver");
    EXPECT_EQ(r.record.kind, "---");
    EXPECT_EQ(r.record.source, "---");
}

TEST(NameRecordOf, FileErrorsComeWithTheSubstitute) {
    TempFolder app;
    writeLetter(app, "A", {named("Adam")});
    for (const char* name : {"Ámos", "Úrsula", "", "1Adam", "/etc", "Bára"}) {
        const auto r = nameRecordOf(app.path(), name);
        EXPECT_EQ(r.status, NameLookup::FileError) << name;
        EXPECT_EQ(r.record, substituteNameRecord(name)) << name;
        EXPECT_FALSE(r.error.reason.empty()) << name;
    }
}
