#include "data/settings.h"

#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

TEST(Settings, MissingFileGivesDefaults) {
    TempFolder dir;
    const auto s = readSettings(dir.path());
    ASSERT_TRUE(s);
    EXPECT_EQ(*s, AppSettings{});
    EXPECT_EQ(s->Pruhlednost_value, 255);
    EXPECT_FALSE(std::filesystem::exists(dir / "Tarvenik.ini"));
}

TEST(Settings, MalformedValuesTakeDefaults) {
    TempFolder dir;
    dir.write("Tarvenik.ini", "[vypocet]\r\npartner=ano\r\nPruhlednost=7\r\n"
                              "Pruhlednost_value=abc\r\n[OBRAZEK]\r\nPouzit=-1\r\n"
                              "Cesta=Obr\xE1zky/l\xE9to.jpg\r\n");
    const auto s = readSettings(dir.path());
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->Partner);
    EXPECT_TRUE(s->Pruhlednost);
    EXPECT_EQ(s->Pruhlednost_value, 255);
    EXPECT_TRUE(s->Pouzit);
    EXPECT_EQ(s->Cesta, "Obrázky/léto.jpg");
}

TEST(Settings, SaveWritesTheKeysInOrder) {
    TempFolder dir;
    AppSettings s;
    s.Partner = true;
    s.Pruhlednost_value = 120;
    s.Pouzit = true;
    s.Cesta = "pozadí.png";
    ASSERT_TRUE(saveSettings(dir.path(), s));
    EXPECT_EQ(dir.read("Tarvenik.ini"), "[Vypocet]\r\nPartner=1\r\nPruhlednost=0\r\n"
                                        "Pruhlednost_value=120\r\n[Pamatovat]\r\nPamatovat=0\r\n"
                                        "[Obrazek]\r\nPouzit=1\r\nCesta=pozad\xED.png\r\n");
    EXPECT_EQ(*readSettings(dir.path()), s);
}

TEST(Settings, SaveKeepsRememberedSelectionAndForeignKeys) {
    TempFolder dir;
    dir.write("Tarvenik.ini", "; moje\r\n[Pamatovat]\r\nUzivatel=Nov\xE1k Jan 5.3.1975 00:00\r\n");
    ASSERT_TRUE(saveSettings(dir.path(), AppSettings{}));
    const auto sel = readRememberedSelection(dir.path(), true);
    ASSERT_TRUE(sel);
    EXPECT_EQ(sel->Uzivatel, "Novák Jan 5.3.1975 00:00");
    EXPECT_TRUE(sel->PartnerZAP); // defaults to the loaded Partner
    EXPECT_EQ(dir.read("Tarvenik.ini").substr(0, 8), "; moje\r\n");
}

TEST(Settings, RemindersAtStartupHaveTheirOwnSection) {
    TempFolder dir;
    EXPECT_FALSE(*readRemindersAtStartup(dir.path()));
    dir.write("Tarvenik.ini", "[Vypocet]\r\nPartner=1\r\n");
    ASSERT_TRUE(writeRemindersAtStartup(dir.path(), true));
    EXPECT_EQ(dir.read("Tarvenik.ini"),
              "[Vypocet]\r\nPartner=1\r\n[Pripominky]\r\nPripominky=1\r\n");
    EXPECT_TRUE(*readRemindersAtStartup(dir.path()));
    EXPECT_TRUE(readSettings(dir.path())->Partner);
    ASSERT_TRUE(writeRemindersAtStartup(dir.path(), false));
    EXPECT_FALSE(*readRemindersAtStartup(dir.path()));
}

TEST(Settings, RememberedSelectionRoundTrip) {
    TempFolder dir;
    ASSERT_TRUE(saveSettings(dir.path(), AppSettings{}));
    const RememberedSelection r{true, "Malá Eva 1.1.1980 00:00", ""};
    ASSERT_TRUE(writeRememberedSelection(dir.path(), r));
    EXPECT_EQ(*readRememberedSelection(dir.path(), false), r);
    EXPECT_EQ(
        dir.read("Tarvenik.ini"),
        "[Vypocet]\r\nPartner=0\r\nPruhlednost=0\r\nPruhlednost_value=255\r\n"
        "[Pamatovat]\r\nPamatovat=0\r\nPartnerZAP=1\r\nUzivatel=Mal\xE1 Eva 1.1.1980 00:00\r\n"
        "Partner=\r\n[Obrazek]\r\nPouzit=0\r\nCesta=\r\n");
}

TEST(Settings, FailedWriteStopsAndNamesTheFile) {
    TempFolder dir;
    // A folder in the file's place makes every write fail.
    std::filesystem::create_directory(dir / "Tarvenik.ini");
    const auto r = saveSettings(dir.path(), AppSettings{});
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().where, (dir / "Tarvenik.ini").string());
    EXPECT_EQ(unableToWriteMessage(dir / "Tarvenik.ini"),
              "Unable to write to " + (dir / "Tarvenik.ini").string());
}

TEST(Settings, AFailedSaveLeavesTheOldFileWhole) {
    TempFolder dir;
    const std::string old = "; moje\r\n[Vypocet]\r\nPartner=1\r\n";
    dir.write("Tarvenik.ini", old);
    // A file-size limit that the first keys would fit in and the whole file does not, as a
    // disk that fills up during the save.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{70, 70};
        setrlimit(RLIMIT_FSIZE, &limit);
        AppSettings s;
        s.Pouzit = true;
        const auto r = saveSettings(dir.path(), s);
        _exit(!r && r.error().where == (dir / "Tarvenik.ini").string() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("Tarvenik.ini"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A stored level below what the settings dialog offers would make the main window
// invisible; it loads as the nearest level the dialog offers.
TEST(Settings, OpacityLevelLoadsWithinTheDialogsRange) {
    const std::pair<const char*, int> cases[] = {
        {"0", 50}, {"-5", 50}, {"10", 50}, {"50", 50}, {"120", 120}, {"255", 255}, {"999", 255},
    };
    for (const auto& [stored, loaded] : cases) {
        TempFolder dir;
        dir.write("Tarvenik.ini", std::string("[Vypocet]\r\nPruhlednost=1\r\nPruhlednost_value=") +
                                      stored + "\r\n");
        const auto s = readSettings(dir.path());
        ASSERT_TRUE(s);
        EXPECT_EQ(s->Pruhlednost_value, loaded) << stored;
    }
}

TEST(Settings, PicturePaths) {
    EXPECT_EQ(storedPicturePath("/opt/tarvenik/Obr/a.jpg", "/opt/tarvenik/"), "Obr/a.jpg");
    EXPECT_EQ(storedPicturePath("/home/eva/a.jpg", "/opt/tarvenik/"), "/home/eva/a.jpg");
    EXPECT_EQ(storedPicturePath("/OPT/tarvenik/a.jpg", "/opt/tarvenik/"), "/OPT/tarvenik/a.jpg");
    EXPECT_EQ(resolvePicturePath("/opt/t", "Obr/a.jpg"), std::filesystem::path("/opt/t/Obr/a.jpg"));
    EXPECT_EQ(resolvePicturePath("/opt/t", "/home/a.jpg"), std::filesystem::path("/home/a.jpg"));
}
