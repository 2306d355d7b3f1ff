#include "platform/atomicfile.h"

#include "inchild.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvenik;
using tarvenik::test::TempFolder;

TEST(AtomicFile, WritesAndReadsBack) {
    TempFolder dir;
    const std::string bytes("a\0b\r\nč", 7);
    ASSERT_TRUE(writeFileAtomic(dir / "f.ini", bytes));
    EXPECT_EQ(dir.read("f.ini"), bytes);
    auto read = readFileBytes(dir / "f.ini");
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, bytes);
    ASSERT_TRUE(writeFileAtomic(dir / "f.ini", ""));
    EXPECT_EQ(dir.read("f.ini"), "");
}

TEST(AtomicFile, ProcessKilledBeforeRenameLeavesOldFileUntouched) {
    TempFolder dir;
    const std::string old = "[Old]\r\nKey=1\r\n";
    dir.write("f.ini", old);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The new content is on disk in the temporary file when the process dies.
        (void)writeFileAtomic(dir / "f.ini", std::string(1 << 20, 'x'), [] { _exit(3); });
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(dir.read("f.ini"), old);
}

TEST(AtomicFile, FullDiskNamesThePathAndLeavesOldFileAndNoTemporaryFile) {
    TempFolder dir;
    dir.write("f.ini", "old");
    // A file-size limit makes write() fail part-way, as a full disk would.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto result = writeFileAtomic(dir / "f.ini", std::string(1 << 20, 'x'));
        const bool namesPath = !result && result.error().where == (dir / "f.ini").string() &&
                               !result.error().reason.empty();
        _exit(namesPath ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("f.ini"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(AtomicFile, MissingFolderIsAnError) {
    TempFolder dir;
    const auto result = writeFileAtomic(dir / "no/such/f.ini", "x");
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().text().find("no/such/f.ini"), std::string::npos);
    EXPECT_FALSE(result.error().notFound()); // a failed write is never "missing"
}

TEST(AtomicFile, OnlyAMissingFileReadsAsNotFound) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "sub");
    const auto missing = readFileBytes(dir / "missing.ini");
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().notFound());
    EXPECT_EQ(missing.error().where, (dir / "missing.ini").string());
    const auto folder = readFileBytes(dir / "sub");
    ASSERT_FALSE(folder);
    EXPECT_FALSE(folder.error().notFound());
}

TEST(AtomicFile, TargetThatIsAFolderFailsWithoutTouchingIt) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "sub");
    dir.write("sub/keep", "k");
    EXPECT_FALSE(writeFileAtomic(dir / "sub", "x"));
    EXPECT_EQ(dir.read("sub/keep"), "k");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// A read-only file stays as it is even though its folder would let a rename replace it.
// Root may write anything, so the file's own write bits decide for root as well.
TEST(AtomicFile, ReadOnlyFileIsAWriteFailure) {
    TempFolder dir;
    dir.write("Udaje.ini", "old");
    std::filesystem::permissions(dir / "Udaje.ini", std::filesystem::perms(0444));
    const auto result = writeFileAtomic(dir / "Udaje.ini", "new");
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().where, (dir / "Udaje.ini").string());
    EXPECT_EQ(dir.read("Udaje.ini"), "old");
    EXPECT_EQ(std::filesystem::status(dir / "Udaje.ini").permissions(),
              std::filesystem::perms(0444));
}

// Removing follows the same rule: a read-only file stays, for root as well.
TEST(AtomicFile, RemovingLeavesAReadOnlyFile) {
    TempFolder dir;
    dir.write("Udaje.ini", "old");
    dir.write("Tarvenik.ini", "old");
    std::filesystem::permissions(dir / "Udaje.ini", std::filesystem::perms(0444));
    const auto refused = removeFile(dir / "Udaje.ini");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().text(), (dir / "Udaje.ini").string() + ": soubor je jen pro čtení");
    EXPECT_EQ(dir.read("Udaje.ini"), "old");
    EXPECT_TRUE(removeFile(dir / "Tarvenik.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Tarvenik.ini"));
    EXPECT_TRUE(removeFile(dir / "Tarvenik.ini")); // already gone
}

// The same as a normal user, for a file of another owner that only its owner may write.
TEST(AtomicFile, FileThisUserMayNotWriteIsAWriteFailure) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    TempFolder dir;
    dir.write("Tarvenik.ini", "old");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    std::filesystem::permissions(dir / "Tarvenik.ini", std::filesystem::perms(0644));
    EXPECT_TRUE(test::passesWithin(5, [&dir] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) { // nobody
            return false;
        }
        return !writeFileAtomic(dir / "Tarvenik.ini", "new").ok();
    }));
    EXPECT_EQ(dir.read("Tarvenik.ini"), "old");
}

