#include "data/persons.h"
#include "data/settings.h"
#include "data/userfiles.h"

#include "tests/platform/inchild.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;
namespace fs = std::filesystem;

TEST(UserFiles, FolderFollowsWhetherTheApplicationFolderCanBeWritten) {
    TempFolder dir;
    fs::create_directory(dir / "portable");
    fs::create_directory(dir / "installed");
    fs::permissions(dir / "installed", fs::perms::owner_read | fs::perms::owner_exec |
                                           fs::perms::group_read | fs::perms::others_read);
    const fs::path home = dir / "home" / ".local" / "share" / "Tarvenik";
    const bool root = ::geteuid() == 0; // writes everywhere, so nothing is an install to it
    const struct {
        fs::path app;
        fs::path perUser;
        fs::path expected;
    } cases[] = {
        {dir / "portable", home, dir / "portable"},
        {dir / "portable/", home, dir / "portable/"}, // as the main window passes it
        {dir / "installed", home, root ? dir / "installed" : home},
        {dir / "installed", "", dir / "installed"},
        {dir / "missing", home, dir / "missing"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(userFilesFolder(c.app, c.perUser), c.expected) << c.app << " " << c.perUser;
    }
    if (root) { // as the users of a system install are
        for (const fs::path& open : {dir.path(), dir / "portable"}) {
            fs::permissions(open, fs::perms::all);
        }
        EXPECT_TRUE(test::passesWithin(5, [&] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) { // nobody
                return false;
            }
            return userFilesFolder(dir / "installed", home) == home &&
                   userFilesFolder(dir / "portable", home) == dir / "portable";
        }));
    }
}

TEST(UserFiles, BothFilesGoIntoAPerUserFolderThatTheFirstWriteCreates) {
    TempFolder dir;
    const fs::path folder = dir / "home" / ".local" / "share" / "Tarvenik";
    ASSERT_TRUE(listPersons(folder));
    ASSERT_TRUE(readSettings(folder));
    EXPECT_FALSE(fs::exists(dir / "home")); // reading creates nothing

    Person eva;
    eva.firstName = "Eva";
    eva.surname = "Malá";
    eva.birthDate = *DateTime::fromDate(1980, 1, 1);
    ASSERT_TRUE(writePerson(folder, eva));
    ASSERT_TRUE(saveSettings(folder, AppSettings{}));
    EXPECT_EQ(*listPersons(folder), std::vector<std::string>{"Malá Eva 1.1.1980 00:00"});
    EXPECT_TRUE(fs::exists(folder / "Tarvenik.ini"));
}
