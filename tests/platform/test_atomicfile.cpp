#include "platform/atomicfile.h"

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
