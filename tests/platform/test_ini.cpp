#include "platform/ini.h"

#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

namespace {

IniDocument doc(const std::string& utf8) {
    return IniDocument::fromBytes(encode1250(utf8));
}

std::string text(const IniDocument& d) {
    return decode1250(d.toBytes());
}

} // namespace

TEST(Ini, ReadsWithCaseBlindSectionsAndKeys) {
    const IniDocument d = doc("[Malá Eva]\r\nJmeno=Eva\r\n[Svátky]\r\n1.1.=Nový rok\r\n");
    EXPECT_EQ(d.value("MALÁ EVA", "jmeno"), "Eva");
    EXPECT_EQ(d.value("svátky", "1.1."), "Nový rok");
    EXPECT_EQ(d.value("SVÁTKY", "1.1."), "Nový rok");
    EXPECT_FALSE(d.value("Mala Eva", "Jmeno"));
    EXPECT_FALSE(d.value("Malá Eva", "Prijmeni"));
}

TEST(Ini, ReadingTrimsBlanksAndOnePairOfQuotes) {
    const IniDocument d =
        doc("[S]\n  a  =  x y  \nb=\"q\"\nc='q'\nd=\"'q'\"\ne=\"q'\nf=\"\ng= \"\" \n"
            "h=a=b\n");
    EXPECT_EQ(d.value("S", "a"), "x y");
    EXPECT_EQ(d.value("S", "b"), "q");
    EXPECT_EQ(d.value("S", "c"), "q");
    EXPECT_EQ(d.value("S", "d"), "'q'");
    EXPECT_EQ(d.value("S", "e"), "\"q'");
    EXPECT_EQ(d.value("S", "f"), "\"");
    EXPECT_EQ(d.value("S", "g"), "");
    EXPECT_EQ(d.value("S", "h"), "a=b");
}

TEST(Ini, FirstMatchingSectionAndKeyWin) {
    const IniDocument d = doc("[S]\nk=1\nK=2\n[s]\nk=3\nz=4\n");
    EXPECT_EQ(d.value("S", "k"), "1");
    EXPECT_FALSE(d.value("S", "z"));
    EXPECT_EQ(d.sectionNames(), (std::vector<std::string>{"S", "s"}));
}

TEST(Ini, IntegersAndBooleans) {
    const IniDocument d = doc("[S]\na=12\nb=-3\nc=x\nd=12x\ne=\nf=99999999999\ng=+5\nh=0\ni= 7 \n");
    EXPECT_EQ(d.readInteger("S", "a", -1), 12);
    EXPECT_EQ(d.readInteger("S", "b", -1), -3);
    EXPECT_EQ(d.readInteger("S", "c", -1), -1);
    EXPECT_EQ(d.readInteger("S", "d", -1), -1);
    EXPECT_EQ(d.readInteger("S", "e", -1), -1);
    EXPECT_EQ(d.readInteger("S", "f", -1), -1);
    EXPECT_EQ(d.readInteger("S", "g", -1), 5);
    EXPECT_EQ(d.readInteger("S", "i", -1), 7);
    EXPECT_EQ(d.readInteger("S", "missing", 255), 255);
    EXPECT_TRUE(d.readBool("S", "a", false));
    EXPECT_TRUE(d.readBool("S", "b", false));
    EXPECT_FALSE(d.readBool("S", "h", true));
    EXPECT_TRUE(d.readBool("S", "c", true)); // not an integer: the default
    EXPECT_FALSE(d.readBool("S", "c", false));
}

TEST(Ini, SectionNameRunsFromFirstToLastBracket) {
    const IniDocument d = doc("[Novák [ml.] Jan=x 1.1.1980 00:00]\nJmeno=Jan\n[nezavřená\nk=v\n");
    EXPECT_EQ(d.sectionNames(), (std::vector<std::string>{"Novák [ml.] Jan=x 1.1.1980 00:00"}));
    EXPECT_EQ(d.value("Novák [ml.] Jan=x 1.1.1980 00:00", "Jmeno"), "Jan");
    // "[nezavřená" is an ordinary line, so "k" still belongs to the section above it.
    EXPECT_EQ(d.value("Novák [ml.] Jan=x 1.1.1980 00:00", "k"), "v");
}

