// A save killed at any moment leaves the file whole: the old content or the new one, never
// a mix, never empty, and it reads back as what was saved. A child process saves two
// contents in turn while this process kills it after a random delay.

#include "data/persons.h"
#include "data/settings.h"
#include "platform/atomicfile.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;
namespace fs = std::filesystem;

namespace {

constexpr int kKills = 200;
constexpr int kMinDelayMicros = 3000, kMaxDelayMicros = 30000;

// What is saved: `save(b)` writes content B when b is true, A otherwise; `readsBackAs(b)`
// tells whether the file parses to that content.
struct Saving {
    fs::path file;
    std::function<void(bool)> save;
    std::function<bool(bool)> readsBackAs;
};

struct KillCount {
    int intact = 0, a = 0, b = 0;
    double saveMicros = 0; // one save, on average
    int leftovers = 0;     // temporary files of killed saves
    std::vector<std::string> faults;
};

std::string bytesOf(const fs::path& file) {
    auto read = readFileBytes(file);
    return read ? *read : "<" + read.error().text() + ">";
}

KillCount killWhileSaving(const Saving& s, unsigned seed) {
    KillCount count;
    s.save(false);
    const std::string bytesA = bytesOf(s.file);
    s.save(true);
    const std::string bytesB = bytesOf(s.file);
    EXPECT_NE(bytesA, bytesB);
    const auto start = std::chrono::steady_clock::now();
    constexpr int kTimed = 50;
    for (int i = 0; i < kTimed; ++i) {
        s.save(i % 2 == 1);
    }
    count.saveMicros =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count() /
        kTimed;

    // A few milliseconds, or two saves where one takes longer (up to a bound that keeps the
    // test short on a slow disk), so that kills land in the first save, the second and
    // between them.
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> delay(
        0, std::clamp(static_cast<int>(2 * count.saveMicros), kMinDelayMicros, kMaxDelayMicros));
    for (int kill = 0; kill < kKills; ++kill) {
        const bool wasB = bytesOf(s.file) == bytesB;
        const pid_t child = ::fork();
        if (child < 0) {
            count.faults.push_back("fork failed");
            break;
        }
        if (child == 0) {
            for (bool b = !wasB;; b = !b) {
                s.save(b);
            }
        }
        ::usleep(static_cast<useconds_t>(delay(rng)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = bytesOf(s.file);
        const bool isA = now == bytesA, isB = now == bytesB;
        if ((isA || isB) && s.readsBackAs(isB)) {
            ++count.intact;
            ++(isB ? count.b : count.a);
        } else {
            count.faults.push_back("kill " + std::to_string(kill) + ": " +
                                   std::to_string(now.size()) + " bytes, " +
                                   (isA || isB ? "not read back as saved" : "neither A nor B"));
        }
    }
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(s.file.parent_path(), ec)) {
        count.leftovers += entry.path() != s.file;
    }
    return count;
}

void report(const Saving& s, const KillCount& c) {
    std::printf("%s: %d/%d intact (A %d, B %d), one save %.0f µs on average, "
                "%d temporary files left by killed saves\n",
                s.file.filename().c_str(), c.intact, kKills, c.a, c.b, c.saveMicros, c.leftovers);
    for (const std::string& fault : c.faults) {
        ADD_FAILURE() << fault;
    }
    EXPECT_EQ(c.intact, kKills);
}

Person person(const char* first, const char* last, int year, int month, int day, int sex) {
    Person p;
    p.firstName = first;
    p.surname = last;
    p.birthDate = *DateTime::fromDate(year, month, day);
    p.sex = sex;
    return p;
}

} // namespace

TEST(SaveKill, PersonsSurviveAKillAtAnyMoment) {
    TempFolder dir;
    // Sixty persons that stay, and one whose edit is saved back and forth.
    const char* firstNames[] = {"Jan", "Eva", "Petr", "Marie", "Jiří", "Žofie"};
    const char* surnames[] = {"Novák", "Dvořák", "Černá", "Šťastný", "Růžičková"};
    std::vector<Person> stay;
    for (int i = 0; i < 60; ++i) {
        stay.push_back(
            person(firstNames[i % 6], surnames[i % 5], 1940 + i, 1 + i % 12, 1 + i % 28, i % 2));
    }
    ASSERT_TRUE(addPersons(dir.path(), stay));
    Person a = person("Věra", "Malá", 1980, 1, 1, 1);
    Person b = person("Věra", "Malá-Horáková", 1981, 2, 28, 1);
    b.exactTime = true;
    b.birthHour = 23;
    b.birthMinute = 59;
    ASSERT_TRUE(writePerson(dir.path(), a));

    const Saving saving{
        dir / kPersonFileName,
        [&](bool toB) { (void)replacePerson(dir.path(), recordNameOf(toB ? a : b), toB ? b : a); },
        [&](bool isB) {
            std::vector<Person> expected = stay;
            expected.push_back(isB ? b : a);
            const auto read = readAllPersons(dir.path(), kEditDefaultDate);
            return read && *read == expected;
        }};
    report(saving, killWhileSaving(saving, 22));
}

TEST(SaveKill, SettingsSurviveAKillAtAnyMoment) {
    TempFolder dir;
    // Keys the settings dialog does not write stay as they are through every save.
    const std::string others = "; nastavení\r\n[Pamatovat]\r\nPartnerZAP=1\r\n"
                               "Uzivatel=Nov\xE1k Jan 5.3.1975 00:00\r\n[Pripominky]\r\n"
                               "Pripominky=1\r\n";
    dir.write(kSettingsFileName, others);
    const AppSettings a{true, false, true, 120, true, "obrazky/pozad\xC3\xAD.jpg"};
    const AppSettings b{false, true, false, 255, false, ""};

    const Saving saving{dir / kSettingsFileName,
                        [&](bool toB) { (void)saveSettings(dir.path(), toB ? b : a); },
                        [&](bool isB) {
                            const auto read = readSettings(dir.path());
                            const auto kept = readRememberedSelection(dir.path(), false);
                            return read && *read == (isB ? b : a) && kept &&
                                   kept->Uzivatel == "Nov\xC3\xA1k Jan 5.3.1975 00:00" &&
                                   readRemindersAtStartup(dir.path()).value();
                        }};
    report(saving, killWhileSaving(saving, 23));
}
