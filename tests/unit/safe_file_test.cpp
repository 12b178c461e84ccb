#include "store/safe_file.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool WriteThrough(const std::string& path, const Bytes& content,
                  const std::string& backup = std::string()) {
    SafeFileWriter w(path);
    if (!w.File())
        return false;
    std::fwrite(content.data(), 1, content.size(), w.File());
    return w.Commit(backup);
}

} // namespace

TEST(SafeFileWriter, ReplacesOnlyOnCommitAndKeepsTheBackup) {
    TempProgramFolder dir;
    const std::string path = dir.Path("a.qbx"), bak = dir.Path("a.bak");
    ASSERT_TRUE(WriteThrough(path, {1, 2, 3}, bak));
    EXPECT_EQ(ReadAll(path), (Bytes{1, 2, 3}));
    EXPECT_FALSE(access(bak.c_str(), F_OK) == 0) << "no previous file, no backup";

    {
        SafeFileWriter abandoned(path);
        ASSERT_NE(abandoned.File(), nullptr);
        std::fputs("half", abandoned.File());
    } // never committed
    EXPECT_EQ(ReadAll(path), (Bytes{1, 2, 3}));
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0) << "temporary file left behind";

    ASSERT_TRUE(WriteThrough(path, {4, 5}, bak));
    ASSERT_TRUE(WriteThrough(path, {6}, bak));
    EXPECT_EQ(ReadAll(path), (Bytes{6}));
    EXPECT_EQ(ReadAll(bak), (Bytes{4, 5}));
}

TEST(SafeFileWriter, TemporaryFileThatCannotBeMadeFailsAndKeepsTheOldFile) {
    TempProgramFolder dir;
    const std::string path = dir.Path("Clipboard.qbx");
    WriteAll(path, {9, 9, 9});
    // A folder where the temporary file would go: creating it fails even for root.
    ASSERT_EQ(mkdir((path + ".tmp").c_str(), 0755), 0);
    EXPECT_FALSE(WriteThrough(path, {1}));
    EXPECT_EQ(ReadAll(path), (Bytes{9, 9, 9}));
}

TEST(SafeFileWriter, FullDiskDuringTheWriteKeepsTheOldFile) {
    TempProgramFolder dir;
    const std::string path = dir.Path("Clipboard.qbx");
    WriteAll(path, Bytes(100, 7));
    // The child writes with a file-size limit of 4 KB, as if the disk filled up.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteThrough(path, Bytes(200000, 1)) ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "failure must be reported";
    EXPECT_EQ(ReadAll(path), Bytes(100, 7));
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0);
}