TEST(Ini, WriteReplacesInPlaceAppendsToSectionOrAddsSection) {
    IniDocument d = doc("; komentář\r\n[A]\r\nx=1\r\nnesmysl\r\n\r\n[B]\r\ny=2\r\n");
    d.write("a", "X", "10");
    EXPECT_EQ(text(d), "; komentář\r\n[A]\r\nX=10\r\nnesmysl\r\n\r\n[B]\r\ny=2\r\n");
    d.write("A", "z", "3");
    EXPECT_EQ(text(d), "; komentář\r\n[A]\r\nX=10\r\nnesmysl\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
    d.write("C", "w", "4");
    EXPECT_EQ(text(d),
              "; komentář\r\n[A]\r\nX=10\r\nnesmysl\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n");
}

TEST(Ini, EveryValueRoundTrips) {
    const std::string values[] = {
        "plain", "\"quoted\"", "'single'", "\"",       "''",  " lead",          "trail ",
        "  ",    "",           "a=b",      "\"mixed'", "[x]", ";not a comment", "Žluťoučký kůň"};
    IniDocument d;
    int i = 0;
    for (const std::string& v : values) {
        d.write("S", "k" + std::to_string(i++), v);
    }
    const IniDocument back = IniDocument::fromBytes(d.toBytes());
    i = 0;
    for (const std::string& v : values) {
        EXPECT_EQ(back.value("S", "k" + std::to_string(i++)), v) << "[" << v << "]";
    }
}

TEST(Ini, LineBreaksInWrittenTextsBecomeBlanks) {
    IniDocument d;
    d.write("Sec\r\ntion", "k", "a\nb\rc");
    EXPECT_EQ(d.value("Sec tion", "k"), "a b c");
    EXPECT_EQ(d.lines().size(), 2u);
}

TEST(Ini, EraseSectionKeepsTheRestInOrder) {
    IniDocument d = doc("top=1\r\n[A]\r\na=1\r\n[B]\r\nb=1\r\n[a]\r\nc=1\r\n[C]\r\n");
    d.eraseSection("A");
    EXPECT_EQ(text(d), "top=1\r\n[B]\r\nb=1\r\n[C]\r\n");
    d.eraseSection("none");
    EXPECT_EQ(text(d), "top=1\r\n[B]\r\nb=1\r\n[C]\r\n");
}

TEST(Ini, SectionDocumentsSplitAndAppendJoins) {
    const IniDocument d = doc("top=1\r\n[A]\r\na=1\r\n\r\n[B]\r\n; note\r\nb=2\r\n");
    const auto sections = d.sectionDocuments();
    ASSERT_EQ(sections.size(), 2U);
    EXPECT_EQ(text(sections[0]), "[A]\r\na=1\r\n\r\n");
    EXPECT_EQ(sections[1].readString("B", "b", ""), "2");
    IniDocument joined = doc("top=1\r\n");
    for (const IniDocument& s : sections) {
        joined.append(s);
    }
    EXPECT_EQ(text(joined), text(d));
}

TEST(Ini, AnyLineEndReadsAndCrLfIsWritten) {
    const IniDocument d = IniDocument::fromBytes("[S]\nA=1\rB=2\r\nC=3");
    EXPECT_EQ(d.value("S", "A"), "1");
    EXPECT_EQ(d.value("S", "B"), "2");
    EXPECT_EQ(d.value("S", "C"), "3");
    EXPECT_EQ(d.toBytes(), "[S]\r\nA=1\r\nB=2\r\nC=3\r\n");
}

TEST(Ini, GarbageNeverBreaksReading) {
    std::string junk;
    for (int i = 0; i < 5000; ++i) {
        junk += static_cast<char>((i * 7919) % 256);
    }
    junk += std::string(10 << 20, 'x'); // a 10 MB line
    constexpr char tail[] = "\0[S]\0\n=\n[\n]\n[]\nk=\0v\n";
    junk += std::string(tail, sizeof tail - 1);
    IniDocument d = IniDocument::fromBytes(junk);
    EXPECT_FALSE(d.value("S", "k"));
    EXPECT_EQ(d.value("", "k"), std::string("\0v", 2));
    d.write("S", "k", "v");
    EXPECT_EQ(IniDocument::fromBytes(d.toBytes()).value("S", "k"), "v");
}

TEST(IniFile, MissingFileIsEmptyAndFirstWriteCreatesIt) {
    TempFolder dir;
    auto loaded = loadIni(dir / "T.ini");
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->sectionNames().empty());
    ASSERT_TRUE(writeIniValue(dir / "T.ini", "Vypocet", "Partner", "1"));
    ASSERT_TRUE(writeIniValue(dir / "T.ini", "Obrazek", "Cesta", "obrázky/les.jpg"));
    ASSERT_TRUE(writeIniValue(dir / "T.ini", "vypocet", "Partner", "0"));
    EXPECT_EQ(dir.read("T.ini"), encode1250("[Vypocet]\r\nPartner=0\r\n[Obrazek]\r\nCesta=obrázky/"
                                            "les.jpg\r\n"));
}

TEST(IniFile, FailedWriteIsReportedWithThePath) {
    TempFolder dir;
    dir.write("blocked", "a file where the folder should be");
    const auto result = writeIniValue(dir / "blocked" / "T.ini", "S", "k", "v");
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().where.find("blocked"), std::string::npos);
    EXPECT_EQ(dir.read("blocked"), "a file where the folder should be");
}

TEST(IniFile, FirstWriteCreatesTheMissingFolders) {
    TempFolder dir;
    const auto file = dir / "share" / "Tarvenik" / "T.ini";
    EXPECT_EQ(loadIni(file)->toBytes(), ""); // reading leaves the folder missing
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
    ASSERT_TRUE(writeIniValue(file, "S", "k", "v"));
    EXPECT_EQ(dir.read("share/Tarvenik/T.ini"), "[S]\r\nk=v\r\n");
}

// A profile file past the limit (or a folder in its place) is neither read nor replaced by
// a write: the write would keep one key of it and lose the rest.
TEST(IniFile, OversizedFileOrFolderIsRefusedAndKeptWhole) {
    TempFolder dir;
    const std::string big = "[S]\r\nk=v\r\n" + std::string(kMaxIniBytes, 'x');
    dir.write("T.ini", big);
    std::filesystem::create_directory(dir / "D.ini");
    const std::pair<std::string, std::string> cases[] = {
        {"T.ini", "soubor je příliš velký (nejvýš 4 MB)"},
        {"D.ini", "je to složka, ne soubor"},
    };
    for (const auto& [name, reason] : cases) {
        const auto loaded = loadIni(dir / name);
        ASSERT_FALSE(loaded) << name;
        EXPECT_EQ(loaded.error().text(), (dir / name).string() + ": " + reason);
        EXPECT_FALSE(writeIniValue(dir / name, "S", "k", "w")) << name;
    }
    EXPECT_EQ(dir.read("T.ini"), big);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "D.ini"));
}