// A link stays a link and the file it names gets the new content, as with QSaveFile.
TEST(AtomicFile, SymbolicLinkIsWrittenThroughToItsTarget) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "jinde");
    dir.write("jinde/Udaje.ini", "old");
    std::filesystem::create_symlink("jinde/Udaje.ini", dir / "Udaje.ini");
    std::filesystem::create_symlink(dir / "Udaje.ini", dir / "odkaz.ini"); // a link to a link
    ASSERT_TRUE(writeFileAtomic(dir / "odkaz.ini", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Udaje.ini"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "odkaz.ini"));
    EXPECT_EQ(dir.read("jinde/Udaje.ini"), "new");

    // A link to a file that does not exist yet creates that file.
    std::filesystem::create_symlink("jinde/Tarvenik.ini", dir / "Tarvenik.ini");
    ASSERT_TRUE(writeFileAtomic(dir / "Tarvenik.ini", "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Tarvenik.ini"));
    EXPECT_EQ(dir.read("jinde/Tarvenik.ini"), "x");

    std::filesystem::create_symlink("kruh.ini", dir / "kruh.ini");
    EXPECT_FALSE(writeFileAtomic(dir / "kruh.ini", "x"));
}

TEST(AtomicFile, ReadsUpToTheLimitAndNotAByteMore) {
    TempFolder dir;
    dir.write("f.txt", std::string(1000, 'x'));
    EXPECT_EQ(readFileBytes(dir / "f.txt", 1000)->size(), 1000U);
    const auto over = readFileBytes(dir / "f.txt", 999);
    ASSERT_FALSE(over);
    EXPECT_EQ(over.error().text(),
              (dir / "f.txt").string() + ": soubor je příliš velký (nejvýš 999 B)");
    // The system's own files claim to be empty and are not: the limit holds while reading.
    const auto status = readFileBytes("/proc/self/status", 10);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().reason, "soubor je příliš velký (nejvýš 10 B)");
    EXPECT_EQ(readFileBytes(dir / "f.txt", 512).error().reason,
              "soubor je příliš velký (nejvýš 512 B)");
    dir.write("f.txt", std::string(16385, 'x'));
    EXPECT_EQ(readFileBytes(dir / "f.txt", 16384).error().reason,
              "soubor je příliš velký (nejvýš 16 KB)");
    EXPECT_TRUE(readFileBytes("/proc/self/status"));
}

TEST(SystemErrors, CommonOnesInCzechTheRestInTheSystemsWords) {
    const std::pair<int, std::string> cases[] = {
        {ENOENT, "soubor nebo složka neexistuje"},
        {EISDIR, "je to složka, ne soubor"},
        {EACCES, "chybí oprávnění"},
        {EPERM, "chybí oprávnění"},
        {ENOSPC, "na disku není volné místo"},
        {EROFS, "systém souborů je jen pro čtení"},
        {EFBIG, "soubor je příliš velký"},
        {EDQUOT, "byla překročena kvóta disku"},
        {EIO, std::generic_category().message(EIO)},
    };
    for (const auto& [err, text] : cases) {
        EXPECT_EQ(systemErrorText(err), text) << err;
    }
    EXPECT_EQ(systemError("/a/b", ENOSPC).text(), "/a/b: na disku není volné místo");
}

TEST(AtomicFile, WritableFolderIsAFolderThisProcessMayCreateFilesIn) {
    TempFolder dir;
    dir.write("file", "");
    std::filesystem::create_directory(dir / "locked");
    std::filesystem::permissions(dir / "locked", std::filesystem::perms(0555));
    EXPECT_TRUE(isWritableFolder(dir.path()));
    EXPECT_FALSE(isWritableFolder(dir / "missing"));
    EXPECT_FALSE(isWritableFolder(dir / "file"));
    // The superuser may write anywhere the mount allows; an ordinary user may not.
    EXPECT_EQ(isWritableFolder(dir / "locked"), ::geteuid() == 0);
    if (::geteuid() == 0) {
        std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
        EXPECT_TRUE(test::passesWithin(5, [&dir] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) { // nobody
                return false;
            }
            return isWritableFolder(dir.path()) && !isWritableFolder(dir / "locked");
        }));
    }
}
